// What corvane-cli prints of the dialog: message boxes and the result lines,
// the same for a script's `show` and a run from flags.
#pragma once

#include <ostream>

#include "platform/headless_surface.h"

namespace corvane {

// "message: ICON | CAPTION | TEXT" and a line end.
void PrintMessage(std::ostream& out, const ShownMessage& message);

// The method note and the ten result rows: "note: ...", "Molar Density: ...",
// ..., "Joule-Thomson: ...", each with a line end.
void PrintResultLines(std::ostream& out, const HeadlessSurface& surface);

}  // namespace corvane
