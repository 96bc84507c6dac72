// Enthalpy of the BWRS solution and its ideal-gas basis.
#include "app/calc_dlg.h"

namespace corvane {

void CCalcDlg::ComputeEnthalpy() {}
void CCalcDlg::BuildIdealGasEnthalpyTable() {}

}  // namespace corvane
