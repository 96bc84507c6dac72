#include <fcntl.h>
#include <io.h>
#include <windows.h>

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
  }
  const HANDLE handle = ::CreateFileW(name->c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  // Only a file on a disk: a named pipe would hold a read or write, and with
  // it the whole dialog, until its other end answers, and a device (NUL,
  // CON, COM1) is no file to keep a mixture or a report in.
  if (::GetFileType(handle) != FILE_TYPE_DISK) {
    ::CloseHandle(handle);
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

}  // namespace corvane::file_open
