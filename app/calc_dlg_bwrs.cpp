// BWRS: the mixture constants and the two density solvers. The numerics are
// in thermo/; here they meet the dialog's members, the probe slots, the
// method note and the message boxes.
#include <string>

#include "app/calc_dlg.h"
#include "res/dialogs.h"
#include "thermo/bwrs_equation.h"
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
  surface_.ShowMessage("Sorry, only methane component mixes are presently supported.", "Calc",
                       MessageIcon::Information);
  mixtureRefused_ = true;
}

void CCalcDlg::MixBwrsCoefficients() {
  if (presentList.entries[1] != kMethane) {
    surface_.ShowMessage("This mixture is not supported.", "Mixture computation", MessageIcon::Information);
    mixtureRefused_ = true;
    return;
  }
  fpMemo_.Clear();
  const BwrsMixture mixed = MixBwrsRules(components, mixingTerms_);
  mixture = mixed.coefficients;
  mixtureAcentricFactor = mixed.acentricFactor;
}

double CCalcDlg::BwrsPressure(double density) {
  return ::corvane::BwrsPressure(mixture, gasConstant, stateTemperature, density);
}

void CCalcDlg::SolveBwrsJohnsonCulver(int rootSelector) {
  const bool vapour = rootSelector == 1;
  const JohnsonCulverStart start{vapour ? jcStartDensityHigh : jcStartDensityLow, jcTolerance,
                                 vapour ? JcDirection::Downward : JcDirection::Upward};
  const JohnsonCulverResult found = SolveJohnsonCulver(mixture, gasConstant, stateTemperature, statePressure, start);
  calculatedPressure = found.lastPressure;
  if (!found.found) {
    surface_.ShowMessage("No root found in jc method.", "JC root warning", MessageIcon::Information);
    return;
  }
  StoreBwrsDensitySolution(found.density);
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
  if (double* slot = FpProbeDensitySlot()) {
    *slot = found.root;
    return 1;
  }
  StoreBwrsDensitySolution(found.root);
  SetMethodNote("BWRS False Position, ",
                found.mode == FpMode::Liquid ? "Liquid Root iterations - " : "Vapor Root iterations - ", found.points);
  return 1;
}

void CCalcDlg::SolveAhead(std::initializer_list<FpState> states) {
  fpMemo_.SolveAhead(mixture, gasConstant, mixtureAcentricFactor, states);
}

void CCalcDlg::ReportNoFpRoot() {
  surface_.ShowMessage("No root found in fp method.", "FP root warning", MessageIcon::Information);
}

// Z = P v MW / (T R), with P the equation's pressure at the last density
// evaluated, which is within the solver's tolerance of the entered pressure.
void CCalcDlg::StoreBwrsDensitySolution(double density) {
  const double molWeight = mixture.molecularWeight;
  specificVolume = 1 / (density * molWeight);
  molarDensity = density;
  compressibility = calculatedPressure * specificVolume * molWeight / (stateTemperature * gasConstant);
  results.pressure = calculatedPressure;
  results.density = density;
  results.specVolume = 1 / (density * molWeight);
  results.enthalpy = 0;
  results.zFactor = compressibility;
  results.viscosity = 0;
  results.specificHeat = 0;
  results.molWeight = molWeight;
}

void CCalcDlg::SetMethodNote(const char* method, const char* root, unsigned count) {
  surface_.SetText(res::IDC_METHOD_NOTE, std::string(method) + root + std::to_string(count));
}

// Probe flags in the order the solver tests them; the first above 0 decides.
double* CCalcDlg::FpProbeDensitySlot() {
  if (cpProbe > 0) return cpProbe == 1 ? &cpProbeDensity[0] : &cpProbeDensity[1];
  if (jtProbe > 0) {
    if (jtProbe == 1) return &jtProbeDensity[1];
    if (jtProbe == 2) return &jtProbeDensity[2];
    return &jtProbeDensity[0];
  }
  if (nProbe > 0) return nProbe == 1 ? &nProbeDensity[0] : &nProbeDensity[1];
  return nullptr;
}

}  // namespace corvane
