// What corvane-cli prints of the dialog: message boxes and the result lines,
// the same for a script's `show` and a run from flags.
#pragma once

#include <ostream>

#include "app/calc_dlg.h"
#include "cli/units.h"
#include "platform/headless_surface.h"

namespace corvane {

// "message: ICON | CAPTION | TEXT" and a line end.
void PrintMessage(std::ostream& out, const ShownMessage& message);

// The method note and the ten result rows: "note: ...", "Molar Density: ...",
// ..., "Joule-Thomson: ...", each with a line end.
void PrintResultLines(std::ostream& out, const HeadlessSurface& surface);

// The run's value of a quantity, in the window's unit, at full precision.
double ResultValue(const CCalcDlg& dialog, Quantity quantity);

// Whether the window shows a number of its own run in the result row (not
// empty, "No solution" or "BWRS only").
bool ShowsNumber(const HeadlessSurface& surface, int resultStatic);

// As PrintResultLines, each shown number in SI units at full precision
// with its unit.
void PrintSiResultLines(std::ostream& out, const HeadlessSurface& surface, const CCalcDlg& dialog);

}  // namespace corvane
