#include "calculator_process.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

namespace corvane::win32_test {
namespace {

std::wstring Widen(const std::string& text) {
  const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string Narrow(const std::wstring& text) {
  const int length =
      ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length, nullptr,
                        nullptr);
  return narrow;
}

struct WindowSearch {
  DWORD processId;
  std::wstring caption;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !::IsWindowVisible(window)) return TRUE;
  wchar_t caption[256] = {};
  ::GetWindowTextW(window, caption, 256);
  if (search->caption != caption) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM lParam) {
  reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
  return TRUE;
}

// A top-down 32-bit bitmap whose pixels the caller reads and writes.
HBITMAP NewBitmap(int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

}  // namespace

CalculatorProcess::CalculatorProcess(const std::wstring& program, const std::wstring& folder) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process_))
    return;
  ::WaitForInputIdle(process_.hProcess, 10000);
  dialog_ = WaitForWindow(L"Equation of State and Properties Calculator, V1.0");
}

CalculatorProcess::~CalculatorProcess() {
  if (process_.hProcess == nullptr) return;
  if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) ::TerminateProcess(process_.hProcess, 1);
  ::WaitForSingleObject(process_.hProcess, 5000);
  ::CloseHandle(process_.hThread);
  ::CloseHandle(process_.hProcess);
}

void CalculatorProcess::Type(int id, const std::string& text) {
  HWND edit = Control(id);
  ::SendMessageW(edit, EM_SETSEL, 0, -1);
  ::SendMessageW(edit, WM_CHAR, VK_BACK, 0);
  for (wchar_t c : Widen(text)) ::SendMessageW(edit, WM_CHAR, c, 0);
}

void CalculatorProcess::Click(int id) { ::PostMessageW(Control(id), BM_CLICK, 0, 0); }

void CalculatorProcess::Menu(int commandId) { ::PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(commandId, 0), 0); }

void CalculatorProcess::Key(HWND window, WPARAM virtualKey) {
  // Posted, so that the dialog manager's own loop translates them.
  ::PostMessageW(window, WM_KEYDOWN, virtualKey, 1);
  ::PostMessageW(window, WM_KEYUP, virtualKey, (1u << 31) | (1u << 30) | 1);
}

void CalculatorProcess::Press(WORD virtualKey, bool control, HWND window) {
  ::SetForegroundWindow(window != nullptr ? window : dialog_);
  Settle();
  std::vector<INPUT> keys;
  const auto add = [&](WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    keys.push_back(input);
  };
  if (control) add(VK_CONTROL, false);
  add(virtualKey, false);
  add(virtualKey, true);
  if (control) add(VK_CONTROL, true);
  ::SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
  Settle();
}

void CalculatorProcess::FocusOn(int id) {
  ::SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(id)), TRUE);
  Settle();
}

HWND CalculatorProcess::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  ::GetGUIThreadInfo(process_.dwThreadId, &info);
  return info.hwndFocus;
}

HWND CalculatorProcess::WaitForWindow(const std::wstring& caption, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  do {
    WindowSearch search{process_.dwProcessId, caption};
    ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) {
      Settle();
      return search.found;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  } while (std::chrono::steady_clock::now() < end);
  return nullptr;
}

bool CalculatorProcess::WaitForExit(DWORD* code, std::chrono::milliseconds timeout) {
  if (::WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) return false;
  ::GetExitCodeProcess(process_.hProcess, code);
  return true;
}

void CalculatorProcess::Settle() const {
  // A sent message is handled only once everything posted before it is.
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutW(dialog_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

std::string TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      ::SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return Narrow(text);
}

std::string ClipboardText() {
  std::string text;
  if (!::OpenClipboard(nullptr)) return text;
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* wide = static_cast<const wchar_t*>(::GlobalLock(data))) {
      text = Narrow(wide);
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return text;
}

void SetClipboardText(const std::string& text) {
  const std::wstring wide = Widen(text);
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(::GlobalLock(memory), wide.c_str(), bytes);
  ::GlobalUnlock(memory);
  if (!::OpenClipboard(nullptr)) {
    ::GlobalFree(memory);
    return;
  }
  ::EmptyClipboard();
  if (::SetClipboardData(CF_UNICODETEXT, memory) == nullptr) ::GlobalFree(memory);
  ::CloseClipboard();
}

std::string TextOf(HWND dialog, int id) { return TextOf(::GetDlgItem(dialog, id)); }

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  ::EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

MessageBoxParts ReadMessageBox(HWND box) {
  MessageBoxParts parts;
  for (HWND child : Children(box)) {
    wchar_t className[32] = {};
    ::GetClassNameW(child, className, 32);
    if (std::wstring(className) != L"Static") continue;
    if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      parts.icon = child;
    } else if (const std::string text = TextOf(child); !text.empty()) {
      parts.text = text;
    }
  }
  return parts;
}

bool Capture::HasColour(const RECT& area, COLORREF colour) const {
  const std::uint32_t wanted = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  for (int y = std::max<LONG>(area.top, 0); y < std::min<LONG>(area.bottom, height); ++y)
    for (int x = std::max<LONG>(area.left, 0); x < std::min<LONG>(area.right, width); ++x)
      if ((pixels[static_cast<std::size_t>(y) * width + x] & 0xFFFFFF) == wanted) return true;
  return false;
}

Capture CaptureWindow(HWND window) {
  RECT frame;
  ::GetWindowRect(window, &frame);
  return CaptureScreen(frame);
}

Capture CaptureScreen(const RECT& frame) {
  Capture capture;
  capture.width = frame.right - frame.left;
  capture.height = frame.bottom - frame.top;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = NewBitmap(capture.width, capture.height, &bits);
  HGDIOBJ previous = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, capture.width, capture.height, screen, frame.left, frame.top, SRCCOPY);
  ::GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  capture.pixels.assign(first, first + static_cast<std::size_t>(capture.width) * capture.height);
  ::SelectObject(memory, previous);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return capture;
}

bool ShowsSystemIcon(HWND iconStatic, const wchar_t* systemIcon) {
  if (iconStatic == nullptr) return false;
  const Capture shown = CaptureWindow(iconStatic);
  const int size = ::GetSystemMetrics(SM_CXICON);
  if (shown.width < size || shown.height < size) return false;
  HDC memory = ::CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP bitmap = NewBitmap(size, size, &bits);
  HGDIOBJ previous = ::SelectObject(memory, bitmap);
  auto* drawn = static_cast<std::uint32_t*>(bits);
  std::fill(drawn, drawn + size * size, shown.pixels[0]);  // the background behind the icon
  ::DrawIconEx(memory, 0, 0, ::LoadIconW(nullptr, systemIcon), size, size, 0, nullptr, DI_NORMAL);
  ::GdiFlush();
  int same = 0;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      same += (drawn[y * size + x] & 0xFFFFFF) == (shown.pixels[static_cast<std::size_t>(y) * shown.width + x] & 0xFFFFFF);
  ::SelectObject(memory, previous);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  return same >= size * size * 95 / 100;
}

bool SaveBitmap(const Capture& capture, const std::wstring& path) {
  const int rowBytes = (capture.width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = capture.width;
  header.biHeight = capture.height;  // bottom-up
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(rowBytes * capture.height);
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  std::ofstream out(std::filesystem::path(path), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  std::vector<char> row(static_cast<std::size_t>(rowBytes), 0);
  for (int y = capture.height - 1; y >= 0; --y) {
    for (int x = 0; x < capture.width; ++x) {
      const std::uint32_t pixel = capture.pixels[static_cast<std::size_t>(y) * capture.width + x];
      row[3 * x] = static_cast<char>(pixel & 0xFF);
      row[3 * x + 1] = static_cast<char>((pixel >> 8) & 0xFF);
      row[3 * x + 2] = static_cast<char>((pixel >> 16) & 0xFF);
    }
    out.write(row.data(), rowBytes);
  }
  return static_cast<bool>(out);
}

}  // namespace corvane::win32_test
