// The results display: each field as a number in its format, or a fixed text
// where the run has no value for it.
#include "app/calc_dlg.h"
#include "res/dialogs.h"
#include "text/number_text.h"

namespace corvane {

void CCalcDlg::ShowResults() {
  // A run that computed no pressure (a failed solve) leaves the entered one
  // in the box, so the next Run is not refused for a pressure of 0.
  const double shownPressure = results.pressure != 0.0 ? results.pressure : entryPressure;
  surface_.SetText(res::IDC_PRESSURE, FormatFixed(shownPressure, 1));
  surface_.SetText(res::IDC_MOLAR_DENSITY, FormatFixed(results.density, 5));
  surface_.SetText(res::IDC_SPECIFIC_VOLUME, FormatFixed(results.specVolume, 5));
  surface_.SetText(res::IDC_COMPRESSIBILITY, FormatFixed(results.zFactor, 5));
  surface_.SetText(res::IDC_MOLECULAR_WEIGHT, FormatFixed(results.molWeight, 2));
  surface_.SetText(res::IDC_VISCOSITY, results.viscosity > 0.0 ? FormatFixed(results.viscosity, 4) : res::kNoSolutionText);
  surface_.SetText(res::IDC_POLYTROPIC_N,
                   PolytropicExponentShown(results.polytropicN) ? FormatFixed(results.polytropicN, 4) : res::kNoSolutionText);
  const bool bwrs = eosChoice == kEosBwrs;
  surface_.SetText(res::IDC_ENTHALPY, bwrs ? FormatFixed(results.enthalpy, 2) : res::kBwrsOnlyText);
  surface_.SetText(res::IDC_ENTHALPY_REF, bwrs ? FormatFixed(enthalpyReference, 2) : res::kBwrsOnlyText);
  surface_.SetText(res::IDC_SPECIFIC_HEAT, bwrs ? FormatFixed(results.specificHeat, 4) : res::kBwrsOnlyText);
  surface_.SetText(res::IDC_JOULE_THOMSON, bwrs ? FormatFixed(results.jouleThomson, 4) : res::kBwrsOnlyText);
}

}  // namespace corvane
