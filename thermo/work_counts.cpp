#include "thermo/work_counts.h"

namespace corvane {

thread_local constinit WorkCounts threadWorkCounts{};

}  // namespace corvane
