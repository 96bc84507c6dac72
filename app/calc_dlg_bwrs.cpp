// BWRS: the mixture constants and the two density solvers.
#include "app/calc_dlg.h"

namespace corvane {

void CCalcDlg::ComputeBwrsCoefficients() {}
void CCalcDlg::MixBwrsCoefficients() {}
double CCalcDlg::BwrsPressure(double) { return 0.0; }
void CCalcDlg::SolveBwrsJohnsonCulver(int) {}
int CCalcDlg::SolveBwrsFalsePosition() { return 0; }
void CCalcDlg::ReportNoFpRoot() {}

}  // namespace corvane
