// A DialogSurface with its controls in memory, for corvane-cli and tests.
// Message boxes and the constants view are recorded and passed to an
// optional listener; file dialogs are answered by the caller beforehand.
#pragma once

#include <map>
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

  std::string GetText(int id) const override;
  void SetText(int id, std::string_view text) override;
  bool IsChecked(int id) const override;
  void SetChecked(int id, bool checked) override;
  void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
  std::optional<std::string> AskMixtureFileName(FileDialogKind kind) override;
  void ShowConstants(const BwrsConstantTexts& texts) override;
  void ShowAbout() override { ++aboutShown; }
  void ShowHelp() override { ++helpShown; }
  void EndDialog(int result) override { endResult = result; }

  // The answer of the next file dialog: a path, or nothing to cancel it.
  // Without an answer the dialog is cancelled.
  void AnswerNextFileDialog(std::optional<std::string> path) { nextFileAnswer_ = std::move(path); }

  std::function<void(const ShownMessage&)> onMessage;
  std::function<void(const BwrsConstantTexts&)> onConstants;

  std::vector<ShownMessage> messages;
  std::optional<BwrsConstantTexts> lastConstants;
  int aboutShown = 0;
  int helpShown = 0;
  std::optional<int> endResult;

 private:
  struct Control {
    res::ControlKind kind;
    int radioGroup = 0;
    std::string text;
    bool checked = false;
  };
  std::map<int, Control> controls_;
  std::optional<std::string> nextFileAnswer_;
};

}  // namespace corvane
