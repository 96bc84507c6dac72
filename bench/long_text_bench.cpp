// Runs and edit changes with every edit at its text limit: what a user who
// pastes the longest texts the edits hold makes each command cost.
#include <benchmark/benchmark.h>

#include <string>

#include "app/calc_dlg.h"
#include "platform/headless_surface.h"
#include "res/dialogs.h"

namespace corvane {
namespace {

// Texts of the limit's length that read as the start-up fractions: each
// number with zeros appended to its decimals, the costliest text to read.
void FillEditsToTheLimit(HeadlessSurface& surface) {
  for (int id : res::kCompositionEdits) {
    std::string text = surface.GetText(id);
    text.resize(res::kEditTextLimit, '0');
    surface.SetText(id, text);
  }
}

void BM_RunWithEditsAtTheTextLimit(benchmark::State& state) {
  HeadlessSurface surface;
  CCalcDlg dlg(surface);
  dlg.OnInitDialog();
  FillEditsToTheLimit(surface);
  for (auto _ : state) {
    dlg.OnRun();
    benchmark::DoNotOptimize(dlg.results);
  }
  if (!surface.messages.empty()) state.SkipWithError("the run showed a message");
}
BENCHMARK(BM_RunWithEditsAtTheTextLimit)->Unit(benchmark::kMicrosecond);

// One edit change: a new long text in one edit, the Sum re-added.
void BM_EditChangeWithEditsAtTheTextLimit(benchmark::State& state) {
  HeadlessSurface surface;
  CCalcDlg dlg(surface);
  dlg.OnInitDialog();
  FillEditsToTheLimit(surface);
  std::string texts[2] = {std::string(res::kEditTextLimit, '1'), "0." + std::string(res::kEditTextLimit - 2, '5')};
  int next = 0;
  for (auto _ : state) {
    surface.SetText(res::IDC_METHANE, texts[next]);
    next = 1 - next;
  }
}
BENCHMARK(BM_EditChangeWithEditsAtTheTextLimit)->Unit(benchmark::kMicrosecond);

// Reset: fifteen edit changes, each adding the Sum anew.
void BM_ResetFromEditsAtTheTextLimit(benchmark::State& state) {
  HeadlessSurface surface;
  CCalcDlg dlg(surface);
  dlg.OnInitDialog();
  for (auto _ : state) {
    state.PauseTiming();
    FillEditsToTheLimit(surface);
    state.ResumeTiming();
    dlg.OnReset();
  }
}
BENCHMARK(BM_ResetFromEditsAtTheTextLimit)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane
