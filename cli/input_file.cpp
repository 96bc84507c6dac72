#include "cli/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#ifndef O_BINARY
#define O_BINARY 0
#endif

namespace corvane {

std::string InputName(const std::string& path) { return path == "-" ? "standard input" : path; }

OpenedInput OpenInput(const std::string& path) {
  OpenedInput input;
  input.fd = path == "-" ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_BINARY);
  struct stat info {};
  // A closed standard input fails here as well as a path that cannot be opened.
  if (input.fd < 0 || ::fstat(input.fd, &info) != 0) {
    input.error = "cannot read " + InputName(path) + ": " + std::strerror(errno);
    if (input.fd > STDIN_FILENO) ::close(input.fd);
    input.fd = -1;
    return input;
  }
  if (S_ISDIR(info.st_mode)) {
    input.error = "cannot read " + InputName(path) + ": it is a directory";
    if (input.fd > STDIN_FILENO) ::close(input.fd);
    input.fd = -1;
    return input;
  }
  if (S_ISREG(info.st_mode)) input.size = static_cast<long long>(info.st_size);
  return input;
}

void CloseInput(const OpenedInput& input) {
  if (input.fd > STDIN_FILENO) ::close(input.fd);
}

InputBytes ReadWholeInput(const std::string& path, std::size_t limit) {
  InputBytes result;
  const OpenedInput input = OpenInput(path);
  if (!input.error.empty()) {
    result.error = input.error;
    return result;
  }
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(input.fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result.error = "cannot read " + InputName(path) + ": " + std::strerror(errno);
      break;
    }
    if (n == 0) break;
    if (result.bytes.size() + static_cast<std::size_t>(n) > limit) {
      result.error = "cannot read " + InputName(path) + ": longer than " + std::to_string(limit >> 20) + " MiB";
      break;
    }
    result.bytes.append(buffer, static_cast<std::size_t>(n));
  }
  CloseInput(input);
  if (!result.error.empty()) result.bytes.clear();
  return result;
}

}  // namespace corvane
