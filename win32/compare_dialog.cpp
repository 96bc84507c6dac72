#include "win32/compare_dialog.h"

#include <string>
#include <vector>

#include "text/wide_text.h"
#include "views/chart.h"
#include "views/compare_text.h"
#include "win32/clipboard.h"
#include "win32/dialog_template.h"
#include "win32/scrolled_client.h"

namespace corvane::win32 {
namespace {

std::wstring Wide(std::string_view text) { return WidenUtf8(text).value_or(std::wstring()); }

COLORREF Colour(const ChartColour& c) { return RGB(c.red, c.green, c.blue); }

// What the dialog shows, and its scrolling on a screen too small for it.
struct CompareDialogState {
  CompareView* view;
  ScrolledClient scrolled;
};

// Posted once the dialog is up: the view completes what it left for later.
constexpr UINT kCompleteView = WM_APP + 1;

void ShowLines(HWND window, const CompareView& view) {
  for (int line = 0; line < res::kCompareLineCount; ++line)
    ::SetDlgItemTextW(window, res::IDC_COMPARE_LINE_FIRST + line,
                      line < static_cast<int>(view.lines.size()) ? Wide(view.lines[static_cast<std::size_t>(line)]).c_str()
                                                                 : L"");
}

// The Compare dialog of this thread while it runs, and its view: the modal
// loop translates no accelerator, so a queue hook sees Ctrl+C for it.
thread_local HWND compareWindow = nullptr;
thread_local const CompareView* compareView = nullptr;

LRESULT CALLBACK CompareKeys(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE && compareWindow != nullptr) {
    auto* message = reinterpret_cast<MSG*>(lParam);
    const bool ours = message->hwnd == compareWindow || ::IsChild(compareWindow, message->hwnd);
    if (ours && message->message == WM_KEYDOWN && message->wParam == 'C' && ::GetKeyState(VK_CONTROL) < 0 &&
        ::GetKeyState(VK_MENU) >= 0 && ::GetKeyState(VK_SHIFT) >= 0) {
      PutTextOnClipboard(compareWindow, CompareTableText(*compareView));
      message->message = WM_NULL;
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

INT_PTR CALLBACK CompareDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<CompareDialogState*>(::GetWindowLongPtrW(window, DWLP_USER));
  if (state != nullptr && state->scrolled.HandleMessage(message, wParam)) return TRUE;
  switch (message) {
    case WM_INITDIALOG: {
      ::SetWindowLongPtrW(window, DWLP_USER, lParam);
      compareWindow = window;
      state = reinterpret_cast<CompareDialogState*>(lParam);
      const CompareView& view = *state->view;
      for (int row = 0; row < res::kCompareRowCount && row < static_cast<int>(view.rows.size()); ++row)
        for (int column = 0; column < static_cast<int>(kCompareColumnCount); ++column)
          ::SetDlgItemTextW(window, res::CompareValueId(row, column),
                            Wide(view.rows[static_cast<std::size_t>(row)].values[static_cast<std::size_t>(column)]).c_str());
      ShowLines(window, view);
      if (view.complete) ::PostMessageW(window, kCompleteView, 0, 0);
      // On a screen too small for it (a laptop at 150 %), it shrinks and scrolls.
      RECT client;
      ::GetClientRect(window, &client);
      state->scrolled.Attach(window, SIZE{client.right, client.bottom});
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (state == nullptr) return FALSE;
      const CompareView* view = state->view;
      if (item->CtlID == static_cast<UINT>(res::IDC_COMPARE_Z_CHART)) {
        PaintChart(item->hDC, item->rcItem, view->zChart);
      } else if (item->CtlID == static_cast<UINT>(res::IDC_COMPARE_ENVELOPE_CHART)) {
        if (view->envelopeChart) PaintChart(item->hDC, item->rcItem, *view->envelopeChart);
        else ::FillRect(item->hDC, &item->rcItem, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
      } else {
        return FALSE;
      }
      return TRUE;
    }
    case kCompleteView:
      if (state == nullptr) return FALSE;
      CompleteView(*state->view);
      ShowLines(window, *state->view);
      if (HWND envelope = ::GetDlgItem(window, res::IDC_COMPARE_ENVELOPE_CHART)) ::InvalidateRect(envelope, nullptr, TRUE);
      return TRUE;
    case WM_COMMAND:
      // Enter (IDOK), Escape and the close box (IDCANCEL).
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) ::EndDialog(window, LOWORD(wParam));
      return TRUE;
    default: return FALSE;
  }
}

}  // namespace

void PaintChart(HDC dc, const RECT& area, const ChartContent& chart) {
  ::FillRect(dc, &area, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  const ChartCanvas canvas{area.right - area.left, area.bottom - area.top, metrics.tmAveCharWidth,
                           metrics.tmHeight};
  const ChartDrawing drawing = DrawChart(chart, canvas);
  const int saved = ::SaveDC(dc);
  ::SetViewportOrgEx(dc, area.left, area.top, nullptr);
  for (const DrawnLine& line : drawing.lines) {
    HPEN pen = ::CreatePen(line.dashed ? PS_DASH : PS_SOLID, line.dashed ? 1 : line.width, Colour(line.colour));
    HGDIOBJ old = ::SelectObject(dc, pen);
    std::vector<POINT> points;
    for (const PixelPoint& p : line.points) points.push_back({p.x, p.y});
    ::Polyline(dc, points.data(), static_cast<int>(points.size()));
    ::SelectObject(dc, old);
    ::DeleteObject(pen);
  }
  for (const DrawnDot& dot : drawing.dots) {
    HBRUSH brush = ::CreateSolidBrush(Colour(dot.colour));
    HGDIOBJ oldBrush = ::SelectObject(dc, brush);
    HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(NULL_PEN));
    ::Ellipse(dc, dot.at.x - dot.radius, dot.at.y - dot.radius, dot.at.x + dot.radius + 1, dot.at.y + dot.radius + 1);
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBrush);
    ::DeleteObject(brush);
  }
  ::SetBkMode(dc, TRANSPARENT);
  for (const DrawnText& text : drawing.texts) {
    const std::wstring wide = Wide(text.text);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    int x = text.at.x;
    if (text.horizontal == DrawnText::Horizontal::Centre) x -= size.cx / 2;
    if (text.horizontal == DrawnText::Horizontal::Right) x -= size.cx;
    int y = text.at.y;
    if (text.vertical == DrawnText::Vertical::Middle) y -= size.cy / 2;
    if (text.vertical == DrawnText::Vertical::Bottom) y -= size.cy;
    ::SetTextColor(dc, Colour(text.colour));
    ::TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
  }
  ::RestoreDC(dc, saved);
}

void RunCompareDialog(HINSTANCE instance, HWND owner, const CompareView& shown) {
  const DialogTemplate modal(res::CompareDialog(), WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0);
  CompareView view = shown;  // completed while the dialog is up
  compareView = &view;
  HHOOK keys = ::SetWindowsHookExW(WH_GETMESSAGE, &CompareKeys, nullptr, ::GetCurrentThreadId());
  CompareDialogState state{&view, {}};
  ::DialogBoxIndirectParamW(instance, modal.Get(), owner, &CompareDialogProc, reinterpret_cast<LPARAM>(&state));
  if (keys != nullptr) ::UnhookWindowsHookEx(keys);
  compareWindow = nullptr;
  compareView = nullptr;
}

}  // namespace corvane::win32
