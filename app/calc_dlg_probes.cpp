// Specific heat, Joule-Thomson coefficient and polytropic exponent by finite
// differences of BWRS solutions at perturbed states. Each procedure sets its
// probe flag so that the false-position solver and the enthalpy put their
// values in the procedure's own slots, and puts the state and the flag back
// before it returns: the run's main results are never touched.
//
// Each procedure first has the states it will visit solved together
// (SolveAhead); its solves then find them, with the very bits a solve on its
// own would give, in the order and with the messages described here.
#include "app/calc_dlg.h"
#include "thermo/finite_differences.h"

namespace corvane {

namespace {
constexpr double kCpTemperatureStep = 0.5;  // R
constexpr double kJtTemperatureStep = 1.0;  // R
constexpr double kJtPressureStep = 1.0;     // psi
constexpr double kNPressureStep = 1.0;      // psi

// The states each procedure visits, formed by the very operations it
// performs on the temperature and pressure, so they match bit for bit.
struct CpStates {
  FpState above, below;  // (T + 0.5, P), then 1 R lower
};
CpStates SpecificHeatStates(double T, double P) {
  const double above = T + kCpTemperatureStep;
  return {{above, P}, {above - 2 * kCpTemperatureStep, P}};
}
struct JtStates {
  FpState base, colder, warmer;  // (T, P), (T - 1, P - 1), then 2 R warmer
};
JtStates JouleThomsonStates(double T, double P) {
  const double lower = P - kJtPressureStep;
  const double colder = T - kJtTemperatureStep;
  return {{T, P}, {colder, lower}, {colder + 2 * kJtTemperatureStep, lower}};
}
struct NStates {
  FpState base, lower;  // (T, P), (T, P - 1)
};
NStates PolytropicStates(double T, double P) { return {{T, P}, {T, P - kNPressureStep}}; }
}  // namespace

// The flags are tested in one order, specific heat, Joule-Thomson, polytropic
// exponent; the first above 0 decides. The procedures set one at a time.
CCalcDlg::ProbeSlots CCalcDlg::ActiveProbe() {
  // Specific heat: flag 1 the state above, any other the state below.
  if (cpProbe > 0) {
    const std::size_t i = cpProbe == 1 ? 0 : 1;
    return {&cpProbeDensity[i], &cpProbeEnthalpy[i]};
  }
  // Joule-Thomson: flags 1 and 2 the colder and warmer states, slots 1 and
  // 2; any other the base state, slot 0.
  if (jtProbe > 0) {
    const std::size_t i = jtProbe == 1 ? 1 : jtProbe == 2 ? 2 : 0;
    return {&jtProbeDensity[i], &jtProbeEnthalpy[i]};
  }
  // Polytropic exponent: densities only.
  if (nProbe > 0) return {nProbe == 1 ? &nProbeDensity[0] : &nProbeDensity[1], nullptr};
  return {};
}

void CCalcDlg::SolveProbeStatesAhead(bool specificHeat, bool jouleThomson, bool polytropic) {
  const double T = stateTemperature;
  const double P = statePressure;
  const CpStates cp = SpecificHeatStates(T, P);
  const JtStates jt = JouleThomsonStates(T, P);
  const NStates n = PolytropicStates(T, P);
  std::array<FpState, 7> states{};
  std::size_t count = 0;
  if (specificHeat) {
    states[count++] = cp.above;
    states[count++] = cp.below;
  }
  if (jouleThomson) {
    states[count++] = jt.base;
    states[count++] = jt.colder;
    states[count++] = jt.warmer;
  }
  if (polytropic) {
    states[count++] = n.base;
    states[count++] = n.lower;
  }
  fpMemo_.SolveAhead(mixture, gasConstant, mixtureAcentricFactor, std::span(states).first(count));
}

// Cp = (H(T + 0.5, P) - H(T - 0.5, P)) / 1.0
void CCalcDlg::ComputeSpecificHeat() {
  const double dT = kCpTemperatureStep;
  cpProbeDensity = {0.0, 0.0};
  cpProbeEnthalpy = {0.0, 0.0};
  const double savedTemperature = stateTemperature;
  const CpStates states = SpecificHeatStates(stateTemperature, statePressure);
  SolveAhead({states.above, states.below});

  cpProbe = 1;
  stateTemperature = states.above.temperature;
  if (SolveBwrsFalsePosition() == 0) {
    ShowMessage(res::kSpecificHeatFirstFailed);
  } else {
    ComputeEnthalpy();
    cpProbe = 2;
    stateTemperature = states.below.temperature;
    if (SolveBwrsFalsePosition() == 0) {
      ShowMessage(res::kSpecificHeatSecondFailed);
    } else {
      ComputeEnthalpy();
      results.specificHeat = SpecificHeatFromEnthalpies(cpProbeEnthalpy[0], cpProbeEnthalpy[1], dT);
    }
  }
  stateTemperature = savedTemperature;
  cpProbe = 0;
}

// H0 at (T, P), H1 at (T - 1, P - 1), H2 at (T + 1, P - 1); the coefficient
// is (T_iso - T) / 1 psi with T_iso the temperature at P - 1 of enthalpy H0.
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
  const JtStates states = JouleThomsonStates(stateTemperature, statePressure);
  SolveAhead({states.base, states.colder, states.warmer});
  auto restore = [&] {
    stateTemperature = savedTemperature;
    statePressure = savedPressure;
    jtProbe = 0;
  };

  jtProbe = 3;
  if (SolveBwrsFalsePosition() == 0) return restore();
  ComputeEnthalpy();
  results.enthalpy = jtProbeEnthalpy[0];

  statePressure = states.colder.pressure;
  jtProbe = 1;
  stateTemperature = states.colder.temperature;
  if (SolveBwrsFalsePosition() == 0) return restore();
  ComputeEnthalpy();

  jtProbe = 2;
  stateTemperature = states.warmer.temperature;
  if (SolveBwrsFalsePosition() == 0) return restore();
  ComputeEnthalpy();
  restore();

  if (const auto coefficient = JouleThomsonFromEnthalpies(jtProbeEnthalpy[0], jtProbeEnthalpy[1], jtProbeEnthalpy[2],
                                                          stateTemperature, dT, dP))
    results.jouleThomson = *coefficient;
}

// N from the densities at (T, P) and (T, P - 1), always by the BWRS
// equation whatever the run's equation of state; like the Joule-Thomson
// procedure it stops at the first solve without a root.
void CCalcDlg::ComputePolytropicExponent() {
  const double savedPressure = statePressure;
  const NStates states = PolytropicStates(stateTemperature, statePressure);
  SolveAhead({states.base, states.lower});
  auto restore = [&] {
    statePressure = savedPressure;
    nProbe = 0;
  };

  nProbe = 1;
  if (SolveBwrsFalsePosition() == 0) return restore();
  statePressure = states.lower.pressure;
  nProbe = 2;
  if (SolveBwrsFalsePosition() == 0) return restore();

  results.polytropicN = PolytropicExponentFromStates(states.base.pressure, nProbeDensity[0], states.lower.pressure,
                                                     nProbeDensity[1]);
  restore();
}

// A Peng-Robinson or Redlich-Kwong-Soave run forms no BWRS constants of its
// own, yet N is always a BWRS result: the exponent's solves take the
// constants of this run's composition, formed without a message, and the
// last BWRS run's constants, molecular weight and acentric factor are put
// back afterwards, so the constants view still shows that run's. A
// composition BWRS cannot mix has no N ("No solution").
void CCalcDlg::ComputePolytropicExponentWithOwnConstants() {
  const std::optional<BwrsMixture> own = BwrsMixtureOfComposition();
  if (!own) return;
  const MixtureCoefficients lastBwrsMixture = mixture;
  const double lastBwrsAcentricFactor = mixtureAcentricFactor;
  mixture = own->coefficients;
  mixtureAcentricFactor = own->acentricFactor;
  ComputePolytropicExponent();
  mixture = lastBwrsMixture;
  mixtureAcentricFactor = lastBwrsAcentricFactor;
}

}  // namespace corvane
