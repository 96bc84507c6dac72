// A DialogSurface with its controls in memory, for corvane-cli and tests.
// Message boxes and the constants view are recorded and passed to an
// optional listener; file dialogs are answered by the caller beforehand.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/dialog_surface.h"
#include "res/dialogs.h"

namespace corvane {

struct ShownMessage {
  std::string text;
  std::string caption;
  MessageIcon icon;
};

class HeadlessSurface : public DialogSurface {
 public:
  // Controls, kinds, radio groups and start-up texts of dialog 102.
  HeadlessSurface();

  // Read once per text: a run reads the fifteen fractions several times.
  double GetNumber(int id) const override;
  void SetFocus(int id) override { focus = id; }
  // Nothing is ever selected here.
  std::string SelectedText() const override { return {}; }
  void CopyToClipboard(std::string_view text) override { clipboard.assign(text); }
  void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
  std::optional<std::string> AskMixtureFileName(FileDialogKind kind) override;
  void ShowConstants(const BwrsConstantTexts& texts) override;
  void ShowAbout() override { ++aboutShown; }
  void ShowHelp() override { ++helpShown; }
  void EndDialog(int result) override { endResult = result; }

  // The answer of the next file dialog: a path, or nothing to cancel it.
  // Without an answer the dialog is cancelled.
  void AnswerNextFileDialog(std::optional<std::string> path) { nextFileAnswer_ = std::move(path); }

  // Remembers every control's text and check; Revert puts back those changed
  // since, so one surface can start many runs from the same state.
  void Checkpoint();
  void Revert();

  std::function<void(const ShownMessage&)> onMessage;
  std::function<void(const BwrsConstantTexts&)> onConstants;

  std::vector<ShownMessage> messages;
  std::optional<BwrsConstantTexts> lastConstants;
  int aboutShown = 0;
  int helpShown = 0;
  std::optional<int> endResult;
  int focus = 0;          // the control given the focus last
  std::string clipboard;  // the text copied last

 protected:
  std::string ReadText(int id) const override;
  void WriteText(int id, std::string_view text) override;
  bool ReadChecked(int id) const override;
  void WriteChecked(int id, bool checked) override;

 private:
  struct Control {
    std::string text;
    bool checked = false;
    bool changed = false;  // since the checkpoint
    mutable bool numberKnown = false;
    mutable double number = 0;  // what text reads as, when numberKnown
  };
  // The control with `id`, or nullptr.
  Control* Find(int id);
  const Control* Find(int id) const;
  void MarkChanged(Control& control);
  std::vector<Control> controls_;
  // controls_'s index of each id from 0 to the largest, -1 where none: the
  // run reads the edits often enough for the lookup to count.
  std::vector<short> indexById_;
  std::vector<Control> checkpoint_;
  std::vector<std::size_t> changedSinceCheckpoint_;
  std::optional<std::string> nextFileAnswer_;
};

}  // namespace corvane
