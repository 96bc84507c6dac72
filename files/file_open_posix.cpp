#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "files/file_open.h"

namespace corvane::file_open {

// Opens without waiting for a partner: a FIFO with no process at its other
// end would otherwise hold the open, and with it the whole dialog, for
// ever. Opening one for writing then fails like any file that cannot be
// opened; opening one for reading finds it empty. Once open, the file
// blocks on reads and writes as usual.
std::FILE* Open(const std::string& path, Mode mode) {
  int flags = O_RDONLY;
  const char* stdioMode = "rb";
  if (mode == Mode::kCreate) {
    flags = O_WRONLY | O_CREAT | O_TRUNC;
    stdioMode = "wb";
  } else if (mode == Mode::kAppend) {
    flags = O_WRONLY | O_APPEND;  // without O_CREAT: appending never creates the file
    stdioMode = "ab";
  }
  const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  const int status = ::fcntl(fd, F_GETFL);
  if (status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) < 0) {
    ::close(fd);
    return nullptr;
  }
  std::FILE* file = ::fdopen(fd, stdioMode);
  if (file == nullptr) ::close(fd);
  return file;
}

bool IsDirectory(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(std::filesystem::path(path), error);
}

}  // namespace corvane::file_open
