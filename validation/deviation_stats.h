// Summary statistics of absolute deviations, in percent.
#pragma once

#include <cstddef>
#include <vector>

namespace corvane::validation {

struct DeviationSummary {
  std::size_t count = 0;
  double median = 0;
  double p95 = 0;
  double max = 0;
};

// Median, 95th percentile and maximum of |values|. Percentiles interpolate
// linearly between the sorted values: the q-quantile of n values lies at
// position q (n - 1), counted from 0.
DeviationSummary Summarise(const std::vector<double>& values);

}  // namespace corvane::validation
