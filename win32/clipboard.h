// Text onto the clipboard, as every window of the Windows face copies it.
#pragma once

#include <string_view>

#include "win32/windows_api.h"

namespace corvane::win32 {

// UTF-8 `text` as Unicode text, its lines ended in CR LF as Windows ends
// them; `owner` holds the clipboard while it is written.
void PutTextOnClipboard(HWND owner, std::string_view text);

}  // namespace corvane::win32
