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

namespace corvane {
namespace {

// (a) OnRun through the headless surface: reading the edits, the
// composition twice, every solve, the results display's formatting.
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

// (b) The dialog's calculation operations in the run's order, from the read
// composition on: mixture constants, density, enthalpy, Cp, JT, viscosity,
// N. The false-position solve sets the method note, the one text here.
void BM_CalculationOperationsAtStartUpState(benchmark::State& state) {
  HeadlessSurface surface;
  CCalcDlg dlg(surface);
  dlg.OnInitDialog();
  dlg.OnRun();  // reads the state and composition once
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
