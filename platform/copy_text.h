// What Ctrl+C copies: tab-separated lines that paste into a spreadsheet as
// a table, composed here once for every window.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog_surface.h"
#include "res/dialogs.h"

namespace corvane {

// One line per row, its cells joined by tabs, each line ending in "\n".
std::string TabSeparatedLines(const std::vector<std::vector<std::string>>& rows);

// The calculator window as rows of name, value and unit, in the dialog's
// order: an edit or static is named by the label just before it
// ("Pressure, psia: " gives "Pressure" and the unit "psia"), or by its own
// resource text when it has no label, and takes its unit from a label
// beside it on the same row; a radio group gives its box's title and the
// checked button. The report file name is left out.
std::vector<std::vector<std::string>> DialogRows(const res::DialogResource& dialog, const DialogSurface& surface);

}  // namespace corvane
