#include "qt/dialog_units.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QString>
#include <cmath>

namespace corvane::qt {

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetricsF metrics(font);
  // The average width of the fifty-two Latin letters, as dialog templates
  // measure it, rather than the font's nominal average (often far wider).
  const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const double averageCharWidth = metrics.horizontalAdvance(letters) / letters.size();
  perUnitX_ = averageCharWidth / 4.0;
  // Whole pixels of height, so eight units down are exactly one line of text.
  perUnitY_ = QFontMetrics(font).height() / 8.0;
}

int DialogUnits::X(int units) const { return static_cast<int>(std::lround(units * perUnitX_)); }
int DialogUnits::Y(int units) const { return static_cast<int>(std::lround(units * perUnitY_)); }

QRect DialogUnits::ToPixels(const res::DialogRect& rect) const {
  const int left = X(rect.x);
  const int top = Y(rect.y);
  return QRect(left, top, X(rect.x + rect.w) - left, Y(rect.y + rect.h) - top);
}

QSize DialogUnits::ToPixels(int width, int height) const { return QSize(X(width), Y(height)); }

QFont DialogFont() { return QApplication::font(); }

}  // namespace corvane::qt
