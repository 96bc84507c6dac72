#include "platform/headless_surface.h"


namespace corvane {

HeadlessSurface::HeadlessSurface() {
  for (const res::ControlResource& item : res::CalculatorDialog().controls) {
    if (item.id == res::IDC_STATIC) continue;
    Control control{std::string(item.text)};
    // Edits and result statics start empty; the core writes their texts.
    if (item.kind == res::ControlKind::Edit) control.text.clear();
    const auto id = static_cast<std::size_t>(item.id);
    if (id >= indexById_.size()) indexById_.resize(id + 1, -1);
    short& index = indexById_[id];
    if (index >= 0) {
      controls_[static_cast<std::size_t>(index)] = std::move(control);  // the last of an id counts
      continue;
    }
    index = static_cast<short>(controls_.size());
    controls_.push_back(std::move(control));
  }
}

HeadlessSurface::Control* HeadlessSurface::Find(int id) {
  if (id < 0 || static_cast<std::size_t>(id) >= indexById_.size()) return nullptr;
  const short index = indexById_[static_cast<std::size_t>(id)];
  return index < 0 ? nullptr : &controls_[static_cast<std::size_t>(index)];
}

const HeadlessSurface::Control* HeadlessSurface::Find(int id) const {
  return const_cast<HeadlessSurface*>(this)->Find(id);
}

void HeadlessSurface::MarkChanged(Control& control) {
  if (control.changed || checkpoint_.empty()) return;
  control.changed = true;
  changedSinceCheckpoint_.push_back(static_cast<std::size_t>(&control - controls_.data()));
}

std::string HeadlessSurface::ReadText(int id) const {
  const Control* control = Find(id);
  return control == nullptr ? std::string() : control->text;
}

void HeadlessSurface::WriteText(int id, std::string_view text) {
  Control* control = Find(id);
  if (control == nullptr) return;
  MarkChanged(*control);
  control->text.assign(text);
  control->numberKnown = false;
}

double HeadlessSurface::GetNumber(int id) const {
  const Control* control = Find(id);
  if (control == nullptr) return 0.0;
  if (!control->numberKnown) {
    control->number = ParseNumber(control->text);
    control->numberKnown = true;
  }
  return control->number;
}

bool HeadlessSurface::ReadChecked(int id) const {
  const Control* control = Find(id);
  return control != nullptr && control->checked;
}

void HeadlessSurface::WriteChecked(int id, bool checked) {
  Control* control = Find(id);
  if (control == nullptr) return;
  MarkChanged(*control);
  control->checked = checked;
}

void HeadlessSurface::Checkpoint() {
  for (Control& control : controls_) control.changed = false;
  changedSinceCheckpoint_.clear();
  checkpoint_ = controls_;
}

void HeadlessSurface::Revert() {
  for (std::size_t index : changedSinceCheckpoint_) {
    controls_[index].text = checkpoint_[index].text;
    controls_[index].numberKnown = checkpoint_[index].numberKnown;
    controls_[index].number = checkpoint_[index].number;
    controls_[index].checked = checkpoint_[index].checked;
    controls_[index].changed = false;
  }
  changedSinceCheckpoint_.clear();
}

void HeadlessSurface::ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
  messages.push_back({std::string(text), std::string(caption), icon});
  if (onMessage) onMessage(messages.back());
}

std::optional<std::string> HeadlessSurface::AskMixtureFileName(FileDialogKind) {
  std::optional<std::string> answer = std::move(nextFileAnswer_);
  nextFileAnswer_.reset();
  if (!answer || answer->empty()) return std::nullopt;
  return answer;
}

void HeadlessSurface::ShowConstants(const BwrsConstantTexts& texts) {
  lastConstants = texts;
  if (onConstants) onConstants(texts);
}

void HeadlessSurface::ShowCompare(const CompareView& view) {
  // Nothing is shown here before the view is complete.
  lastCompare = view;
  CompleteView(*lastCompare);
  if (onCompare) onCompare(*lastCompare);
}

}  // namespace corvane
