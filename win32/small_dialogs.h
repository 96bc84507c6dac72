// The About box (dialog 100) and the constants view (dialog 134): modal
// dialogs from their tables, closed by OK, Enter, Escape or the close box.
#pragma once

#include <string>
#include <vector>

#include "win32/windows_api.h"

namespace corvane::win32 {

struct ControlText {
  int id;
  std::string text;
};

// Runs the dialog modally over its owner, its controls first given `texts`.
void RunSmallDialog(HINSTANCE instance, HWND owner, const res::DialogResource& dialog,
                    const std::vector<ControlText>& texts);

}  // namespace corvane::win32
