// Save and Recall of mixture files.
#include "app/calc_dlg.h"

namespace corvane {

void CCalcDlg::SaveMixture() {}
void CCalcDlg::RecallMixture() {}

}  // namespace corvane
