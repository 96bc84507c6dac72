#include "win32/help_page.h"

#include <string>

namespace corvane::win32 {

namespace {

// The folder corvane.exe lies in, with its final separator.
std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::wstring();
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

}  // namespace

void OpenHelpPage(HWND window, HWND messageOwner) {
  const std::wstring page = ProgramFolder() + L"corvane-help.html";
  const DWORD attributes = ::GetFileAttributesW(page.c_str());
  const bool present = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  if (present) {
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(window, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32) return;
  }
  const std::wstring text = present ? L"The help page could not be opened:\n" + page
                                    : L"The help page is missing:\n" + page;
  ::MessageBoxW(messageOwner, text.c_str(), L"Corvane Help", MB_OK | MB_ICONERROR);
}

}  // namespace corvane::win32
