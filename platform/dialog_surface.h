// The seam between the calculator core and a face (the Qt window or the
// headless surface): what CCalcDlg needs from a window, and nothing more.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/bwrs_constant_texts.h"
#include "res/messages.h"
#include "text/number_text.h"

namespace corvane {

enum class FileDialogKind { Save, Open };

class DialogSurface {
 public:
  using EditChangedHandler = std::function<void(int id)>;

  virtual ~DialogSurface() = default;

  // The text of a control (edit, static, label) by id.
  virtual std::string GetText(int id) const = 0;
  // Sets a control's text. Setting an edit's text raises its change
  // notification at once, exactly as typing does.
  virtual void SetText(int id, std::string_view text) = 0;
  // The number an edit's text reads as (ParseNumber). A surface may keep
  // the value while the text stays the same.
  virtual double GetNumber(int id) const { return ParseNumber(GetText(id)); }

  // Radio buttons and check boxes. Checking a radio button unchecks the
  // others of its group.
  virtual bool IsChecked(int id) const = 0;
  virtual void SetChecked(int id, bool checked) = 0;

  // A modal message box with an OK button.
  virtual void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) = 0;

  // The save or open dialog of mixture files: the chosen path, or nothing
  // when the user cancelled.
  virtual std::optional<std::string> AskMixtureFileName(FileDialogKind kind) = 0;

  // The modal constants view: the texts of its eleven value statics, B0 .. gamma.
  virtual void ShowConstants(const BwrsConstantTexts& texts) = 0;

  virtual void ShowAbout() = 0;
  virtual void ShowHelp() = 0;

  // Ends the modal dialog, and with it the program.
  virtual void EndDialog(int result) = 0;

  // The core's handler of edit change notifications.
  void SetEditChangedHandler(EditChangedHandler handler) { editChanged_ = std::move(handler); }

 protected:
  void NotifyEditChanged(int id) const {
    if (editChanged_) editChanged_(id);
  }

 private:
  EditChangedHandler editChanged_;
};

}  // namespace corvane
