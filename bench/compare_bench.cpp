// The Compare command at the start-up state, headless: the three equations'
// runs on a fresh calculator, GERG-2008's both roots, and the Z chart's 61
// pressures by every equation; what a window waits for before it shows the
// dialog.
#include <benchmark/benchmark.h>

#include "app/calc_dlg.h"
#include "platform/headless_surface.h"
#include "res/resource.h"

namespace corvane {
namespace {

void BM_CompareAtStartUpState(benchmark::State& state) {
  HeadlessSurface surface;
  CCalcDlg dlg(surface);
  dlg.OnInitDialog();
  for (auto _ : state) {
    dlg.OnCommand(res::ID_COMPARE);
    benchmark::DoNotOptimize(surface.lastCompare);
  }
  if (!surface.lastCompare || !surface.messages.empty()) state.SkipWithError("the view did not open");
}
BENCHMARK(BM_CompareAtStartUpState)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
