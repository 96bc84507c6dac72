#include "platform/dialog_surface.h"

#include "res/dialogs.h"

namespace corvane {

void DialogSurface::SetText(int id, std::string_view text) {
  const res::ControlResource* control = res::FindCalculatorControl(id);
  if (control == nullptr || control->kind != res::ControlKind::Edit) {
    WriteText(id, text);
    return;
  }
  WriteText(id, text.substr(0, res::kEditTextLimit));
  NotifyEditChanged(id);
}

void DialogSurface::SetChecked(int id, bool checked) {
  const res::ControlResource* control = res::FindCalculatorControl(id);
  if (control == nullptr) return;
  if (checked && control->kind == res::ControlKind::RadioButton) {
    for (const res::ControlResource& other : res::CalculatorDialog().controls) {
      if (other.kind == res::ControlKind::RadioButton && other.radioGroup == control->radioGroup && other.id != id &&
          ReadChecked(other.id))
        WriteChecked(other.id, false);
    }
  }
  WriteChecked(id, checked);
}

}  // namespace corvane
