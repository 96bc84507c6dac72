// Specific heat, Joule-Thomson coefficient and polytropic exponent by finite
// differences of BWRS solutions at perturbed states. Each procedure sets its
// probe flag so that the false-position solver and the enthalpy put their
// values in the procedure's own slots, and puts the state and the flag back
// before it returns: the run's main results are never touched.
#include "app/calc_dlg.h"
#include "thermo/finite_differences.h"

namespace corvane {

namespace {
constexpr double kCpTemperatureStep = 0.5;  // R
constexpr double kJtTemperatureStep = 1.0;  // R
constexpr double kJtPressureStep = 1.0;     // psi
constexpr double kNPressureStep = 1.0;      // psi
}  // namespace

void CCalcDlg::ComputeSpecificHeat() {
  const double dT = kCpTemperatureStep;
  cpProbeDensity = {0.0, 0.0};
  cpProbeEnthalpy = {0.0, 0.0};
  const double savedTemperature = stateTemperature;
  cpProbe = 1;
  stateTemperature = stateTemperature + dT;
  if (SolveBwrsFalsePosition() == 0) {
    surface_.ShowMessage("CP failed in 1st entropy call.", "Specific Heat Procedure", MessageIcon::Information);
  } else {
    ComputeEnthalpy();
    cpProbe = 2;
    stateTemperature = stateTemperature - 2 * dT;
    if (SolveBwrsFalsePosition() == 0) {
      surface_.ShowMessage("CP failed in 2nd entropy call.", "Specific Heat Procedure", MessageIcon::Information);
    } else {
      ComputeEnthalpy();
      results.specificHeat = SpecificHeatFromEnthalpies(cpProbeEnthalpy[0], cpProbeEnthalpy[1], dT);
    }
  }
  stateTemperature = savedTemperature;
  cpProbe = 0;
}

// Stops at the first solve without a root (the solver has said so): going on
// would difference densities and enthalpies left from an earlier state.
void CCalcDlg::ComputeJouleThomson() {
  const double dT = kJtTemperatureStep;
  const double dP = kJtPressureStep;
  jtProbeDensity[1] = 0.0;
  jtProbeDensity[2] = 0.0;
  jtProbeEnthalpy[1] = 0.0;
  jtProbeEnthalpy[2] = 0.0;
  const double savedTemperature = stateTemperature;
  const double savedPressure = statePressure;
  auto restore = [&] {
    stateTemperature = savedTemperature;
    statePressure = savedPressure;
    jtProbe = 0;
  };

  jtProbe = 3;  // (T, P)
  if (SolveBwrsFalsePosition() == 0) return restore();
  ComputeEnthalpy();
  results.enthalpy = jtProbeEnthalpy[0];

  statePressure = statePressure - dP;
  jtProbe = 1;  // (T - 1, P - 1)
  stateTemperature = stateTemperature - dT;
  if (SolveBwrsFalsePosition() == 0) return restore();
  ComputeEnthalpy();

  jtProbe = 2;  // (T + 1, P - 1)
  stateTemperature = stateTemperature + 2 * dT;
  if (SolveBwrsFalsePosition() == 0) return restore();
  ComputeEnthalpy();
  restore();

  if (const auto coefficient = JouleThomsonFromEnthalpies(jtProbeEnthalpy[0], jtProbeEnthalpy[1], jtProbeEnthalpy[2],
                                                          stateTemperature, dT, dP))
    results.jouleThomson = *coefficient;
}

// Always by the BWRS equation, whatever the run's equation of state; like the
// Joule-Thomson procedure it stops at the first solve without a root.
void CCalcDlg::ComputePolytropicExponent() {
  const double savedPressure = statePressure;
  auto restore = [&] {
    statePressure = savedPressure;
    nProbe = 0;
  };

  nProbe = 1;  // (T, P)
  if (SolveBwrsFalsePosition() == 0) return restore();
  const double p1 = statePressure;

  statePressure = statePressure - kNPressureStep;
  nProbe = 2;  // (T, P - 1)
  if (SolveBwrsFalsePosition() == 0) return restore();
  const double p2 = statePressure;

  results.polytropicN = PolytropicExponentFromStates(p1, nProbeDensity[0], p2, nProbeDensity[1]);
  restore();
}

}  // namespace corvane
