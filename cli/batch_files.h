// The batch between files: the input from a path or standard input, the
// output to standard output or to a file that is replaced only once the
// whole output is there (an unusable header, a failed write or an
// interruption leaves an existing file as it was).
#pragma once

#include <string>

#include "cli/batch.h"

namespace corvane {

// Runs the batch from `inputPath` to `outputPath` ("-": the standard
// streams); messages go to standard error. Returns the exit status.
int RunBatchFiles(const std::string& inputPath, const std::string& outputPath, const BatchSettings& settings);

}  // namespace corvane
