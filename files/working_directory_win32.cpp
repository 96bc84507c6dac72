#include <windows.h>

#include "files/working_directory.h"
#include "text/wide_text.h"

namespace corvane {

std::optional<std::string> CurrentDirectory() {
  // The length asked first includes the terminating NUL; the copy's does not.
  const DWORD size = ::GetCurrentDirectoryW(0, nullptr);
  if (size == 0) return std::nullopt;
  std::wstring directory(size, L'\0');
  const DWORD length = ::GetCurrentDirectoryW(size, directory.data());
  if (length == 0 || length >= size) return std::nullopt;
  directory.resize(length);
  return NarrowToUtf8(directory);
}

}  // namespace corvane
