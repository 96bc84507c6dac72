// The density solution of either equation of state: the working members and
// the density part of the results, stored the same way for BWRS and the
// cubic equations.
#include "app/calc_dlg.h"

namespace corvane {

// The results' enthalpy, viscosity and specific heat are cleared: they belong
// to the new density. The polytropic exponent and the Joule-Thomson
// coefficient are left as they are.
void CCalcDlg::StoreDensitySolution(const DensitySolution& solution) {
  calculatedPressure = solution.pressure;
  molarDensity = solution.density;
  specificVolume = solution.specVolume;
  results.pressure = solution.pressure;
  results.density = solution.density;
  results.specVolume = solution.specVolume;
  results.enthalpy = 0.0;
  results.zFactor = solution.zFactor;
  results.viscosity = 0.0;
  results.specificHeat = 0.0;
  results.molWeight = solution.molWeight;
}

}  // namespace corvane
