// What Ctrl+C on the calculator window copies: the state, the choices, the
// composition and the results as tab-separated lines of name, value and
// unit, in the dialog's order, so they paste into a spreadsheet as a table.
#pragma once

#include <QString>

#include "qt/dialog_controls.h"
#include "res/dialogs.h"

namespace corvane::qt {

// One line per value the window shows: an edit or static is named by the
// label just before it ("Pressure, psia: " gives "Pressure" and the unit
// "psia"), or by its own resource text when it has no label, and takes its
// unit from a label beside it on the same row; a radio group gives its box's
// title and the checked button. The report file name is left out.
QString DialogAsTable(const res::DialogResource& resource, const DialogControls& controls);

}  // namespace corvane::qt
