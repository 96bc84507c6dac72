// The calculator window: dialog 102 on Qt Widgets. It builds its controls
// and menu bar from the resource tables, passes every command and edit
// change to CCalcDlg, and carries out what CCalcDlg asks of a window through
// the DialogSurface seam. It computes nothing and keeps no state of its own
// beyond its widgets.
#pragma once

#include <QDialog>
#include <QPointer>
#include <map>
#include <memory>

#include "app/calc_dlg.h"
#include "platform/dialog_surface.h"
#include "qt/dialog_controls.h"
#include "qt/help_window.h"

class QAction;
class QMenuBar;
class QScrollArea;

namespace corvane::qt {

class CalcWindow final : public QDialog, public DialogSurface {
  Q_OBJECT

 public:
  CalcWindow();
  ~CalcWindow() override;

  void SetFocus(int id) override;
  std::string SelectedText() const override;
  void CopyToClipboard(std::string_view text) override;
  void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
  std::optional<std::string> AskMixtureFileName(FileDialogKind kind) override;
  void ShowConstants(const BwrsConstantTexts& texts) override;
  void ShowAbout() override;
  void ShowHelp() override;
  void EndDialog(int result) override;

  // The widget of a control of dialog 102 by id, and the menu-bar action of
  // a command: what a user (or a test) clicks and types into.
  QWidget* Control(int id) const { return controls_->Find(id); }
  const DialogControls& Controls() const { return *controls_; }
  QAction* MenuAction(int commandId) const;
  HelpWindow* Help() const { return help_; }

  // Escape and the close box: the cancel command, which ends the dialog.
  void reject() override;

 protected:
  std::string ReadText(int id) const override;
  void WriteText(int id, std::string_view text) override;
  bool ReadChecked(int id) const override;
  void WriteChecked(int id, bool checked) override;

  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Room for the window manager's frame and title bar.
  static constexpr QSize kFrameAllowance{16, 48};

  void BuildMenuBar();
  void FitToScreen();
  // A key of the accelerator table (F1, Ctrl+C) gives its command to the
  // core, wherever the focus is; false for any other key.
  bool CommandForKey(QKeyEvent* event);
  void ApplyTextColours();
  // The window that owns message boxes: the active one.
  QWidget* ActiveOwner();

  QWidget* client_ = nullptr;  // the dialog's client area, parent of every control
  QScrollArea* scrollArea_ = nullptr;
  std::unique_ptr<DialogControls> controls_;
  QMenuBar* menuBar_ = nullptr;
  std::map<int, QAction*> menuActions_;
  QPointer<HelpWindow> help_;
  CCalcDlg calc_;
};

}  // namespace corvane::qt
