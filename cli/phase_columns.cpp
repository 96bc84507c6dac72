#include "cli/phase_columns.h"

#include <array>
#include <optional>

namespace corvane {
namespace {

struct PhaseColumn {
  std::string_view us, si;
};
constexpr std::array<PhaseColumn, 7> kColumns = {{
    {"phase", "phase"},
    {"vapour_fraction", "vapour_fraction"},
    {"dew_point_temperature_f", "dew_point_temperature_k"},
    {"cricondentherm_f", "cricondentherm_k"},
    {"cricondentherm_psia", "cricondentherm_kpa"},
    {"cricondenbar_psia", "cricondenbar_kpa"},
    {"phase_status", "phase_status"},
}};

// K as F, kPa as psia.
double Fahrenheit(double kelvin) { return kelvin * 9.0 / 5.0 - 459.67; }
double Psia(double kilopascal) { return kilopascal / kKilopascalPerPsi; }

void AppendOptional(std::string& out, const std::optional<double>& value, const CellFormat& format) {
  if (value) AppendNumberCell(out, *value, format);
  out.push_back(format.delimiter);
}

}  // namespace

void AppendPhaseHeader(std::string& out, UnitSystem units, char delimiter) {
  for (const PhaseColumn& column : kColumns) {
    out.append(units == UnitSystem::Si ? column.si : column.us);
    out.push_back(delimiter);
  }
}

bool IsPhaseColumnName(std::string_view name) {
  for (const PhaseColumn& column : kColumns)
    if (name == column.us || name == column.si) return true;
  return false;
}

void AppendPhaseCells(std::string& out, const PhaseCheck& check, UnitSystem units, const CellFormat& format) {
  const bool si = units == UnitSystem::Si;
  const auto temperature = [&](const std::optional<double>& kelvin) -> std::optional<double> {
    if (!kelvin) return std::nullopt;
    return si ? *kelvin : Fahrenheit(*kelvin);
  };
  const auto pressure = [&](const std::optional<double>& kilopascal) -> std::optional<double> {
    if (!kilopascal) return std::nullopt;
    return si ? *kilopascal : Psia(*kilopascal);
  };
  out.append(PhaseKindText(check.phase));
  out.push_back(format.delimiter);
  AppendOptional(out, check.vapourFraction, format);
  AppendOptional(out, temperature(check.dewPointTemperature), format);
  AppendOptional(out, temperature(check.cricondenthermTemperature), format);
  AppendOptional(out, pressure(check.cricondenthermPressure), format);
  AppendOptional(out, pressure(check.cricondenbarPressure), format);
  AppendCsvField(out, check.status, format.delimiter);
  out.push_back(format.delimiter);
}

void AppendEmptyPhaseCells(std::string& out, char delimiter) { out.append(kColumns.size(), delimiter); }

}  // namespace corvane
