#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "files/file_open.h"
#include "text/wide_text.h"

namespace corvane::file_open {

std::FILE* Open(const std::string& path, Mode mode) {
  const std::optional<std::wstring> name = WidenUtf8(path);
  if (!name) return nullptr;

  DWORD access = GENERIC_READ;
  DWORD disposition = OPEN_EXISTING;  // appending and reading never create the file
  int flags = _O_RDONLY;
  const char* stdioMode = "rb";
  if (mode == Mode::kCreate) {
    access = GENERIC_WRITE;
    disposition = CREATE_ALWAYS;
    flags = _O_WRONLY;
    stdioMode = "wb";
  } else if (mode == Mode::kAppend) {
    access = GENERIC_WRITE;
    flags = _O_WRONLY | _O_APPEND;
    stdioMode = "ab";
  } else if (mode == Mode::kCreateNew) {
    access = GENERIC_WRITE;
    disposition = CREATE_NEW;
    flags = _O_WRONLY;
    stdioMode = "wb";
  }
  // Shared for deleting too: a report open in one process for appending
  // must not stop another from renaming its replacement over the name.
  const HANDLE handle = ::CreateFileW(name->c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  // Only a file on a disk: a named pipe would hold a read or write, and with
  // it the whole dialog, until its other end answers, and a device (NUL,
  // CON, COM1) is no file to keep a mixture or a report in.
  if (::GetFileType(handle) != FILE_TYPE_DISK) {
    ::CloseHandle(handle);
    ::SetLastError(ERROR_NOT_SUPPORTED);
    return nullptr;
  }
  const int fd = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(handle), flags | _O_BINARY);
  if (fd < 0) {
    ::CloseHandle(handle);
    return nullptr;
  }
  std::FILE* file = ::_fdopen(fd, stdioMode);
  if (file == nullptr) ::_close(fd);  // closes the handle with it
  return file;
}

bool IsDirectory(const std::string& path) {
  const std::optional<std::wstring> name = WidenUtf8(path);
  if (!name) return false;
  const DWORD attributes = ::GetFileAttributesW(name->c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::uintmax_t> RegularFileLength(std::FILE* file) {
  const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file)));
  LARGE_INTEGER size{};
  if (handle == INVALID_HANDLE_VALUE || ::GetFileType(handle) != FILE_TYPE_DISK || !::GetFileSizeEx(handle, &size))
    return std::nullopt;
  return static_cast<std::uintmax_t>(size.QuadPart);
}

bool WriteDirect(std::FILE* file, const void* data, std::size_t size, std::size_t* written) {
  const int fd = ::_fileno(file);
  const char* next = static_cast<const char*>(data);
  std::size_t done = 0;
  bool whole = true;
  while (done < size) {
    const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(size - done, 1u << 30));
    const int count = ::_write(fd, next + done, chunk);
    if (count <= 0) {
      whole = false;
      break;
    }
    done += static_cast<std::size_t>(count);
  }
  if (written != nullptr) *written = done;
  return whole;
}

bool LockForWriting(std::FILE* file) {
  const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file)));
  if (handle == INVALID_HANDLE_VALUE) return false;
  // The very last byte of the largest file there can be: Windows locks are
  // mandatory, and a lock over the data would refuse reads by others.
  OVERLAPPED where{};
  where.Offset = 0xFFFFFFFEu;
  where.OffsetHigh = 0x7FFFFFFFu;
  return ::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &where) != 0;
}

std::string LastErrorText() {
  const DWORD error = ::GetLastError();
  char text[256] = {};
  const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                        text, sizeof text, nullptr);
  std::string words(text, length);
  while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == '.' || words.back() == ' '))
    words.pop_back();
  return words.empty() ? "error " + std::to_string(error) : words;
}

void Truncate(std::FILE* file, std::uintmax_t length) {
  // Nothing more can be done if even this fails; the caller reports no error either way.
  [[maybe_unused]] const errno_t ignored = ::_chsize_s(::_fileno(file), static_cast<long long>(length));
}

namespace {

// The identity of an open handle of a file on a disk.
std::optional<FileIdentity> IdentityOfHandle(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION information{};
  if (handle == INVALID_HANDLE_VALUE || ::GetFileType(handle) != FILE_TYPE_DISK ||
      !::GetFileInformationByHandle(handle, &information) ||
      (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return std::nullopt;
  return FileIdentity{information.dwVolumeSerialNumber,
                      (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

}  // namespace

std::optional<std::string> ReplaceableTarget(const std::string& path) {
  const std::optional<std::wstring> name = WidenUtf8(path);
  if (!name) return std::nullopt;
  const DWORD attributes = ::GetFileAttributesW(name->c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) return std::nullopt;
    // Only a file on a disk is replaced; NUL, CON and pipes are written in place.
    const HANDLE handle = ::CreateFileW(name->c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    const bool disk = ::GetFileType(handle) == FILE_TYPE_DISK;
    ::CloseHandle(handle);
    if (!disk) return std::nullopt;
  } else if (::GetLastError() != ERROR_FILE_NOT_FOUND) {
    return std::nullopt;
  }
  return path;
}

bool RenameOver(const std::string& from, const std::string& to) {
  const std::optional<std::wstring> source = WidenUtf8(from), target = WidenUtf8(to);
  if (!source || !target) return false;
  // Windows refuses while any process holds the target open; another
  // writer of a report holds it only for the moment of its write, so the
  // rename is tried again for up to a second.
  for (int attempt = 0; attempt < 200; ++attempt) {
    if (::MoveFileExW(source->c_str(), target->c_str(), MOVEFILE_REPLACE_EXISTING) != 0) return true;
    const DWORD error = ::GetLastError();
    if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) return false;
    ::Sleep(5);
  }
  return false;
}

bool RenamesOverOpenFiles() { return false; }

void Remove(const std::string& path) {
  if (const std::optional<std::wstring> name = WidenUtf8(path)) ::DeleteFileW(name->c_str());
}

std::optional<FileIdentity> IdentityOfDescriptor(int fd) {
  return IdentityOfHandle(reinterpret_cast<HANDLE>(::_get_osfhandle(fd)));
}

std::optional<FileIdentity> IdentityOfFile(std::FILE* file) { return IdentityOfDescriptor(::_fileno(file)); }

std::optional<FileIdentity> IdentityOfPath(const std::string& path) {
  const std::optional<std::wstring> name = WidenUtf8(path);
  if (!name) return std::nullopt;
  const HANDLE handle = ::CreateFileW(name->c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  const std::optional<FileIdentity> identity = IdentityOfHandle(handle);
  ::CloseHandle(handle);
  return identity;
}

}  // namespace corvane::file_open
