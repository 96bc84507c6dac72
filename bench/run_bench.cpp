// A whole run at the start-up state (default gas, 80 F, 1000 psia, BWRS by
// false position, all four optional properties ticked), and its calculation
// without any text.
#include <benchmark/benchmark.h>

#include "app/calc_dlg.h"
#include "platform/headless_surface.h"
#include "res/resource.h"
#include "thermo/bwrs_enthalpy.h"
#include "thermo/bwrs_false_position.h"
#include "thermo/bwrs_mixing.h"
#include "thermo/finite_differences.h"
#include "thermo/viscosity.h"

namespace corvane {
namespace {

// (a) OnRun through the headless surface: reading the edits (the
// composition three times, as the run, the mixing step and the viscosity
// each read it), every solve, and the results display's formatting.
void BM_OnRunAtStartUpState(benchmark::State& state) {
  HeadlessSurface surface;
  CCalcDlg dlg(surface);
  dlg.OnInitDialog();
  for (auto _ : state) {
    dlg.OnRun();
    benchmark::DoNotOptimize(dlg.results);
  }
  if (!surface.messages.empty()) state.SkipWithError("the run showed a message");
}
BENCHMARK(BM_OnRunAtStartUpState);

// (b) The calculation alone, from the fractions the run has read: mixture
// constants, density, enthalpy, Cp, JT, viscosity and N, with the run's
// numerics in the run's order (the probe states solved together, as the run
// does), and no text read or written.
void BM_CalculationAtStartUpState(benchmark::State& state) {
  HeadlessSurface surface;
  CCalcDlg dlg(surface);
  dlg.OnInitDialog();
  dlg.OnRun();  // the fractions, the present list and the mixing factors
  const ComponentTable& components = dlg.components;
  const PresentList& present = dlg.presentList;
  const BwrsMixingTerms terms = MakeBwrsMixingTerms(components, dlg.interaction);
  IdealGasEnthalpyTable idealGas;
  FillIdealGasComponentRows(idealGas);
  const double R = dlg.gasConstant;
  const double T = dlg.stateTemperature;
  const double P = dlg.statePressure;
  RunResults results;

  for (auto _ : state) {
    const BwrsMixture mix = MixBwrsRules(components, terms);
    const MixtureCoefficients& m = mix.coefficients;
    auto enthalpy = [&](double t, double rho) {
      MixIdealGasEnthalpyRow(idealGas, components, present);
      return BwrsResidualEnthalpy(m, R, t, rho) + IdealGasEnthalpy(idealGas[0], t);
    };
    const FalsePositionResult main = SolveFalsePosition(m, R, T, P, mix.acentricFactor);
    results.density = main.root;
    results.enthalpy = enthalpy(T, main.root);

    // Cp at T + 0.5 and T - 0.5; JT at (T - 1, P - 1) and (T + 1, P - 1);
    // N at (T, P - 1). (T, P) itself is the run's own solve.
    const FpState probes[] = {{T + 0.5, P}, {T + 0.5 - 1.0, P}, {T - 1, P - 1}, {T - 1 + 2.0, P - 1}, {T, P - 1}};
    FalsePositionResult solved[5];
    SolveFalsePositionBatch(m, R, mix.acentricFactor, probes, solved);
    const double cpAbove = enthalpy(probes[0].temperature, solved[0].root);
    const double cpBelow = enthalpy(probes[1].temperature, solved[1].root);
    results.specificHeat = SpecificHeatFromEnthalpies(cpAbove, cpBelow, 0.5);
    const double h0 = enthalpy(T, main.root);
    const double h1 = enthalpy(probes[2].temperature, solved[2].root);
    const double h2 = enthalpy(probes[3].temperature, solved[3].root);
    results.jouleThomson = JouleThomsonFromEnthalpies(h0, h1, h2, T, 1.0, 1.0).value_or(0.0);
    results.viscosity = MixtureViscosity(components, R, T, P).value_or(0.0);
    results.polytropicN = PolytropicExponentFromStates(P, main.root, P - 1, solved[4].root);
    benchmark::DoNotOptimize(results);
  }
  if (results.polytropicN != dlg.results.polytropicN || results.jouleThomson != dlg.results.jouleThomson ||
      results.specificHeat != dlg.results.specificHeat || results.viscosity != dlg.results.viscosity)
    state.SkipWithError("the calculation differs from the run's");
}
BENCHMARK(BM_CalculationAtStartUpState);

// The same through the dialog's operations: adds the routing, the memo, the
// method note and the viscosity's fresh reading of the fifteen edits.
void BM_CalculationOperationsAtStartUpState(benchmark::State& state) {
  HeadlessSurface surface;
  CCalcDlg dlg(surface);
  dlg.OnInitDialog();
  dlg.OnRun();
  for (auto _ : state) {
    dlg.MixBwrsCoefficients();
    if (dlg.SolveBwrsFalsePosition() != 0) dlg.ComputeEnthalpy();
    dlg.SolveProbeStatesAhead(true, true, true);
    dlg.ComputeSpecificHeat();
    dlg.ComputeJouleThomson();
    dlg.ComputeViscosity();
    dlg.ComputePolytropicExponent();
    benchmark::DoNotOptimize(dlg.results);
  }
}
BENCHMARK(BM_CalculationOperationsAtStartUpState);

}  // namespace
}  // namespace corvane
