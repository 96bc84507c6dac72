// Peng-Robinson and Redlich-Kwong-Soave for the pseudo-component mixture:
// the mixture averages, the root method from the radio buttons, the method
// note and the stores. The arithmetic itself is in thermo/cubic_eos and
// thermo/cubic_roots; the two equations share every step here.
#include <cmath>
#include <string>

#include "app/calc_dlg.h"
#include "res/resource.h"
#include "thermo/cubic_eos.h"
#include "thermo/cubic_roots.h"

namespace corvane {

namespace {

// "PR Newton - ", "RKS False Position - ", ...
std::string NotePrefix(EosChoice eos, CubicRootMethod method) {
  std::string prefix = eos == kEosPengRobinson ? "PR " : "RKS ";
  switch (method) {
    case CubicRootMethod::JohnsonCulver: prefix += "Johnson-Culver"; break;
    case CubicRootMethod::FalsePosition: prefix += "False Position"; break;
    case CubicRootMethod::Newton: prefix += "Newton"; break;
  }
  return prefix + " - ";
}

}  // namespace

int CCalcDlg::SolvePengRobinson() { return SolveCubicEquation(kEosPengRobinson); }

int CCalcDlg::SolveRedlichKwongSoave() { return SolveCubicEquation(kEosRedlichKwongSoave); }

int CCalcDlg::SolveCubicEquation(EosChoice eos) {
  eosChoice = eos;
  // Only a run with an accepted composition gets here; other callers get
  // nothing computed and no failure either.
  if (compositionAccepted != 1) return 1;

  const PseudoComponent mix = AveragePseudoComponent(components);

  CubicRootMethod method = CubicRootMethod::Newton;
  if (surface_.IsChecked(res::IDC_JC)) {
    solveMethod = kMethodJohnsonCulver;
    method = CubicRootMethod::JohnsonCulver;
  } else if (surface_.IsChecked(res::IDC_FP)) {
    solveMethod = kMethodFalsePosition;
    method = CubicRootMethod::FalsePosition;
  } else {
    solveMethod = kMethodNewton;
  }

  const double r = gasConstant;
  const double t = stateTemperature;
  const double p = statePressure;
  const CubicEquationForm& form = eos == kEosPengRobinson ? kPengRobinsonForm : kRedlichKwongSoaveForm;
  const std::optional<CubicEquation> equation = MakeCubicEquation(form, mix, t, r);
  const CubicRoot root =
      equation ? SolveCubicVolume(*equation, p, method) : CubicRoot{0.0, 0, CubicRootStatus::Breakdown};

  // The values to store: molar density 1/V (lb-mole/ft3), specific volume
  // V/MW (ft3/lbm) and Z = P V / (R T). A root that would leave one of them
  // without a value or make it impossible counts as not converged, like any
  // other breakdown: a volume at or below the co-volume b (no fluid is
  // denser than its molecules), or a molecular weight that is not positive
  // (a mixture with negative fractions).
  const double v = root.volume;
  const double mw = mix.molecularWeight;
  const double rt = r * t;
  bool failed = root.Failed();
  double density = 0.0;
  double specVolume = 0.0;
  double z = 0.0;
  if (!failed) {
    failed = !(v > equation->b) || !(v > 0.0) || !(mw > 0.0) || !std::isfinite(mw) || rt == 0.0;
    if (!failed) {
      density = 1.0 / v;
      specVolume = v / mw;
      z = p * v / rt;
      failed = !std::isfinite(density) || !std::isfinite(specVolume) || !std::isfinite(z);
    }
  }

  // The note goes up before the failure is acted on, so a failure leaves
  // "Failed to converge" on the screen.
  const std::string note = NotePrefix(eos, method) + (failed ? std::string("Failed to converge") : std::to_string(root.count));
  surface_.SetText(res::IDC_METHOD_NOTE, note);
  if (failed) return 0;

  calculatedPressure = p;  // the input pressure: the cubic solution recomputes none
  molarDensity = density;
  specificVolume = specVolume;
  results.pressure = calculatedPressure;
  results.density = molarDensity;
  results.specVolume = specificVolume;
  results.enthalpy = 0.0;
  results.zFactor = z;
  results.viscosity = 0.0;
  results.specificHeat = 0.0;
  results.molWeight = mw;
  return 1;
}

}  // namespace corvane
