// Dialog units: the resource tables place every control in units of the
// dialog's font, so a layout keeps its proportions whatever font and screen
// scale the desktop uses. One unit across is a quarter of the font's average
// character width, one unit down an eighth of its height.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

#include "res/dialogs.h"

namespace corvane::qt {

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);

  // A rectangle of the tables in pixels. Edges are rounded, not sizes, so
  // controls that touch in dialog units touch on the screen too.
  QRect ToPixels(const res::DialogRect& rect) const;
  QSize ToPixels(int width, int height) const;

 private:
  int X(int units) const;
  int Y(int units) const;

  double perUnitX_;
  double perUnitY_;
};

// The font every dialog is laid out and drawn in. The tables name a Windows
// bitmap font that Linux desktops do not have; the desktop's own font takes
// its place, and the dialog units follow it.
QFont DialogFont();

}  // namespace corvane::qt
