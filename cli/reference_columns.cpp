#include "cli/reference_columns.h"

#include <array>

namespace corvane {
namespace {

struct ReferenceColumn {
  std::string_view us;      // column name with the window's units
  std::string_view si;      // with SI units
  std::string_view label;   // of a run from flags' line
  std::string_view usUnit;  // after the value on that line
  std::string_view siUnit;
  double gerg::ReferenceValues::*value;
};

constexpr std::array<ReferenceColumn, 11> kColumns = {{
    {"gerg_z", "gerg_z", "Z", "", "", &gerg::ReferenceValues::z},
    {"gerg_density_lbmol_ft3", "gerg_density_kmol_m3", "Density", "lbmol/ft3", "kmol/m3",
     &gerg::ReferenceValues::density},
    {"gerg_specific_volume_ft3_lbm", "gerg_specific_volume_m3_kg", "Specific Volume", "ft3/lbm", "m3/kg",
     &gerg::ReferenceValues::specificVolume},
    {"gerg_molecular_weight_lbm_lbmol", "gerg_molecular_weight_kg_kmol", "Molecular Weight", "lbm/lbmol", "kg/kmol",
     &gerg::ReferenceValues::molecularWeight},
    {"gerg_enthalpy_btu_lbm", "gerg_enthalpy_kj_kg", "Enthalpy", "BTU/lbm", "kJ/kg", &gerg::ReferenceValues::enthalpy},
    {"gerg_entropy_btu_lbm_r", "gerg_entropy_kj_kg_k", "Entropy", "BTU/lbm-R", "kJ/kg-K",
     &gerg::ReferenceValues::entropy},
    {"gerg_cp_btu_lbm_r", "gerg_cp_kj_kg_k", "Cp", "BTU/lbm-R", "kJ/kg-K", &gerg::ReferenceValues::cp},
    {"gerg_cv_btu_lbm_r", "gerg_cv_kj_kg_k", "Cv", "BTU/lbm-R", "kJ/kg-K", &gerg::ReferenceValues::cv},
    {"gerg_speed_of_sound_ft_s", "gerg_speed_of_sound_m_s", "Speed of Sound", "ft/s", "m/s",
     &gerg::ReferenceValues::speedOfSound},
    {"gerg_joule_thomson_r_psi", "gerg_joule_thomson_k_kpa", "Joule-Thomson", "R/psi", "K/kPa",
     &gerg::ReferenceValues::jouleThomson},
    {"gerg_isentropic_exponent", "gerg_isentropic_exponent", "Isentropic Exponent", "", "",
     &gerg::ReferenceValues::isentropicExponent},
}};
constexpr std::string_view kZDeviation = "z_deviation_percent";
constexpr std::string_view kStatus = "gerg_status";

}  // namespace

void AppendReferenceHeader(std::string& out, UnitSystem units, char delimiter) {
  for (const ReferenceColumn& column : kColumns) {
    out.append(units == UnitSystem::Si ? column.si : column.us);
    out.push_back(delimiter);
  }
  for (std::string_view name : {kZDeviation, kStatus}) {
    out.append(name);
    out.push_back(delimiter);
  }
}

std::string ReferenceColumnNamesList() {
  std::string list;
  for (const ReferenceColumn& column : kColumns) {
    list += std::string(column.us);
    if (column.si != column.us) list += " (si: " + std::string(column.si) + ")";
    list += ", ";
  }
  return list + std::string(kZDeviation) + ", " + std::string(kStatus);
}

bool IsReferenceColumnName(std::string_view name) {
  for (const ReferenceColumn& column : kColumns)
    if (name == column.us || name == column.si) return true;
  return name == kZDeviation || name == kStatus;
}

void AppendReferenceCells(std::string& out, const gerg::ReferenceResult& result, double runZ, UnitSystem units,
                          const CellFormat& format) {
  const gerg::ReferenceValues& values = units == UnitSystem::Si ? result.si : result.us;
  for (const ReferenceColumn& column : kColumns) {
    if (result.HasValues()) AppendNumberCell(out, values.*column.value, format);
    out.push_back(format.delimiter);
  }
  if (result.HasValues() && runZ > 0) AppendNumberCell(out, gerg::ZDeviationPercent(runZ, result.us.z), format);
  out.push_back(format.delimiter);
  AppendCsvField(out, result.StatusText(), format.delimiter);
  out.push_back(format.delimiter);
}

void AppendEmptyReferenceCells(std::string& out, char delimiter) { out.append(kColumns.size() + 2, delimiter); }

void PrintReferenceLines(std::ostream& out, const gerg::ReferenceResult& result, double runZ, UnitSystem units) {
  if (result.HasValues()) {
    const gerg::ReferenceValues& values = units == UnitSystem::Si ? result.si : result.us;
    for (const ReferenceColumn& column : kColumns) {
      const std::string_view unit = units == UnitSystem::Si ? column.siUnit : column.usUnit;
      out << "GERG-2008 " << column.label << ": " << ShortestText(values.*column.value);
      if (!unit.empty()) out << ' ' << unit;
      out << '\n';
    }
    if (runZ > 0) out << "Z deviation from GERG-2008: " << ShortestText(gerg::ZDeviationPercent(runZ, result.us.z)) << " %\n";
  }
  const std::string status = result.StatusText();
  if (!status.empty()) out << "GERG-2008 status: " << status << '\n';
}

}  // namespace corvane
