// BWRS: the mixture constants and the two density solvers. The numerics are
// in thermo/; here they meet the dialog's members, the probe slots, the
// method note and the message boxes.
#include <cmath>
#include <string>

#include "app/calc_dlg.h"
#include "res/dialogs.h"
#include "thermo/bwrs_false_position.h"
#include "thermo/bwrs_johnson_culver.h"

namespace corvane {

void CCalcDlg::ComputeBwrsCoefficients() {
  presentList.count = 0;
  fpMemo_.Clear();
  mixture = MixtureCoefficients{};
  mixtureAcentricFactor = 0.0;
  // The run has already accepted these entries; reading them again rebuilds
  // the fractions and the present list the constants are formed from.
  ReadComposition();
  if (presentList.count == 1) {
    const BwrsMixture pure = PureComponentMixture(components, presentList.entries[1]);
    mixture = pure.coefficients;
    mixtureAcentricFactor = pure.acentricFactor;
    return;
  }
  // The list is in increasing slot order, so methane, if present, is first.
  if (presentList.entries[1] <= kMethane) {
    MixBwrsCoefficients();
    return;
  }
  ShowMessage(res::kOnlyMethaneMixtures);
  mixtureRefused_ = true;
}

void CCalcDlg::MixBwrsCoefficients() {
  if (presentList.entries[1] != kMethane) {
    ShowMessage(res::kMixtureNotSupported);
    mixtureRefused_ = true;
    return;
  }
  fpMemo_.Clear();
  const BwrsMixture mixed = MixBwrsRules(components, mixingTerms_);
  // Negative fractions can mix to a molecular weight that is zero, negative
  // or infinite: no density, volume or Z could be formed from it.
  const double molWeight = mixed.coefficients.molecularWeight;
  if (!(molWeight > 0.0) || !std::isfinite(molWeight)) {
    ShowMessage(res::kMixtureNotSupported);
    mixtureRefused_ = true;
    return;
  }
  mixture = mixed.coefficients;
  mixtureAcentricFactor = mixed.acentricFactor;
}

void CCalcDlg::SolveBwrsJohnsonCulver(int rootSelector) {
  const bool vapour = rootSelector == 1;
  const JohnsonCulverStart start{vapour ? jcStartDensityHigh : jcStartDensityLow, jcTolerance,
                                 vapour ? JcDirection::Downward : JcDirection::Upward};
  const JohnsonCulverResult found = SolveJohnsonCulver(mixture, gasConstant, stateTemperature, statePressure, start);
  calculatedPressure = found.lastPressure;
  // A density the stepping ends on is no root when it would show an
  // impossible state: a liquid-like state stops at the start density under
  // a relaxed tolerance with a negative pressure there.
  if (!found.found || !StoreBwrsDensitySolution(found.density)) {
    ShowMessage(res::kNoJohnsonCulverRoot);
    return;
  }
  SetMethodNote("BWRS Johnson-Culver, ", vapour ? "Vapor Root iterations - " : "Liquid Root iterations - ",
                found.iterations);
}

int CCalcDlg::SolveBwrsFalsePosition() {
  const FalsePositionResult found =
      fpMemo_.Solve(mixture, gasConstant, mixtureAcentricFactor, stateTemperature, statePressure);
  calculatedPressure = found.lastPressure;
  if (!found.found) {
    ReportNoFpRoot();
    return 0;
  }
  // A probe wants the density alone; the main results and note stay as they are.
  if (double* slot = ActiveProbe().density) {
    *slot = found.root;
    return 1;
  }
  if (!StoreBwrsDensitySolution(found.root)) {
    ReportNoFpRoot();
    return 0;
  }
  SetMethodNote("BWRS False Position, ",
                found.mode == FpMode::Liquid ? "Liquid Root iterations - " : "Vapor Root iterations - ", found.points);
  return 1;
}

void CCalcDlg::SolveAhead(std::initializer_list<FpState> states) {
  fpMemo_.SolveAhead(mixture, gasConstant, mixtureAcentricFactor, states);
}

void CCalcDlg::ReportNoFpRoot() {
  ShowMessage(res::kNoFalsePositionRoot);
}

// v = 1 / (rho MW) and Z = P v MW / (T R), with P the equation's pressure at
// the last density evaluated, which is within the solver's tolerance of the
// entered pressure. An impossible state (a density or Z that is not
// positive, a value that is not finite) is stored nowhere.
bool CCalcDlg::StoreBwrsDensitySolution(double density) {
  const double molWeight = mixture.molecularWeight;
  const double volume = 1 / (density * molWeight);
  const double z = calculatedPressure * volume * molWeight / (stateTemperature * gasConstant);
  const DensitySolution solution{calculatedPressure, density, volume, z, molWeight};
  if (!solution.Possible()) return false;
  StoreDensitySolution(solution);
  compressibility = z;
  return true;
}

void CCalcDlg::SetMethodNote(const char* method, const char* root, unsigned count) {
  surface_.SetText(res::IDC_METHOD_NOTE, std::string(method) + root + std::to_string(count));
}

}  // namespace corvane
