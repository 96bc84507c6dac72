#include "files/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

namespace corvane {
namespace {

// Opens without waiting for a partner: a FIFO with no process at its other
// end would otherwise hold the open, and with it the whole dialog, for
// ever. Opening one for writing then fails like any file that cannot be
// opened; opening one for reading finds it empty. Once open, the file
// blocks on reads and writes as usual.
std::FILE* OpenWithoutWaiting(const std::string& path, int flags, const char* mode) {
  const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  const int status = ::fcntl(fd, F_GETFL);
  if (status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) < 0) {
    ::close(fd);
    return nullptr;
  }
  std::FILE* file = ::fdopen(fd, mode);
  if (file == nullptr) ::close(fd);
  return file;
}

bool IsDirectory(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(std::filesystem::path(path), error);
}

bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::path(path), error);
}

}  // namespace

bool IsUsableFileName(const std::string& path) {
  return !path.empty() && path.find('\0') == std::string::npos && !IsDirectory(path);
}

std::optional<OpenFile> OpenFile::Create(const std::string& path) {
  if (!IsUsableFileName(path)) return std::nullopt;
  std::FILE* file = OpenWithoutWaiting(path, O_WRONLY | O_CREAT | O_TRUNC, "wb");
  if (file == nullptr) return std::nullopt;
  return OpenFile(file);
}

std::optional<OpenFile> OpenFile::OpenForAppending(const std::string& path) {
  // Without O_CREAT: appending never creates the file.
  if (!IsUsableFileName(path) || !Exists(path)) return std::nullopt;
  std::FILE* file = OpenWithoutWaiting(path, O_WRONLY | O_APPEND, "ab");
  if (file == nullptr) return std::nullopt;
  return OpenFile(file);
}

std::optional<OpenFile> OpenFile::OpenForReading(const std::string& path) {
  if (!IsUsableFileName(path)) return std::nullopt;
  std::FILE* file = OpenWithoutWaiting(path, O_RDONLY, "rb");
  if (file == nullptr) return std::nullopt;
  return OpenFile(file);
}

OpenFile::OpenFile(std::FILE* file) : file_(file) {
  struct stat status {};
  if (::fstat(::fileno(file_), &status) == 0 && S_ISREG(status.st_mode))
    lengthAtOpen_ = static_cast<std::uintmax_t>(status.st_size);
}

OpenFile::OpenFile(OpenFile&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)), lengthAtOpen_(other.lengthAtOpen_) {}

OpenFile& OpenFile::operator=(OpenFile&& other) noexcept {
  if (this != &other) {
    if (file_ != nullptr) std::fclose(file_);
    file_ = std::exchange(other.file_, nullptr);
    lengthAtOpen_ = other.lengthAtOpen_;
  }
  return *this;
}

OpenFile::~OpenFile() {
  if (file_ != nullptr) std::fclose(file_);
}

bool OpenFile::Write(std::string_view bytes) { return WriteAll(bytes.data(), bytes.size()); }

bool OpenFile::Write(std::span<const unsigned char> bytes) { return WriteAll(bytes.data(), bytes.size()); }

// Straight to the descriptor: a buffered stream would report a full disk
// only when closed, and keep the bytes it could not write to try again.
bool OpenFile::WriteAll(const void* data, std::size_t size) {
  const int fd = ::fileno(file_);
  const char* next = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t written = ::write(fd, next, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      CutBackTo(lengthAtOpen_);
      return false;
    }
    next += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

void OpenFile::CutBackTo(std::uintmax_t length) {
  const int fd = ::fileno(file_);
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return;
  if (static_cast<std::uintmax_t>(status.st_size) > length) {
    // Nothing more can be done if even this fails; the caller reports no error either way.
    [[maybe_unused]] const int ignored = ::ftruncate(fd, static_cast<off_t>(length));
  }
}

std::size_t OpenFile::Read(std::span<unsigned char> bytes) {
  std::size_t total = 0;
  while (total < bytes.size()) {
    const std::size_t count = std::fread(bytes.data() + total, 1, bytes.size() - total, file_);
    if (count == 0) break;  // end of file or a read error: keep what arrived
    total += count;
  }
  return total;
}

}  // namespace corvane
