// A one-line progress bar on standard error for batches that take over a
// second: rows done, rate, and time left when the input's size is known.
#pragma once

#include <chrono>
#include <optional>

namespace corvane {

class ProgressBar {
 public:
  // Draws nothing unless `enabled` (standard error is a terminal).
  ProgressBar(bool enabled, std::optional<long long> inputBytes);
  void Update(long long rows, long long bytesRead);
  // Clears the line, if one was drawn.
  void Finish();

 private:
  bool enabled_;
  std::optional<long long> inputBytes_;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point lastDrawn_;
  bool drawn_ = false;
};

}  // namespace corvane
