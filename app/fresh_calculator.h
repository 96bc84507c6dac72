// A calculator that starts every run as if the program had just started:
// start-up state, the inputs typed as a user would type them, then Run.
// The tables are formed once; each run starts from a copy of a dialog
// initialised the same way, so no run depends on an earlier one. Any face
// that runs the dialog's own handlers on states of its choosing (a batch
// row, a comparison of the equations) runs them on one of these.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/calc_dlg.h"
#include "platform/headless_surface.h"

namespace corvane {

// What a user does before pressing Run: texts typed into edits, then
// buttons checked or unchecked, in the order given.
struct TypedInputs {
  std::vector<std::pair<int, std::string>> texts;
  std::vector<std::pair<int, bool>> checks;

  void Clear() {
    texts.clear();
    checks.clear();
  }
};

// What a run came to: a result, a message box that stopped it before
// anything was solved, or no density stored (the method note or a message
// says why).
enum class RunOutcome { Ok, Refused, Failed };

class FreshCalculator {
 public:
  // `common` is typed after start-up for every run (for a batch: what its
  // flags say for all rows).
  explicit FreshCalculator(const TypedInputs& common);
  FreshCalculator(const FreshCalculator&) = delete;
  FreshCalculator& operator=(const FreshCalculator&) = delete;

  // Starts afresh, types `inputs` after the common ones, and runs. The
  // dialog and its surface then show what the window would.
  void Run(const TypedInputs& inputs);
  // Starts afresh, types `inputs` and checks the state and composition as
  // Run would, without solving; the surface holds the messages shown.
  bool Accepts(const TypedInputs& inputs);
  // What the last Run came to.
  RunOutcome Outcome() const;

  const HeadlessSurface& surface() const { return surface_; }
  const CCalcDlg& dialog() const { return dialog_; }
  HeadlessSurface& surface() { return surface_; }

 private:
  static void Type(HeadlessSurface& surface, const TypedInputs& inputs);
  // The start-up state again, then `inputs` typed.
  void Start(const TypedInputs& inputs);

  HeadlessSurface pristineSurface_;
  CCalcDlg pristine_;
  HeadlessSurface surface_;
  CCalcDlg dialog_;
};

}  // namespace corvane
