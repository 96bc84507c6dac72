// The seam between the calculator core and a face (the Qt window, the Win32
// window or the headless surface): what CCalcDlg needs from a window, and
// nothing more.
//
// The rules every face must keep alike live here, once, in the non-virtual
// operations: an edit's length limit, the change notification of every text
// set, the exclusivity of radio buttons. A face only overrides the toolkit
// steps below them (ReadText, WriteText, ReadChecked, WriteChecked) and the
// windows it shows.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

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
  std::string GetText(int id) const { return ReadText(id); }
  // Sets a control's text. An edit keeps at most res::kEditTextLimit bytes
  // of it and raises its change notification at once, exactly as typing
  // does, even when the text is the one it already holds.
  void SetText(int id, std::string_view text);
  // The number an edit's text reads as (ParseNumber). A run reads each
  // fraction several times and every edit change reads all fifteen: an edit
  // whose text is unchanged since it was last read keeps its value, so a
  // long text is parsed once, not at every read. A surface that knows when
  // its texts change may keep the value more cheaply.
  virtual double GetNumber(int id) const {
    std::string text = GetText(id);
    ParsedText& parsed = parsedTexts_[id];  // starts as "", which reads as 0
    if (parsed.text != text) {
      parsed.value = ParseNumber(text);
      parsed.text = std::move(text);
    }
    return parsed.value;
  }

  // Radio buttons and check boxes. Checking a radio button unchecks the
  // others of its group.
  bool IsChecked(int id) const { return ReadChecked(id); }
  void SetChecked(int id, bool checked);

  // Puts the keyboard focus on a control, as the Tab key would: an edit's
  // text is then selected, so that typing replaces it.
  virtual void SetFocus(int id) = 0;

  // The text selected in the control that has the focus; empty when there
  // is none.
  virtual std::string SelectedText() const = 0;
  // Puts a text on the clipboard; lines end in "\n", and a face whose
  // platform ends them otherwise translates.
  virtual void CopyToClipboard(std::string_view text) = 0;

  // A modal message box with an OK button.
  virtual void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) = 0;

  // The save or open dialog of mixture files (res::MixtureFileFilters and
  // the names beside it): the chosen path, or nothing when the user
  // cancelled.
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
  // The toolkit's own steps: a control's text and check mark as they stand,
  // and writing them without any of the rules above (no cut, no
  // notification, no other button touched).
  virtual std::string ReadText(int id) const = 0;
  virtual void WriteText(int id, std::string_view text) = 0;
  virtual bool ReadChecked(int id) const = 0;
  virtual void WriteChecked(int id, bool checked) = 0;

  // A face calls this when the user has changed an edit's text (typing,
  // pasting, cutting); texts the core sets notify by themselves.
  void NotifyEditChanged(int id) const {
    if (editChanged_) editChanged_(id);
  }

 private:
  EditChangedHandler editChanged_;
  struct ParsedText {
    std::string text;
    double value = 0;
  };
  mutable std::map<int, ParsedText> parsedTexts_;  // by edit id: the last text read and its value
};

}  // namespace corvane
