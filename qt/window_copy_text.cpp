#include "qt/window_copy_text.h"

#include <QAbstractButton>
#include <QStringList>

#include "res/resource.h"

namespace corvane::qt {

namespace {

// "Pressure, psia: " -> {"Pressure", "psia"}; "Molar Density: " -> {"Molar Density", ""}.
std::pair<QString, QString> NameAndUnit(std::string_view labelText) {
  QString text = ToQString(labelText).trimmed();
  if (text.endsWith(QLatin1Char(':'))) text.chop(1);
  const qsizetype comma = text.lastIndexOf(QStringLiteral(", "));
  if (comma < 0) return {text, QString()};
  return {text.left(comma), text.mid(comma + 2)};
}

}  // namespace

QString DialogAsTable(const res::DialogResource& resource, const DialogControls& controls) {
  const auto& entries = resource.controls;
  QStringList lines;
  QString groupTitle;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const res::ControlResource& entry = entries[i];
    if (entry.kind == res::ControlKind::GroupBox) {
      groupTitle = ToQString(entry.text);
      continue;
    }
    if (entry.kind == res::ControlKind::RadioButton) {
      if (controls.IsChecked(entry.id)) lines << groupTitle + QLatin1Char('\t') + ToQString(entry.text) + QLatin1Char('\t');
      continue;
    }
    const bool value = entry.kind == res::ControlKind::Edit || entry.kind == res::ControlKind::Static;
    if (!value || entry.id == res::IDC_REPORT_FILE) continue;
    QString name, unit;
    if (i > 0 && entries[i - 1].kind == res::ControlKind::Label) {
      std::tie(name, unit) = NameAndUnit(entries[i - 1].text);
    } else {
      name = ToQString(entry.text).trimmed();
      if (name.endsWith(QLatin1Char('.'))) name.chop(1);
    }
    if (i + 1 < entries.size() && entries[i + 1].kind == res::ControlKind::Label && entries[i + 1].rect.y == entry.rect.y)
      unit = ToQString(entries[i + 1].text);
    lines << name + QLatin1Char('\t') + ToQString(controls.Text(entry.id)) + QLatin1Char('\t') + unit;
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace corvane::qt
