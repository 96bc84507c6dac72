#include "cli/progress_bar.h"

#include <cstdio>

namespace corvane {

ProgressBar::ProgressBar(bool enabled, std::optional<long long> inputBytes)
    : enabled_(enabled), inputBytes_(inputBytes), start_(std::chrono::steady_clock::now()), lastDrawn_(start_) {}

void ProgressBar::Update(long long rows, long long bytesRead) {
  if (!enabled_) return;
  const auto now = std::chrono::steady_clock::now();
  const double elapsed = std::chrono::duration<double>(now - start_).count();
  if (elapsed < 1.0 || now - lastDrawn_ < std::chrono::milliseconds(200)) return;
  lastDrawn_ = now;
  char line[160];
  int length = std::snprintf(line, sizeof line, "\rcorvane-cli: %lld rows, %.0f rows/s", rows, rows / elapsed);
  if (inputBytes_ && *inputBytes_ > 0 && bytesRead > 0) {
    const double done = static_cast<double>(bytesRead) / static_cast<double>(*inputBytes_);
    const double left = elapsed * (1.0 - done) / done;
    length += std::snprintf(line + length, sizeof line - static_cast<std::size_t>(length), ", %3.0f%%, %.0f s left",
                            100.0 * done, left < 0 ? 0.0 : left);
  }
  std::fprintf(stderr, "%s\x1b[K", line);
  std::fflush(stderr);
  drawn_ = true;
}

void ProgressBar::Finish() {
  if (!drawn_) return;
  std::fprintf(stderr, "\r\x1b[K");
  std::fflush(stderr);
  drawn_ = false;
}

}  // namespace corvane
