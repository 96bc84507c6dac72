// Viscosity by corresponding states.
#include "app/calc_dlg.h"

namespace corvane {

void CCalcDlg::ComputeViscosity() {}

}  // namespace corvane
