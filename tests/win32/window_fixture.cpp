#include "window_fixture.h"

#include <sstream>

#include "cli/script_runner.h"

namespace corvane::win32_test {

namespace fs = std::filesystem;
using namespace corvane::res;

fs::path ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fs::path(path).parent_path();
}

std::string Headless(const std::string& script) {
  std::ostringstream out, err;
  RunScript(script, out, err);
  return out.str();
}

std::string WithCrLf(const std::string& text) {
  std::string lines;
  for (const char c : text) {
    if (c == '\n') lines += '\r';
    lines += c;
  }
  return lines;
}

bool Contains(const std::string& text, const std::string& line) { return text.find(line + "\n") != std::string::npos; }

void Screenshot(const RECT& area, const std::wstring& name) {
  fs::create_directories("screenshots");
  SaveBitmap(CaptureScreen(area), (fs::path("screenshots") / (name + L".bmp")).wstring());
}

void Screenshot(HWND window, const std::wstring& name) {
  RECT frame;
  ::GetWindowRect(window, &frame);
  Screenshot(frame, name);
}

RECT PlaceInWindow(HWND dialog, HWND control) {
  RECT frame, place;
  ::GetWindowRect(dialog, &frame);
  ::GetWindowRect(control, &place);
  ::OffsetRect(&place, -frame.left, -frame.top);
  return place;
}

HFONT CreateDialogFont(const DialogResource& dialog, int dpi) {
  LOGFONTW font{};
  font.lfHeight = -::MulDiv(dialog.fontPointSize, dpi, 72);
  fs::path(std::string(dialog.fontFamily)).wstring().copy(font.lfFaceName, LF_FACESIZE - 1);
  return ::CreateFontIndirectW(&font);
}

void ExpectEveryTextFits(HWND dialog) {
  HDC screen = ::GetDC(nullptr);
  HFONT dialogFont = CreateDialogFont(CalculatorDialog(), ::GetDeviceCaps(screen, LOGPIXELSY));
  HGDIOBJ previous = ::SelectObject(screen, dialogFont);
  for (HWND child : Children(dialog)) {
    wchar_t className[32] = {};
    ::GetClassNameW(child, className, 32);
    const std::wstring text = fs::path(TextOf(child)).wstring();
    if (text.empty() || std::wstring(className) == L"Edit") continue;
    SIZE size{};
    ::GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
    RECT client;
    ::GetClientRect(child, &client);
    const LONG type = ::GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
    const bool boxed = std::wstring(className) == L"Button" && (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON);
    EXPECT_LE(size.cx, client.right - (boxed ? ::GetSystemMetrics(SM_CXMENUCHECK) + 2 : 0)) << TextOf(child);
  }
  ::SelectObject(screen, previous);
  ::DeleteObject(dialogFont);
  ::ReleaseDC(nullptr, screen);
}

Window::Window() : folder_(fs::temp_directory_path() / ("corvane-window-" + std::to_string(::GetTickCount64()))) {
  fs::create_directories(folder_);
}

Window::~Window() {
  std::error_code error;
  fs::remove_all(folder_, error);
}

CalculatorProcess Window::Start(const fs::path& program) {
  return CalculatorProcess(program.wstring(), folder_.wstring());
}

Window::Answered Window::AnswerMessage(CalculatorProcess& calculator, const std::wstring& caption,
                                       const wchar_t* shot) {
  HWND box = calculator.WaitForWindow(caption);
  EXPECT_NE(box, nullptr) << "no message box";
  if (box == nullptr) return {};
  const MessageBoxParts parts = ReadMessageBox(box);
  if (shot != nullptr) Screenshot(box, shot);
  bool error = ShowsSystemIcon(parts.icon, IDI_ERROR);
  bool information = ShowsSystemIcon(parts.icon, IDI_INFORMATION);
  // The icon is read off the screen too: a slow paint gets time to arrive.
  for (int look = 0; look < 30 && error == information; ++look) {
    ::RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    calculator.Settle();
    error = ShowsSystemIcon(parts.icon, IDI_ERROR);
    information = ShowsSystemIcon(parts.icon, IDI_INFORMATION);
  }
  EXPECT_NE(error, information) << "one icon or the other";
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  calculator.Settle();
  return {parts.text, error};
}

SmallScreen::SmallScreen() {
  ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                    nullptr);
  DWORD size = sizeof previous_;
  hadValue_ = ::RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&previous_), &size) ==
              ERROR_SUCCESS;
  const DWORD scaled = kDpi;
  ::RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&scaled), sizeof scaled);
}

SmallScreen::~SmallScreen() {
  if (hadValue_) {
    ::RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&previous_), sizeof previous_);
  } else {
    ::RegDeleteValueW(key_, L"LogPixels");
  }
  ::RegCloseKey(key_);
}

void ExpectInsideTheWorkArea(HWND window) {
  RECT work{}, frame{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  ::GetWindowRect(window, &frame);
  EXPECT_GE(frame.left, work.left);
  EXPECT_GE(frame.top, work.top);
  EXPECT_LE(frame.right, work.right);
  EXPECT_LE(frame.bottom, work.bottom);
}

}  // namespace corvane::win32_test
