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

void CCalcDlg::OnRun() {
  bool success = true;
  cpProbe = 0;
  jtProbe = 0;
  nProbe = 0;
  results = RunResults{};
  enthalpyReference = 0.0;

  ReadStateConditions();
  // A NaN pressure or temperature passes no range test: refuse it as out of range.
  if (statePressure < kMinPressure || statePressure > kMaxPressure || std::isnan(statePressure)) {
    surface_.ShowMessage("Pressure < 14.7 or > 3000.0 psia, run aborted", "User Inputs", MessageIcon::Error);
    return;
  }
  if (stateTemperature < kMinTemperature || stateTemperature > kMaxTemperature || std::isnan(stateTemperature)) {
    surface_.ShowMessage("Temperature < -100 or > 300 F, run aborted", "User Inputs", MessageIcon::Error);
    return;
  }

  ReadComposition();
  if (compositionAccepted == 0) return;

  if (surface_.IsChecked(res::IDC_BWRS)) {
    eosChoice = kEosBwrs;
    mixtureRefused_ = false;
    ComputeBwrsCoefficients();
    // The mixing step has said why; there are no constants to solve with.
    if (mixtureRefused_) return;
    if (surface_.IsChecked(res::IDC_JC)) {
      solveMethod = kMethodJohnsonCulver;
      SolveBwrsJohnsonCulver(1);
    } else if (surface_.IsChecked(res::IDC_FP)) {
      solveMethod = kMethodFalsePosition;
      // Without a root the enthalpy would work on an earlier run's density.
      if (SolveBwrsFalsePosition() != 0) ComputeEnthalpy();
    } else {
      solveMethod = kMethodNewton;
      surface_.ShowMessage("Newton method not available for BWRS.", "BWRS Roots", MessageIcon::Error);
      return;
    }
  } else if (surface_.IsChecked(res::IDC_PR)) {
    eosChoice = kEosPengRobinson;
    solveMethod = kMethodNotChosen;
    success = SolvePengRobinson() != 0;
  } else {
    eosChoice = kEosRedlichKwongSoave;
    solveMethod = kMethodNotChosen;
    success = SolveRedlichKwongSoave() != 0;
  }

  if (!success) {
    ShowResults();
    return;
  }

  // Every state the ticked procedures below will visit, solved together
  // beforehand; they find the same densities they would solve one by one.
  SolveProbeStatesAhead(eosChoice == kEosBwrs && surface_.IsChecked(res::IDC_CP),
                        eosChoice == kEosBwrs && surface_.IsChecked(res::IDC_JT),
                        surface_.IsChecked(res::IDC_POLYTROPIC_BOX));

  if (eosChoice == kEosBwrs) {
    cpRequested = surface_.IsChecked(res::IDC_CP) ? 1 : 0;
    if (cpRequested == 1) ComputeSpecificHeat();
    jtRequested = surface_.IsChecked(res::IDC_JT) ? 1 : 0;
    if (jtRequested == 1) ComputeJouleThomson();
  }
  viscosityRequested = surface_.IsChecked(res::IDC_VISCOSITY_BOX) ? 1 : 0;
  if (viscosityRequested == 1) ComputeViscosity();
  polytropicRequested = surface_.IsChecked(res::IDC_POLYTROPIC_BOX) ? 1 : 0;
  if (polytropicRequested == 1) ComputePolytropicExponent();

  ShowResults();

  if (surface_.IsChecked(res::IDC_WRITE)) {
    WriteReportInputs();
    WriteReportResults();
  }
}

}  // namespace corvane
