#include "app/fresh_calculator.h"

#include <cmath>

#include "res/resource.h"

namespace corvane {

FreshCalculator::FreshCalculator(const TypedInputs& common) : pristine_(pristineSurface_), dialog_(surface_) {
  // Typing changes no member but the report file's flag, so the pristine
  // dialog sees the same typing as the working one.
  pristine_.OnInitDialog();
  Type(pristineSurface_, common);
  dialog_.OnInitDialog();
  Type(surface_, common);
  surface_.Checkpoint();
}

void FreshCalculator::Type(HeadlessSurface& surface, const TypedInputs& inputs) {
  for (const auto& [id, text] : inputs.texts) surface.SetText(id, text);
  for (const auto& [id, checked] : inputs.checks) surface.SetChecked(id, checked);
}

void FreshCalculator::Start(const TypedInputs& inputs) {
  surface_.Revert();
  surface_.messages.clear();
  dialog_.CopyStateFrom(pristine_);
  Type(surface_, inputs);
}

void FreshCalculator::Run(const TypedInputs& inputs) {
  Start(inputs);
  dialog_.OnCommand(res::ID_RUN);
}

bool FreshCalculator::Accepts(const TypedInputs& inputs) {
  Start(inputs);
  return dialog_.CheckRunInputs();
}

RunOutcome FreshCalculator::Outcome() const {
  if (dialog_.runRefused) return RunOutcome::Refused;
  const double density = dialog_.results.density;
  return density > 0 && std::isfinite(density) ? RunOutcome::Ok : RunOutcome::Failed;
}

}  // namespace corvane
