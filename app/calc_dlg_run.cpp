// One calculation run: the "&Run" command reads and checks the inputs,
// picks the equation of state and method, runs the ticked optional
// properties, shows the results and writes the report.
#include <cmath>

#include "app/calc_dlg.h"
#include "res/dialogs.h"

namespace corvane {

namespace {
constexpr double kMinPressure = 14.7;      // psia
constexpr double kMaxPressure = 3000.0;    // psia
constexpr double kRankineOffset = 459.67;  // R - F
constexpr double kMinTemperature = 359.67;                 // -100 F in R
constexpr double kMaxTemperature = 300.0 + kRankineOffset;  // 300 F in R, as the sum rounds
}  // namespace

void CCalcDlg::ReadStateConditions() {
  stateTemperature = ReadNumber(res::IDC_TEMPERATURE);
  entryTemperatureF = stateTemperature;
  stateTemperature += kRankineOffset;
  statePressure = ReadNumber(res::IDC_PRESSURE);
  entryPressure = statePressure;
}

SolveMethod CCalcDlg::CheckedMethod() const {
  if (surface_.IsChecked(res::IDC_JC)) return kMethodJohnsonCulver;
  if (surface_.IsChecked(res::IDC_FP)) return kMethodFalsePosition;
  return kMethodNewton;
}

void CCalcDlg::OnRun() {
  cpProbe = 0;
  jtProbe = 0;
  nProbe = 0;
  results = RunResults{};
  enthalpyReference = 0.0;
  runRefused = true;
  lastReportWrite_ = ReportWriteResult{};

  if (!CheckRunInputs()) return;

  switch (SolveChosenEquation()) {
    case SolveOutcome::Stop: return;
    case SolveOutcome::ShowOnly:
      runRefused = false;
      ShowResults();
      return;
    case SolveOutcome::Solved: break;
  }
  runRefused = false;
  ComputeTickedProperties();
  ShowResults();
  WriteReportIfTicked();
}

bool CCalcDlg::CheckRunInputs() {
  if (!CheckStateConditions()) return false;
  ReadComposition();
  return compositionAccepted != 0;
}

// The state from its edits, refused with a message outside the ranges.
bool CCalcDlg::CheckStateConditions() {
  ReadStateConditions();
  // A NaN pressure or temperature passes no range test: refuse it as out of range.
  if (statePressure < kMinPressure || statePressure > kMaxPressure || std::isnan(statePressure)) {
    ShowMessage(res::kPressureOutOfRange);
    return false;
  }
  if (stateTemperature < kMinTemperature || stateTemperature > kMaxTemperature || std::isnan(stateTemperature)) {
    ShowMessage(res::kTemperatureOutOfRange);
    return false;
  }
  return true;
}

// BWRS goes on to the ticked properties whether or not its solver found a
// root (it has said so); a cubic equation that did not converge only shows
// the cleared results. A refused mixture or method stops the run.
CCalcDlg::SolveOutcome CCalcDlg::SolveChosenEquation() {
  if (surface_.IsChecked(res::IDC_BWRS)) {
    eosChoice = kEosBwrs;
    mixtureRefused_ = false;
    ComputeBwrsCoefficients();
    // The mixing step has said why; there are no constants to solve with.
    if (mixtureRefused_) return SolveOutcome::Stop;
    solveMethod = CheckedMethod();
    switch (solveMethod) {
      case kMethodJohnsonCulver: SolveBwrsJohnsonCulver(1); break;
      case kMethodFalsePosition:
        // Without a root the enthalpy would work on an earlier run's density.
        if (SolveBwrsFalsePosition() != 0) ComputeEnthalpy();
        break;
      case kMethodNewton:
      case kMethodNotChosen:
        ShowMessage(res::kNewtonNotForBwrs);
        return SolveOutcome::Stop;
    }
    return SolveOutcome::Solved;
  }
  solveMethod = kMethodNotChosen;
  const bool converged = surface_.IsChecked(res::IDC_PR) ? SolvePengRobinson() != 0 : SolveRedlichKwongSoave() != 0;
  return converged ? SolveOutcome::Solved : SolveOutcome::ShowOnly;
}

// Specific heat and Joule-Thomson (BWRS only), viscosity, polytropic
// exponent, in that order, each when its box is ticked.
void CCalcDlg::ComputeTickedProperties() {
  // Every state the ticked procedures below will visit, solved together
  // beforehand; they find the same densities they would solve one by one.
  // The polytropic exponent of a cubic run solves with constants it forms
  // itself, so it is not among them.
  const bool bwrs = eosChoice == kEosBwrs;
  SolveProbeStatesAhead(bwrs && surface_.IsChecked(res::IDC_CP), bwrs && surface_.IsChecked(res::IDC_JT),
                        bwrs && surface_.IsChecked(res::IDC_POLYTROPIC_BOX));

  if (bwrs) {
    cpRequested = surface_.IsChecked(res::IDC_CP) ? 1 : 0;
    if (cpRequested == 1) ComputeSpecificHeat();
    jtRequested = surface_.IsChecked(res::IDC_JT) ? 1 : 0;
    if (jtRequested == 1) ComputeJouleThomson();
  }
  viscosityRequested = surface_.IsChecked(res::IDC_VISCOSITY_BOX) ? 1 : 0;
  if (viscosityRequested == 1) ComputeViscosity();
  polytropicRequested = surface_.IsChecked(res::IDC_POLYTROPIC_BOX) ? 1 : 0;
  if (polytropicRequested == 1) {
    if (bwrs)
      ComputePolytropicExponent();
    else
      ComputePolytropicExponentWithOwnConstants();
  }
}

void CCalcDlg::WriteReportIfTicked() {
  if (!surface_.IsChecked(res::IDC_WRITE)) return;
  WriteReportRecord();
}

}  // namespace corvane
