// The reference states of tests/gerg/data/check_states.csv: GERG-2008
// computed with 17 significant digits by an independent implementation
// (the file's header says which), one state a row.
#pragma once

#include <string>
#include <vector>

#include "gerg/composition.h"
#include "gerg/properties.h"

namespace corvane::gerg::test {

struct CheckState {
  std::string name;
  double temperature = 0;  // K
  double pressure = 0;     // kPa
  Composition x{};
  int ierr = 0;
  double liquidSearchDensity = 0;  // mol/L, 0: none found
  double density = 0;              // mol/L, the root reached from the ideal-gas density
  // Properties at (temperature, density), units as StateProperties.
  double pressureAtDensity = 0, z = 0, dPdRho = 0, d2PdRho2 = 0, d2PdTdRho = 0, dPdT = 0;
  double internalEnergy = 0, enthalpy = 0, entropy = 0, cv = 0, cp = 0, speedOfSound = 0;
  double gibbsEnergy = 0, jouleThomson = 0, isentropicExponent = 0, helmholtzEnergy = 0, molarMass = 0;
  int line = 0;  // in the file, for messages
};

// The file's path, fixed at build time (CORVANE_GERG_TEST_DATA).
std::string DataPath(const std::string& name);

// Reads the file; throws std::runtime_error naming the line of anything malformed.
std::vector<CheckState> ReadCheckStates(const std::string& path);

// The states of the file, read once.
const std::vector<CheckState>& CheckStates();

// The tolerance of the comparisons: relative, over the greater of the
// value's magnitude and a floor for values near zero (R T for energies, R
// for entropies, 1 / (Cp rho) for JT).
constexpr double kCheckTolerance = 1e-11;

// The largest relative deviation of `computed` (at the state's T and
// D_mol_L) from the state's properties; `which` names its property.
double WorstDeviation(const CheckState& s, const StateProperties& computed, std::string* which = nullptr);

}  // namespace corvane::gerg::test
