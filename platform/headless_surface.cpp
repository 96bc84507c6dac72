#include "platform/headless_surface.h"

namespace corvane {

HeadlessSurface::HeadlessSurface() {
  for (const res::ControlSpec& item : res::CalculatorDialog().controls) {
    if (item.id == res::IDC_STATIC) continue;
    Control control{item.kind, item.radioGroup, std::string(item.text), false};
    // Edits and result statics start empty; the core writes their texts.
    if (item.kind == res::ControlKind::Edit) control.text.clear();
    controls_[item.id] = control;
  }
}

std::string HeadlessSurface::GetText(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? std::string() : it->second.text;
}

void HeadlessSurface::SetText(int id, std::string_view text) {
  const auto it = controls_.find(id);
  if (it == controls_.end()) return;
  it->second.text.assign(text);
  if (it->second.kind == res::ControlKind::Edit) NotifyEditChanged(id);
}

bool HeadlessSurface::IsChecked(int id) const {
  const auto it = controls_.find(id);
  return it != controls_.end() && it->second.checked;
}

void HeadlessSurface::SetChecked(int id, bool checked) {
  const auto it = controls_.find(id);
  if (it == controls_.end()) return;
  if (checked && it->second.kind == res::ControlKind::RadioButton) {
    for (auto& [otherId, other] : controls_) {
      if (other.kind == res::ControlKind::RadioButton && other.radioGroup == it->second.radioGroup)
        other.checked = false;
    }
  }
  it->second.checked = checked;
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

}  // namespace corvane
