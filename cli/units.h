// The units of corvane-cli's numbers: the window's own (US customary) or SI.
// The dialog always works in its own units; conversions happen outside it,
// with exact factors.
#pragma once

#include <string_view>

namespace corvane {

enum class UnitSystem { Us, Si };

// psi = 0.45359237 kg x 9.80665 m/s2 / (0.0254 m)^2, in kPa.
constexpr double kKilopascalPerPsi = 6.894757293168361;
// lbmol/ft3 to kmol/m3: 0.45359237 / 0.028316846592.
constexpr double kKmolM3PerLbmolFt3 = 16.018463373960138;
// ft3/lbm to m3/kg: 0.028316846592 / 0.45359237.
constexpr double kM3KgPerFt3Lbm = 0.062427960576144611;
// BTU/lbm to kJ/kg (IT BTU).
constexpr double kKjKgPerBtuLbm = 2.326;
// BTU/(lbm R) to kJ/(kg K).
constexpr double kKjKgKPerBtuLbmR = 4.1868;

// An input pressure in the unit system, as psia.
double PressureToPsia(double value, UnitSystem units);
// An input temperature in the unit system, as F: K x 9/5 - 459.67.
double TemperatureToFahrenheit(double value, UnitSystem units);

// The result quantities of a run, in the window's order.
enum class Quantity {
  Density,
  SpecificVolume,
  Compressibility,
  MolecularWeight,
  Viscosity,
  PolytropicN,
  Enthalpy,
  EnthalpyReference,
  SpecificHeat,
  JouleThomson
};

// The quantities in the order of the window's result rows.
constexpr Quantity kResultQuantities[] = {Quantity::Density,         Quantity::SpecificVolume, Quantity::Compressibility,
                                          Quantity::MolecularWeight, Quantity::Viscosity,      Quantity::PolytropicN,
                                          Quantity::Enthalpy,        Quantity::EnthalpyReference, Quantity::SpecificHeat,
                                          Quantity::JouleThomson};

// The unit a quantity's value is printed with in the unit system ("" for Z and N).
std::string_view UnitText(Quantity quantity, UnitSystem units);

// The CSV column of a quantity, named with its unit ("density_kmol_m3", "z").
std::string_view ColumnName(Quantity quantity, UnitSystem units);
// A value in the window's unit, in the unit system's.
double FromWindowUnit(double value, Quantity quantity, UnitSystem units);

}  // namespace corvane
