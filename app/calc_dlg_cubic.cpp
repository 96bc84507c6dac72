// Peng-Robinson and Redlich-Kwong-Soave for the pseudo-component mixture.
#include "app/calc_dlg.h"

namespace corvane {

int CCalcDlg::SolvePengRobinson() { return 0; }
int CCalcDlg::SolveRedlichKwongSoave() { return 0; }

}  // namespace corvane
