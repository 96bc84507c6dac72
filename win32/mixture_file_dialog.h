// The common Save and Open dialogs of mixture files.
#pragma once

#include <optional>
#include <string>

#include "platform/dialog_surface.h"
#include "win32/windows_api.h"

namespace corvane::win32 {

// The chosen path in UTF-8, or nothing when the user cancelled. The type
// list, default extension and initial name of res::MixtureFileFilters and
// the names beside it ("Mixture Files (*.dat)" selected, "All Files
// (*.*)"), no question before replacing a file; the system asks before going
// on with one that does not exist.
std::optional<std::string> AskMixtureFile(HWND owner, FileDialogKind kind);

}  // namespace corvane::win32
