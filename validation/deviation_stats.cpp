#include "validation/deviation_stats.h"

#include <algorithm>
#include <cmath>

namespace corvane::validation {

namespace {
double Quantile(const std::vector<double>& sorted, double q) {
  const double position = q * static_cast<double>(sorted.size() - 1);
  const auto below = static_cast<std::size_t>(std::floor(position));
  const std::size_t above = std::min(below + 1, sorted.size() - 1);
  return sorted[below] + (position - static_cast<double>(below)) * (sorted[above] - sorted[below]);
}
}  // namespace

DeviationSummary Summarise(const std::vector<double>& values) {
  DeviationSummary summary;
  summary.count = values.size();
  if (values.empty()) return summary;
  std::vector<double> sorted;
  sorted.reserve(values.size());
  for (double v : values) sorted.push_back(std::fabs(v));
  std::sort(sorted.begin(), sorted.end());
  summary.median = Quantile(sorted, 0.5);
  summary.p95 = Quantile(sorted, 0.95);
  summary.max = sorted.back();
  return summary;
}

}  // namespace corvane::validation
