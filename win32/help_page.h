// The Help command: the help page shipped beside the program, in the
// system's browser.
#pragma once

#include "win32/windows_api.h"

namespace corvane::win32 {

// Opens the help page shipped beside the program in the system's browser;
// a message box owned by `messageOwner` when it is missing.
void OpenHelpPage(HWND window, HWND messageOwner);

}  // namespace corvane::win32
