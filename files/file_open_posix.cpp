#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
  } else if (mode == Mode::kCreateNew) {
    flags = O_WRONLY | O_CREAT | O_EXCL;
    stdioMode = "wb";
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

std::optional<std::uintmax_t> RegularFileLength(std::FILE* file) {
  struct stat status {};
  if (::fstat(::fileno(file), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  return static_cast<std::uintmax_t>(status.st_size);
}

bool WriteDirect(std::FILE* file, const void* data, std::size_t size, std::size_t* written) {
  const int fd = ::fileno(file);
  const char* next = static_cast<const char*>(data);
  std::size_t done = 0;
  bool whole = true;
  while (done < size) {
    const ssize_t count = ::write(fd, next + done, size - done);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) {
      whole = false;
      break;
    }
    done += static_cast<std::size_t>(count);
  }
  if (written != nullptr) *written = done;
  return whole;
}

// flock, not fcntl's record locks: those belong to the process, and any
// close of the same file in it (an identity check, a second open) would
// drop them unseen.
bool LockForWriting(std::FILE* file) {
  while (::flock(::fileno(file), LOCK_EX) != 0)
    if (errno != EINTR) return false;
  return true;
}

std::string LastErrorText() { return std::strerror(errno); }

void Truncate(std::FILE* file, std::uintmax_t length) {
  // Nothing more can be done if even this fails; the caller reports no error either way.
  [[maybe_unused]] const int ignored = ::ftruncate(::fileno(file), static_cast<off_t>(length));
}

std::optional<std::string> ReplaceableTarget(const std::string& path) {
  std::string target = path;
  struct stat status {};
  if (::stat(path.c_str(), &status) == 0) {
    if (!S_ISREG(status.st_mode)) return std::nullopt;
    // A link is followed to its file, which is replaced; the link stays.
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return std::nullopt;
    target = resolved;
    std::free(resolved);
  } else if (errno != ENOENT) {
    return std::nullopt;
  }
  const std::filesystem::path folder = std::filesystem::path(target).parent_path();
  const std::string folderName = folder.empty() ? "." : folder.string();
  if (::access(folderName.c_str(), W_OK | X_OK) != 0) return std::nullopt;
  return target;
}

bool RenameOver(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

bool RenamesOverOpenFiles() { return true; }

void Remove(const std::string& path) { ::unlink(path.c_str()); }

std::optional<FileIdentity> IdentityOfDescriptor(int fd) {
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

std::optional<FileIdentity> IdentityOfFile(std::FILE* file) { return IdentityOfDescriptor(::fileno(file)); }

std::optional<FileIdentity> IdentityOfPath(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace corvane::file_open
