// BWRS: the mixture constants and the two density solvers. The numerics are
// in thermo/; here they meet the dialog's members, the probe slots, the
// method note and the message boxes.
#include <cmath>
#include <optional>
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
  const std::optional<BwrsMixture> mixed = MixedWithMethane();
  if (!mixed) {
    ShowMessage(res::kMixtureNotSupported);
    mixtureRefused_ = true;
    return;
  }
  fpMemo_.Clear();
  mixture = mixed->coefficients;
  mixtureAcentricFactor = mixed->acentricFactor;
}

// The mixing rules over a mixture whose first present component is methane.
// Negative fractions can mix to a molecular weight that is zero, negative or
// infinite: no density, volume or Z could be formed from it, so there are
// no constants then either.
std::optional<BwrsMixture> CCalcDlg::MixedWithMethane() const {
  if (presentList.entries[1] != kMethane) return std::nullopt;
  const BwrsMixture mixed = MixBwrsRules(components, mixingTerms_);
  const double molWeight = mixed.coefficients.molecularWeight;
  if (!(molWeight > 0.0) || !std::isfinite(molWeight)) return std::nullopt;
  return mixed;
}

// What ComputeBwrsCoefficients forms from the present composition, without
// its messages: one present component's own constants, or the mixing
// rules' where methane comes first; none where a BWRS run would refuse the
// mixture.
std::optional<BwrsMixture> CCalcDlg::BwrsMixtureOfComposition() const {
  if (presentList.count == 1) return PureComponentMixture(components, presentList.entries[1]);
  if (presentList.entries[1] > kMethane) return std::nullopt;
  return MixedWithMethane();
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
  // The pressure stored is the last one evaluated: a relaxed-tolerance end
  // shows how far it is from the entered pressure.
  if (!found.found || !StoreBwrsDensitySolution(found.density, found.lastPressure)) {
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
  // The root is the secant point between the last two points, not one of
  // them: the state's own pressure goes with it, so Z belongs to the entered
  // state and a repeated Run reads back the pressure it was given.
  if (!StoreBwrsDensitySolution(found.root, statePressure)) {
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

// v = 1 / (rho MW) and Z = P v MW / (T R), with P the pressure the solver
// stores with the density. An impossible state (a density or Z that is not
// positive, a value that is not finite) is stored nowhere.
bool CCalcDlg::StoreBwrsDensitySolution(double density, double pressure) {
  const double molWeight = mixture.molecularWeight;
  const double volume = 1 / (density * molWeight);
  const double z = pressure * volume * molWeight / (stateTemperature * gasConstant);
  const DensitySolution solution{pressure, density, volume, z, molWeight};
  if (!solution.Possible()) return false;
  StoreDensitySolution(solution);
  compressibility = z;
  return true;
}

void CCalcDlg::SetMethodNote(const char* method, const char* root, unsigned count) {
  surface_.SetText(res::IDC_METHOD_NOTE, std::string(method) + root + std::to_string(count));
}

}  // namespace corvane
