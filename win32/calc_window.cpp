#include "win32/calc_window.h"

#include <cstring>

#include "text/wide_text.h"
#include "win32/dialog_template.h"
#include "win32/help_page.h"
#include "win32/mixture_file_dialog.h"
#include "win32/small_dialogs.h"

namespace corvane::win32 {
namespace {

std::wstring Wide(std::string_view text) { return WidenUtf8(text).value_or(std::wstring()); }

// The window whose keys the queue hook watches: the one calculator dialog
// of this thread while it runs.
thread_local CalcWindow* hookedWindow = nullptr;

// Asks the window to bring the control with the focus into view once the
// dialog manager has moved it (Tab, Shift+Tab, the arrow keys).
constexpr UINT kShowFocus = WM_APP + 1;

WPARAM VirtualKey(res::AcceleratorKey key) { return key == res::AcceleratorKey::F1 ? VK_F1 : 'C'; }

bool Held(int virtualKey) { return ::GetKeyState(virtualKey) < 0; }

}  // namespace

CalcWindow::CalcWindow(HINSTANCE instance) : instance_(instance), calc_(*this) {}

CalcWindow::~CalcWindow() {
  if (bigIcon_ != nullptr) ::DestroyIcon(bigIcon_);
  if (smallIcon_ != nullptr) ::DestroyIcon(smallIcon_);
}

void CalcWindow::RunModal() {
  // A main window with its own task-bar button, sizing frame, minimise and
  // maximise boxes and a sunken client edge.
  const DialogTemplate dialog(res::CalculatorDialog(),
                              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                                  WS_MAXIMIZEBOX | WS_VISIBLE,
                              WS_EX_CLIENTEDGE | WS_EX_APPWINDOW);
  hookedWindow = this;
  queueHook_ = ::SetWindowsHookExW(WH_GETMESSAGE, &CalcWindow::QueueHook, nullptr, ::GetCurrentThreadId());
  ::DialogBoxIndirectParamW(instance_, dialog.Get(), nullptr, &CalcWindow::DialogProc,
                            reinterpret_cast<LPARAM>(this));
  if (queueHook_ != nullptr) ::UnhookWindowsHookEx(queueHook_);
  queueHook_ = nullptr;
  hookedWindow = nullptr;
}

LRESULT CALLBACK CalcWindow::QueueHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE && hookedWindow != nullptr) {
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (hookedWindow->PostCommandForKey(*message)) message->message = WM_NULL;
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

bool CalcWindow::PostCommandForKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || window_ == nullptr) return false;
  // Keys of this dialog only: not those of a message box or view it owns.
  if (message.hwnd != window_ && !::IsChild(window_, message.hwnd)) return false;
  for (const res::AcceleratorResource& accelerator : res::CalculatorAccelerators()) {
    if (message.wParam != VirtualKey(accelerator.key) || Held(VK_CONTROL) != accelerator.control ||
        Held(VK_MENU) || Held(VK_SHIFT))
      continue;
    // Posted, not sent: the command may open windows of its own, which it
    // should not do inside the hook.
    ::PostMessageW(window_, WM_COMMAND, MAKEWPARAM(accelerator.commandId, 1), 0);
    return true;
  }
  if (message.wParam == VK_TAB || (message.wParam >= VK_LEFT && message.wParam <= VK_DOWN))
    ::PostMessageW(window_, kShowFocus, 0, 0);
  return false;
}

INT_PTR CALLBACK CalcWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<CalcWindow*>(lParam);
    ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    self->window_ = window;
  }
  auto* self = reinterpret_cast<CalcWindow*>(::GetWindowLongPtrW(window, DWLP_USER));
  return self == nullptr ? FALSE : self->HandleMessage(message, wParam, lParam);
}

INT_PTR CalcWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (scrolled_.HandleMessage(message, wParam)) return TRUE;
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return FALSE;  // the focus is set
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      return TRUE;
    case WM_SYSCOMMAND:
      // The system menu's "About Corvane..." opens the About box like the
      // menu bar's command of the same id; every other one is the system's.
      if ((wParam & 0xFFF0) == res::IDM_ABOUTBOX) {
        calc_.OnCommand(res::IDM_ABOUTBOX);
        return TRUE;
      }
      return FALSE;
    case WM_QUERYDRAGICON: return reinterpret_cast<INT_PTR>(bigIcon_);
    case kShowFocus: scrolled_.ShowControl(::GetFocus()); return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return OnControlColour(message, wParam, lParam);
    default: return FALSE;
  }
}

void CalcWindow::OnInitDialog() {
  AttachMenuBar();
  // Typing and pasting stop at the limit the seam cuts set texts to.
  for (const res::ControlResource& control : res::CalculatorDialog().controls)
    if (control.kind == res::ControlKind::Edit)
      ::SendDlgItemMessageW(window_, control.id, EM_SETLIMITTEXT, res::kEditTextLimit, 0);
  calc_.OnInitDialog();
  AddAboutToSystemMenu();
  SetIcons();
}

void CalcWindow::AttachMenuBar() {
  // A flat bar: each item is a command of its own, with no drop-down.
  HMENU bar = ::CreateMenu();
  for (const res::MenuItemResource& item : res::CalculatorMenu())
    ::AppendMenuW(bar, MF_STRING, static_cast<UINT_PTR>(item.commandId), Wide(item.text).c_str());
  ::SetMenu(window_, bar);
  // The template's size is the client area's: the window grows by what the
  // menu bar took from it.
  RECT wanted{0, 0, res::CalculatorDialog().width, res::CalculatorDialog().height};
  ::MapDialogRect(window_, &wanted);
  RECT client, frame;
  ::GetClientRect(window_, &client);
  ::GetWindowRect(window_, &frame);
  ::SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left + wanted.right - client.right,
                 frame.bottom - frame.top + wanted.bottom - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // On a screen too small for it, the window shrinks and scrolls.
  scrolled_.Attach(window_, SIZE{wanted.right, wanted.bottom});
}

void CalcWindow::AddAboutToSystemMenu() {
  const std::string_view text = res::AboutMenuString();
  if (text.empty()) return;
  HMENU system = ::GetSystemMenu(window_, FALSE);
  if (system == nullptr) return;
  ::AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(system, MF_STRING, res::IDM_ABOUTBOX, Wide(text).c_str());
}

void CalcWindow::SetIcons() {
  const auto load = [this](int sizeMetric) {
    const int size = ::GetSystemMetrics(sizeMetric);
    return static_cast<HICON>(
        ::LoadImageW(instance_, MAKEINTRESOURCEW(res::IDR_MAINFRAME), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
  };
  bigIcon_ = load(SM_CXICON);
  smallIcon_ = load(SM_CXSMICON);
  ::SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
  ::SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

void CalcWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  if (lParam == 0) {
    // The menu bar, or the dialog manager's OK (Enter) and Cancel (Escape,
    // the close box): commands of the dialog.
    calc_.OnCommand(id);
    return;
  }
  const res::ControlResource* control = res::FindCalculatorControl(id);
  if (control == nullptr) return;
  if (control->kind == res::ControlKind::Edit && code == EN_CHANGE) {
    if (!settingText_) NotifyEditChanged(id);
  } else if (control->kind == res::ControlKind::PushButton && code == BN_CLICKED) {
    // Radio buttons and check boxes have no handlers: the next run reads them.
    calc_.OnCommand(id);
  }
}

INT_PTR CalcWindow::OnControlColour(UINT message, WPARAM wParam, LPARAM lParam) {
  const int id = ::GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
  for (const res::TextColour& colour : res::TextColours()) {
    if (colour.id != id) continue;
    // The dialog's own background brush, with the table's text colour.
    const LRESULT brush = ::DefWindowProcW(window_, message, wParam, lParam);
    ::SetTextColor(reinterpret_cast<HDC>(wParam), RGB(colour.red, colour.green, colour.blue));
    return static_cast<INT_PTR>(brush);
  }
  return FALSE;
}

std::string CalcWindow::ReadText(int id) const {
  HWND control = ::GetDlgItem(window_, id);
  if (control == nullptr) return std::string();
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return NarrowToUtf8(text);
}

void CalcWindow::WriteText(int id, std::string_view text) {
  settingText_ = true;
  ::SetDlgItemTextW(window_, id, Wide(text).c_str());
  settingText_ = false;
}

bool CalcWindow::ReadChecked(int id) const { return ::IsDlgButtonChecked(window_, id) == BST_CHECKED; }

void CalcWindow::WriteChecked(int id, bool checked) {
  ::CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void CalcWindow::SetFocus(int id) {
  HWND control = ::GetDlgItem(window_, id);
  if (control == nullptr) return;
  // As the dialog manager moves it, selecting an edit's text.
  ::SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  scrolled_.ShowControl(control);
}

std::string CalcWindow::SelectedText() const {
  HWND focus = ::GetFocus();
  wchar_t className[16] = {};
  if (focus == nullptr || !::IsChild(window_, focus) || ::GetClassNameW(focus, className, 16) == 0 ||
      ::lstrcmpiW(className, L"Edit") != 0)
    return std::string();
  DWORD start = 0, end = 0;
  ::SendMessageW(focus, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(focus)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(focus, text.data(), static_cast<int>(text.size()))));
  if (end > text.size()) end = static_cast<DWORD>(text.size());
  return start < end ? NarrowToUtf8(text.substr(start, end - start)) : std::string();
}

void CalcWindow::CopyToClipboard(std::string_view text) {
  // Windows ends the lines of clipboard text in CR LF.
  std::wstring lines;
  for (const wchar_t c : Wide(text)) {
    if (c == L'\n') lines += L'\r';
    lines += c;
  }
  const std::size_t bytes = (lines.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) return;
  std::memcpy(::GlobalLock(memory), lines.c_str(), bytes);
  ::GlobalUnlock(memory);
  // Another program may hold the clipboard for a moment.
  bool opened = false;
  for (int attempt = 0; attempt < 10 && !(opened = ::OpenClipboard(window_)); ++attempt) ::Sleep(20);
  if (opened && ::EmptyClipboard() && ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr) memory = nullptr;
  if (opened) ::CloseClipboard();
  if (memory != nullptr) ::GlobalFree(memory);
}

HWND CalcWindow::Owner() const {
  HWND active = ::GetActiveWindow();
  return active != nullptr ? active : window_;
}

void CalcWindow::ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
  ::MessageBoxW(Owner(), Wide(text).c_str(), Wide(caption).c_str(),
                MB_OK | (icon == MessageIcon::Error ? MB_ICONERROR : MB_ICONINFORMATION));
}

std::optional<std::string> CalcWindow::AskMixtureFileName(FileDialogKind kind) {
  return AskMixtureFile(window_, kind);
}

void CalcWindow::ShowConstants(const BwrsConstantTexts& texts) {
  std::vector<ControlText> values;
  for (std::size_t row = 0; row < texts.size(); ++row) values.push_back({res::kConstantStatics[row], texts[row]});
  RunSmallDialog(instance_, window_, res::ConstantsDialog(), values);
}

void CalcWindow::ShowAbout() { RunSmallDialog(instance_, window_, res::AboutDialog(), {}); }

void CalcWindow::ShowHelp() { OpenHelpPage(window_, Owner()); }

void CalcWindow::EndDialog(int result) { ::EndDialog(window_, result); }

}  // namespace corvane::win32
