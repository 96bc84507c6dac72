// The View command: the BWRS constants of the last BWRS run.
#include "app/calc_dlg.h"
#include "views/constants_view.h"

namespace corvane {

void CCalcDlg::ShowBwrsConstants() {
  // All five leading constants are zero until a BWRS run has mixed them.
  double s = mixture.B0;
  s += mixture.A0;
  s += mixture.C0;
  s += mixture.D0;
  s += mixture.E0;
  if (s == 0.0) {
    ShowMessage(res::kConstantsNotComputed);
    return;
  }
  surface_.ShowConstants(FormatBwrsConstants(mixture));
}

}  // namespace corvane
