// What a calculation run chose and what it found: the dialog core runs it,
// the report prints it, and neither owns these types more than the other.
#pragma once

#include <cstdint>

namespace corvane {

// The equation of state of a run, numbered from 1 in the order of its radio
// buttons; 0 is no equation, which no run has.
enum EosChoice : std::int8_t { kEosBwrs = 1, kEosPengRobinson = 2, kEosRedlichKwongSoave = 3 };

// The root method; not chosen (0) while a cubic solver has not yet read the
// method buttons.
enum SolveMethod : std::int8_t {
  kMethodNotChosen = 0,
  kMethodJohnsonCulver = 1,
  kMethodFalsePosition = 2,
  kMethodNewton = 3
};

// The results of the last run, for display and report. 0.0 marks a field
// the run did not compute.
struct RunResults {
  double pressure = 0;      // psia, the equation's pressure at the solved density
  double density = 0;       // lb-mole/ft3
  double specVolume = 0;    // ft3/lbm
  double enthalpy = 0;      // BTU/lbm
  double zFactor = 0;       // dimensionless
  double viscosity = 0;     // centipoise
  double specificHeat = 0;  // BTU/(lbm R)
  double molWeight = 0;     // lbm/lb-mole
  double polytropicN = 0;   // dimensionless
  double jouleThomson = 0;  // R/psi
};

// The polytropic exponent is shown, and reported, only inside this range;
// outside it the run counts as having found no exponent.
constexpr bool PolytropicExponentShown(double n) { return n > 0.5 && n < 1.5; }

}  // namespace corvane
