#include "platform/copy_text.h"

#include <string_view>
#include <tuple>
#include <utility>

#include "res/resource.h"

namespace corvane {
namespace {

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// "Pressure, psia: " -> {"Pressure", "psia"}; "Molar Density: " -> {"Molar Density", ""}.
std::pair<std::string, std::string> NameAndUnit(std::string_view label) {
  std::string_view text = Trimmed(label);
  if (text.ends_with(':')) text.remove_suffix(1);
  const std::size_t comma = text.rfind(", ");
  if (comma == std::string_view::npos) return {std::string(text), std::string()};
  return {std::string(text.substr(0, comma)), std::string(text.substr(comma + 2))};
}

}  // namespace

std::string TabSeparatedLines(const std::vector<std::vector<std::string>>& rows) {
  std::string lines;
  for (const std::vector<std::string>& row : rows) {
    for (std::size_t cell = 0; cell < row.size(); ++cell) {
      if (cell > 0) lines += '\t';
      lines += row[cell];
    }
    lines += '\n';
  }
  return lines;
}

std::vector<std::vector<std::string>> DialogRows(const res::DialogResource& dialog, const DialogSurface& surface) {
  const auto& entries = dialog.controls;
  std::vector<std::vector<std::string>> rows;
  std::string_view groupTitle;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const res::ControlResource& entry = entries[i];
    if (entry.kind == res::ControlKind::GroupBox) {
      groupTitle = entry.text;
      continue;
    }
    if (entry.kind == res::ControlKind::RadioButton) {
      if (surface.IsChecked(entry.id)) rows.push_back({std::string(groupTitle), std::string(entry.text), ""});
      continue;
    }
    const bool value = entry.kind == res::ControlKind::Edit || entry.kind == res::ControlKind::Static;
    if (!value || entry.id == res::IDC_REPORT_FILE) continue;
    std::string name, unit;
    if (i > 0 && entries[i - 1].kind == res::ControlKind::Label) {
      std::tie(name, unit) = NameAndUnit(entries[i - 1].text);
    } else {
      std::string_view own = Trimmed(entry.text);
      if (own.ends_with('.')) own.remove_suffix(1);
      name = own;
    }
    if (i + 1 < entries.size() && entries[i + 1].kind == res::ControlKind::Label && entries[i + 1].rect.y == entry.rect.y)
      unit = entries[i + 1].text;
    rows.push_back({std::move(name), surface.GetText(entry.id), std::move(unit)});
  }
  return rows;
}

}  // namespace corvane
