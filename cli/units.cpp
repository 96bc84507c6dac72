#include "cli/units.h"

namespace corvane {

double PressureToPsia(double value, UnitSystem units) {
  return units == UnitSystem::Si ? value / kKilopascalPerPsi : value;
}

double TemperatureToFahrenheit(double value, UnitSystem units) {
  return units == UnitSystem::Si ? value * 9.0 / 5.0 - 459.67 : value;
}

std::string_view ColumnName(Quantity quantity, UnitSystem units) {
  const bool si = units == UnitSystem::Si;
  switch (quantity) {
    case Quantity::Density: return si ? "density_kmol_m3" : "density_lbmol_ft3";
    case Quantity::SpecificVolume: return si ? "specific_volume_m3_kg" : "specific_volume_ft3_lbm";
    case Quantity::Compressibility: return "z";
    case Quantity::MolecularWeight: return si ? "molecular_weight_kg_kmol" : "molecular_weight_lbm_lbmol";
    case Quantity::Viscosity: return si ? "viscosity_mpa_s" : "viscosity_cp";
    case Quantity::PolytropicN: return "polytropic_n";
    case Quantity::Enthalpy: return si ? "enthalpy_kj_kg" : "enthalpy_btu_lbm";
    case Quantity::EnthalpyReference: return si ? "enthalpy_ref_kj_kg" : "enthalpy_ref_btu_lbm";
    case Quantity::SpecificHeat: return si ? "specific_heat_kj_kg_k" : "specific_heat_btu_lbm_r";
    case Quantity::JouleThomson: return si ? "joule_thomson_k_kpa" : "joule_thomson_r_psi";
  }
  return "";
}

std::string_view UnitText(Quantity quantity, UnitSystem units) {
  const bool si = units == UnitSystem::Si;
  switch (quantity) {
    case Quantity::Density: return si ? "kmol/m3" : "lbmol/ft3";
    case Quantity::SpecificVolume: return si ? "m3/kg" : "ft3/lbm";
    case Quantity::MolecularWeight: return si ? "kg/kmol" : "lbm/lbmol";
    case Quantity::Viscosity: return si ? "mPa s" : "cP";
    case Quantity::Enthalpy:
    case Quantity::EnthalpyReference: return si ? "kJ/kg" : "BTU/lbm";
    case Quantity::SpecificHeat: return si ? "kJ/kg-K" : "BTU/lbm-R";
    case Quantity::JouleThomson: return si ? "K/kPa" : "R/psi";
    case Quantity::Compressibility:
    case Quantity::PolytropicN: return "";
  }
  return "";
}

double FromWindowUnit(double value, Quantity quantity, UnitSystem units) {
  if (units == UnitSystem::Us) return value;
  switch (quantity) {
    case Quantity::Density: return value * kKmolM3PerLbmolFt3;
    case Quantity::SpecificVolume: return value * kM3KgPerFt3Lbm;
    case Quantity::Enthalpy:
    case Quantity::EnthalpyReference: return value * kKjKgPerBtuLbm;
    case Quantity::SpecificHeat: return value * kKjKgKPerBtuLbmR;
    case Quantity::JouleThomson: return value * (5.0 / 9.0) / kKilopascalPerPsi;
    case Quantity::Compressibility:
    case Quantity::MolecularWeight:  // kg/kmol = lbm/lbmol
    case Quantity::Viscosity:        // mPa s = cP
    case Quantity::PolytropicN: return value;
  }
  return value;
}

}  // namespace corvane
