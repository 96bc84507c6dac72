// What the window tests of the real corvane.exe share: a folder of its own
// for each test, the headless twin the window is compared with, message
// boxes answered, screenshots, pixels read once painted, and a screen at
// 150 %. The resource ids come before <windows.h>, whose IDOK and IDCANCEL
// macros would rewrite the tables' names for the same commands.
#pragma once

#include "res/dialogs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/calc_dlg.h"
#include "calculator_process.h"
#include "platform/headless_surface.h"

namespace corvane::win32_test {

// The folder of the test program, where corvane.exe and corvane-cli.exe lie.
std::filesystem::path ProgramFolder();

// What corvane-cli prints for a script: the headless twin of the window.
std::string Headless(const std::string& script);

// A fresh calculator on the headless surface, initialised as at start-up.
struct HeadlessTwin {
  HeadlessSurface surface;
  CCalcDlg dlg{surface};
  HeadlessTwin() { dlg.OnInitDialog(); }
};

// Lines as the Windows clipboard ends them.
std::string WithCrLf(const std::string& text);

bool Contains(const std::string& text, const std::string& line);

void Screenshot(const RECT& area, const std::wstring& name);
void Screenshot(HWND window, const std::wstring& name);

// The rectangle of a control within its dialog's window capture.
RECT PlaceInWindow(HWND dialog, HWND control);

// The font the dialog manager makes of a dialog's DS_SETFONT entry at a
// screen of `dpi` dots per inch.
HFONT CreateDialogFont(const res::DialogResource& dialog, int dpi);

// Pixels are read off the screen, which a loaded machine may not have
// finished painting: until `painted` holds of a capture of `window` (for a
// few seconds at most), the window is asked to repaint and looked at again.
template <class Painted>
Capture CaptureWhenPainted(const CalculatorProcess& calculator, HWND window, Painted painted) {
  Capture capture = CaptureWindow(window);
  for (int look = 0; look < 30 && !painted(capture); ++look) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    calculator.Settle();
    capture = CaptureWindow(window);
  }
  return capture;
}

// Every text of the dialog fits its control, measured in the dialog's font
// at the screen's scale; a check box or radio button's text beside its box.
void ExpectEveryTextFits(HWND dialog);

// The window lies wholly on the desktop's work area.
void ExpectInsideTheWorkArea(HWND window);

class Window : public ::testing::Test {
 protected:
  Window();
  ~Window() override;
  CalculatorProcess Start(const std::filesystem::path& program = ProgramFolder() / "corvane.exe");
  // The message box the program shows with this caption, closed with OK after reading.
  struct Answered {
    std::string text;
    bool iconIsError = false;
  };
  Answered AnswerMessage(CalculatorProcess& calculator, const std::wstring& caption, const wchar_t* shot);

  std::filesystem::path folder_;
};

// The Wine desktop of these tests is the free area of a 1366x768 laptop
// screen (1366x728); here the screen is at 150 % (144 dots per inch) for
// the programs started.
class SmallScreen : public Window {
 protected:
  static constexpr int kDpi = 144;
  SmallScreen();
  ~SmallScreen() override;

 private:
  HKEY key_ = nullptr;
  DWORD previous_ = 0;
  bool hadValue_ = false;
};

}  // namespace corvane::win32_test
