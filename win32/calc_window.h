// The calculator window on Win32: dialog 102 built in memory from the
// resource tables, run by the system's dialog manager. It passes every
// command, key of the accelerator table and edit change to CCalcDlg and
// carries out what CCalcDlg asks of a window through the DialogSurface seam.
// It computes nothing and keeps no state of its own beyond its window.
#pragma once

#include "app/calc_dlg.h"
#include "platform/dialog_surface.h"
#include "win32/scrolled_client.h"
#include "win32/windows_api.h"

namespace corvane::win32 {

class CalcWindow final : public DialogSurface {
 public:
  explicit CalcWindow(HINSTANCE instance);
  CalcWindow(const CalcWindow&) = delete;
  CalcWindow& operator=(const CalcWindow&) = delete;
  ~CalcWindow() override;

  // Runs the dialog modally until it ends.
  void RunModal();

  void SetFocus(int id) override;
  std::string SelectedText() const override;
  void CopyToClipboard(std::string_view text) override;
  void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
  std::optional<std::string> AskMixtureFileName(FileDialogKind kind) override;
  void ShowConstants(const BwrsConstantTexts& texts) override;
  void ShowAbout() override;
  void ShowHelp() override;
  void EndDialog(int result) override;

 protected:
  std::string ReadText(int id) const override;
  void WriteText(int id, std::string_view text) override;
  bool ReadChecked(int id) const override;
  void WriteChecked(int id, bool checked) override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Sees every message the dialog's loop takes from the queue, before the
  // dialog manager does: the accelerator keys become commands there.
  static LRESULT CALLBACK QueueHook(int code, WPARAM wParam, LPARAM lParam);
  // True when `message` is a key of the accelerator table for this window:
  // its command is then posted, and the key goes no further.
  bool PostCommandForKey(const MSG& message);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnInitDialog();
  void OnCommand(WPARAM wParam, LPARAM lParam);
  INT_PTR OnControlColour(UINT message, WPARAM wParam, LPARAM lParam);
  void AttachMenuBar();
  void AddAboutToSystemMenu();
  void SetIcons();
  // The window that owns message boxes: the active one.
  HWND Owner() const;

  HINSTANCE instance_;
  HWND window_ = nullptr;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  HHOOK queueHook_ = nullptr;
  ScrolledClient scrolled_;
  // Set while the program itself writes a control's text: the edit's own
  // change notification is then left out (the seam raises one).
  bool settingText_ = false;
  CCalcDlg calc_;
};

}  // namespace corvane::win32
