// One Peng-Robinson and one Redlich-Kwong-Soave solve per root method at the
// start-up state (80 F, 1000 psia, the default gas), as the run performs it:
// mixture averages, equation constants, root, method note and stores.
#include <benchmark/benchmark.h>

#include "app/calc_dlg.h"
#include "platform/headless_surface.h"
#include "res/resource.h"

namespace corvane {
namespace {

void SolveAtDefaultState(benchmark::State& state, int eosRadio, int methodRadio) {
  HeadlessSurface surface;
  CCalcDlg dlg(surface);
  dlg.OnInitDialog();
  for (int box : {res::IDC_CP, res::IDC_JT, res::IDC_VISCOSITY_BOX, res::IDC_POLYTROPIC_BOX})
    surface.SetChecked(box, false);
  surface.SetChecked(eosRadio, true);
  surface.SetChecked(methodRadio, true);
  dlg.OnRun();  // reads the state and the composition once
  if (dlg.results.density == 0.0) state.SkipWithError("the default state did not solve");

  const bool pr = eosRadio == res::IDC_PR;
  for (auto _ : state) {
    const int status = pr ? dlg.SolvePengRobinson() : dlg.SolveRedlichKwongSoave();
    benchmark::DoNotOptimize(status);
    benchmark::DoNotOptimize(dlg.results);
  }
}

BENCHMARK_CAPTURE(SolveAtDefaultState, PR_JohnsonCulver, res::IDC_PR, res::IDC_JC);
BENCHMARK_CAPTURE(SolveAtDefaultState, PR_FalsePosition, res::IDC_PR, res::IDC_FP);
BENCHMARK_CAPTURE(SolveAtDefaultState, PR_Newton, res::IDC_PR, res::IDC_NEWTON);
BENCHMARK_CAPTURE(SolveAtDefaultState, RKS_JohnsonCulver, res::IDC_RKS, res::IDC_JC);
BENCHMARK_CAPTURE(SolveAtDefaultState, RKS_FalsePosition, res::IDC_RKS, res::IDC_FP);
BENCHMARK_CAPTURE(SolveAtDefaultState, RKS_Newton, res::IDC_RKS, res::IDC_NEWTON);

}  // namespace
}  // namespace corvane
