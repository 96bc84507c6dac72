// Peng-Robinson and Redlich-Kwong-Soave for the pseudo-component mixture:
// the mixture averages, the root method from the radio buttons, the method
// note and the stores. The arithmetic itself is in thermo/cubic_eos and
// thermo/cubic_roots; the two equations share every step here.
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

CubicRootMethod CubicMethodOf(SolveMethod method) {
  switch (method) {
    case kMethodJohnsonCulver: return CubicRootMethod::JohnsonCulver;
    case kMethodFalsePosition: return CubicRootMethod::FalsePosition;
    case kMethodNewton:
    case kMethodNotChosen: break;
  }
  return CubicRootMethod::Newton;
}

// The root the method finds and the density solution it gives: molar
// density 1/V (lb-mole/ft3), specific volume V/MW (ft3/lbm) and
// Z = P V / (R T). No solution when the method broke down or did not
// converge, or when the root is impossible: a volume at or below the
// co-volume b (no fluid is denser than its molecules), or values that are
// not positive or not finite (a mixture of negative fractions).
struct CubicSolve {
  int count = 0;
  std::optional<DensitySolution> solution;
};
CubicSolve SolveCubicState(const CubicEquationForm& form, const PseudoComponent& mix, CubicRootMethod method,
                           double r, double t, double p) {
  const std::optional<CubicEquation> equation = MakeCubicEquation(form, mix, t, r);
  const CubicRoot root =
      equation ? SolveCubicVolume(*equation, p, method) : CubicRoot{0.0, 0, CubicRootStatus::Breakdown};
  if (root.Failed() || !(root.volume > equation->b)) return {root.count, std::nullopt};
  const double v = root.volume;
  const double mw = mix.molecularWeight;
  const DensitySolution solution{p, 1.0 / v, v / mw, p * v / (r * t), mw};
  if (!solution.Possible()) return {root.count, std::nullopt};
  return {root.count, solution};
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
  solveMethod = CheckedMethod();
  const CubicRootMethod method = CubicMethodOf(solveMethod);
  const CubicEquationForm& form = eos == kEosPengRobinson ? kPengRobinsonForm : kRedlichKwongSoaveForm;
  const CubicSolve solved = SolveCubicState(form, mix, method, gasConstant, stateTemperature, statePressure);

  // The note goes up before the failure is acted on, so a failure leaves
  // "Failed to converge" on the screen.
  const bool failed = !solved.solution;
  surface_.SetText(res::IDC_METHOD_NOTE, NotePrefix(eos, method) + (failed ? std::string("Failed to converge")
                                                                           : std::to_string(solved.count)));
  if (failed) return 0;
  // The cubic's pressure is the entered one; Z goes to the results only.
  StoreDensitySolution(*solved.solution);
  return 1;
}

}  // namespace corvane
