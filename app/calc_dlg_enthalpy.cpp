// Enthalpy of the BWRS solution and its ideal-gas basis. While the specific
// heat or Joule-Thomson procedure has its probe flag set, the density comes
// from and the enthalpy goes to that procedure's own slots.
#include "app/calc_dlg.h"

namespace corvane {

void CCalcDlg::ComputeEnthalpy() {
  const double density = EnthalpyProbeDensity();
  const double residual = BwrsResidualEnthalpy(mixture, gasConstant, stateTemperature, density);
  BuildIdealGasEnthalpyTable();
  const double idealGas = IdealGasEnthalpy(idealGasEnthalpy[0], stateTemperature);
  const double enthalpy = residual + idealGas;
  // Measured from the mixture's ideal gas at 0 R; every call overwrites it,
  // probes included.
  enthalpyReference = enthalpy - idealGasEnthalpy[0][1];
  EnthalpyDestination() = enthalpy;
}

// The component rows are constants, stored when the tables are filled; only
// the mixture row is formed anew, from zero, at every call.
void CCalcDlg::BuildIdealGasEnthalpyTable() { MixIdealGasEnthalpyRow(idealGasEnthalpy, components, presentList); }

double CCalcDlg::EnthalpyProbeDensity() const {
  double density = molarDensity;
  if (cpProbe > 0) density = cpProbe == 1 ? cpProbeDensity[0] : cpProbeDensity[1];
  // The two flags are never set together; the Joule-Thomson one would win.
  if (jtProbe > 0) {
    if (jtProbe == 1)
      density = jtProbeDensity[1];
    else if (jtProbe == 2)
      density = jtProbeDensity[2];
    else
      density = jtProbeDensity[0];
  }
  return density;
}

double& CCalcDlg::EnthalpyDestination() {
  if (cpProbe > 0) return cpProbe == 1 ? cpProbeEnthalpy[0] : cpProbeEnthalpy[1];
  if (jtProbe > 0) {
    if (jtProbe == 1) return jtProbeEnthalpy[1];
    if (jtProbe == 2) return jtProbeEnthalpy[2];
    return jtProbeEnthalpy[0];
  }
  return results.enthalpy;
}

}  // namespace corvane
