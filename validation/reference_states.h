// The reference states the manual's accuracy tables are measured against:
// gas-phase states of ten natural gases computed with GERG-2008 and AGA8
// DETAIL (see the header of gerg2008_states.csv for how each column was made).
#pragma once

#include <array>
#include <string>
#include <vector>

namespace corvane::validation {

struct ReferenceState {
  std::string gas;
  std::string temperatureText;  // degrees F, as written in the file
  std::string pressureText;     // psia, as written in the file
  double temperatureF = 0;
  double pressure = 0;
  // Mole fractions as written, in the order of FractionColumns().
  std::array<std::string, 15> fractionTexts;
  // GERG-2008 values: Z; molar density lb-mole/ft3; enthalpy difference from
  // 14.7 psia BTU/lbm; Cp BTU/(lbm R); JT R/psi, positive when the gas cools
  // on expansion. Viscosity, centipoise, of a rough correlation.
  double z = 0;
  double density = 0;
  double enthalpyChange = 0;
  double cp = 0;
  double jouleThomson = 0;
  double roughViscosity = 0;
};

// The file's column of each gas and the composition edit it is typed into.
struct FractionColumn {
  const char* name;
  int editId;
};
const std::array<FractionColumn, 15>& FractionColumns();

// Reads the file: '#' lines are comments, the first other line names the
// columns. Throws std::runtime_error with the line number on a malformed line.
std::vector<ReferenceState> ReadReferenceStates(const std::string& path);

}  // namespace corvane::validation
