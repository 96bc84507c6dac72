// The real corvane.exe, started in a folder of its own and driven from
// outside through window messages, the way a user's clicks and keys reach
// it; its windows are read back the same way.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace corvane::win32_test {

class CalculatorProcess {
 public:
  // Starts the program in `folder` (it must exist) and waits for its dialog.
  explicit CalculatorProcess(const std::wstring& program, const std::wstring& folder);
  ~CalculatorProcess();
  CalculatorProcess(const CalculatorProcess&) = delete;
  CalculatorProcess& operator=(const CalculatorProcess&) = delete;

  HWND Dialog() const { return dialog_; }
  HWND Control(int id) const { return ::GetDlgItem(dialog_, id); }

  // Typing: the edit's text selected and replaced, one character at a time.
  void Type(int id, const std::string& text);
  // A click on a button; posted, since it may open a modal window.
  void Click(int id);
  // A menu-bar command, as choosing it posts it.
  void Menu(int commandId);
  // A key pressed and released while the control has the focus.
  void Key(HWND window, WPARAM virtualKey);
  // A key struck on the keyboard, with Ctrl held when asked, as the system
  // delivers it to the program's active window: `window` when given (a
  // modal window of the program), else the calculator dialog.
  void Press(WORD virtualKey, bool control = false, HWND window = nullptr);
  // Moves the focus to a control as the dialog manager does (an edit's
  // text is then selected).
  void FocusOn(int id);
  // The window that has the keyboard focus in the program.
  HWND Focus() const;

  // A top-level window of the program with this caption, once it is shown.
  HWND WaitForWindow(const std::wstring& caption, std::chrono::milliseconds timeout = std::chrono::seconds(10));
  // Whether the program ends within the time; its exit code in `code`.
  bool WaitForExit(DWORD* code, std::chrono::milliseconds timeout = std::chrono::seconds(10));
  // Waits until the program has handled everything sent to it so far.
  void Settle() const;

 private:
  PROCESS_INFORMATION process_{};
  HWND dialog_ = nullptr;
};

std::string TextOf(HWND window);
// The clipboard's text, and putting a text on it (UTF-8 here, UTF-16 there).
std::string ClipboardText();
void SetClipboardText(const std::string& text);
std::string TextOf(HWND dialog, int id);

// The children of a window, in z-order.
std::vector<HWND> Children(HWND parent);

// The message box's own parts, read from its controls.
struct MessageBoxParts {
  std::string text;
  HWND icon = nullptr;  // the static showing the icon
};
MessageBoxParts ReadMessageBox(HWND box);

// Whether the static shows this system icon (IDI_ERROR, ...): the icon as
// this process draws it over the same background, pixel for pixel. Icon
// handles of another process cannot be compared under Wine.
bool ShowsSystemIcon(HWND iconStatic, const wchar_t* systemIcon);

// Pixels of a window as the screen shows them, top-down 32-bit BGRA.
struct Capture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  // Whether any pixel within the rectangle (relative to the capture) has this colour.
  bool HasColour(const RECT& area, COLORREF colour) const;
};
Capture CaptureWindow(HWND window);
Capture CaptureScreen(const RECT& area);
// Writes the capture as a 24-bit BMP.
bool SaveBitmap(const Capture& capture, const std::wstring& path);

}  // namespace corvane::win32_test
