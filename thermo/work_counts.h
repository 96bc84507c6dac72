// How much numerical work this thread has done: evaluations of the BWRS
// pressure and of the cubic equations' pressure or slope. Tests bound the
// work of a run by the difference of two readings; the increment beside
// each evaluation costs nothing measurable.
#pragma once

#include <cstdint>

namespace corvane {

struct WorkCounts {
  std::uint64_t bwrsPressures = 0;
  std::uint64_t cubicEvaluations = 0;
};

// Incremented by the evaluations themselves; read it, never write it.
extern thread_local constinit WorkCounts threadWorkCounts;

}  // namespace corvane
