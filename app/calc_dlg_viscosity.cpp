// Viscosity by corresponding states, for every equation of state.
#include "app/calc_dlg.h"
#include "thermo/viscosity.h"

namespace corvane {

// Works on the composition the dialog shows, read afresh, and on the state
// temperature and pressure; never on the equation of state's density. Beyond
// the chart's pressures it stores nothing, so the field stays 0.0.
void CCalcDlg::ComputeViscosity() {
  ReadComposition();
  if (const std::optional<double> viscosity =
          MixtureViscosity(components, gasConstant, stateTemperature, statePressure))
    results.viscosity = *viscosity;
}

}  // namespace corvane
