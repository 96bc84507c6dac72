// The report file: one record per written run.
#include "app/calc_dlg.h"

namespace corvane {

void CCalcDlg::WriteReportInputs() {}
void CCalcDlg::WriteReportResults() {}

}  // namespace corvane
