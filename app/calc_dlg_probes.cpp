// Specific heat, Joule-Thomson coefficient and polytropic exponent by finite
// differences of BWRS solutions at perturbed states.
#include "app/calc_dlg.h"

namespace corvane {

void CCalcDlg::ComputeSpecificHeat() {}
void CCalcDlg::ComputeJouleThomson() {}
void CCalcDlg::ComputePolytropicExponent() {}

}  // namespace corvane
