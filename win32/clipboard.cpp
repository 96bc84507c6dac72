#include "win32/clipboard.h"

#include <cstring>
#include <string>

#include "text/wide_text.h"

namespace corvane::win32 {

void PutTextOnClipboard(HWND owner, std::string_view text) {
  std::wstring lines;
  for (const wchar_t c : WidenUtf8(text).value_or(std::wstring())) {
    if (c == L'\n') lines += L'\r';
    lines += c;
  }
  const std::size_t bytes = (lines.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) return;
  std::memcpy(::GlobalLock(memory), lines.c_str(), bytes);
  ::GlobalUnlock(memory);
  // Another program may hold the clipboard for a moment.
  bool opened = false;
  for (int attempt = 0; attempt < 10 && !(opened = ::OpenClipboard(owner)); ++attempt) ::Sleep(20);
  if (opened && ::EmptyClipboard() && ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr) memory = nullptr;
  if (opened) ::CloseClipboard();
  if (memory != nullptr) ::GlobalFree(memory);
}

}  // namespace corvane::win32
