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

QString DialogAsTable(const res::DialogSpec& resource, const DialogControls& controls) {
  const auto& specs = resource.controls;
  QStringList lines;
  QString groupTitle;
  for (std::size_t i = 0; i < specs.size(); ++i) {
    const res::ControlSpec& spec = specs[i];
    if (spec.kind == res::ControlKind::GroupBox) {
      groupTitle = ToQString(spec.text);
      continue;
    }
    if (spec.kind == res::ControlKind::RadioButton) {
      if (controls.IsChecked(spec.id)) lines << groupTitle + QLatin1Char('\t') + ToQString(spec.text) + QLatin1Char('\t');
      continue;
    }
    const bool value = spec.kind == res::ControlKind::Edit || spec.kind == res::ControlKind::Static;
    if (!value || spec.id == res::IDC_REPORT_FILE) continue;
    QString name, unit;
    if (i > 0 && specs[i - 1].kind == res::ControlKind::Label) {
      std::tie(name, unit) = NameAndUnit(specs[i - 1].text);
    } else {
      name = ToQString(spec.text).trimmed();
      if (name.endsWith(QLatin1Char('.'))) name.chop(1);
    }
    if (i + 1 < specs.size() && specs[i + 1].kind == res::ControlKind::Label && specs[i + 1].rect.y == spec.rect.y)
      unit = ToQString(specs[i + 1].text);
    lines << name + QLatin1Char('\t') + ToQString(controls.Text(spec.id)) + QLatin1Char('\t') + unit;
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace corvane::qt
