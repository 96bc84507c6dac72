// Enthalpy of the BWRS solution and its ideal-gas basis. While the specific
// heat or Joule-Thomson procedure has its probe flag set, the density comes
// from and the enthalpy goes to that procedure's own slots.
#include "app/calc_dlg.h"

namespace corvane {

void CCalcDlg::ComputeEnthalpy() {
  const ProbeSlots probe = ActiveProbe();
  const bool toProbe = probe.enthalpy != nullptr;
  const double density = toProbe ? *probe.density : molarDensity;
  const double residual = BwrsResidualEnthalpy(mixture, gasConstant, stateTemperature, density);
  BuildIdealGasEnthalpyTable();
  const double idealGas = IdealGasEnthalpy(idealGasEnthalpy[0], stateTemperature);
  const double enthalpy = residual + idealGas;
  // Measured from the mixture's ideal gas at 0 R; every call overwrites it,
  // probes included.
  enthalpyReference = enthalpy - idealGasEnthalpy[0][1];
  (toProbe ? *probe.enthalpy : results.enthalpy) = enthalpy;
}

// The component rows are constants, stored when the tables are filled; only
// the mixture row is formed anew, from zero, at every call.
void CCalcDlg::BuildIdealGasEnthalpyTable() { MixIdealGasEnthalpyRow(idealGasEnthalpy, components, presentList); }

}  // namespace corvane
