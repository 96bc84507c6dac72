#include "win32/scrolled_client.h"

#include <algorithm>

namespace corvane::win32 {

namespace {

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

}  // namespace

void ScrolledClient::Attach(HWND window, SIZE content) {
  window_ = window;
  content_ = content;
  RECT frame;
  ::GetWindowRect(window_, &frame);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (::GetMonitorInfoW(::MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& work = monitor.rcWork;
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    // A scroll bar along one side takes room from the other: the window
    // grows by its breadth, where the screen has room, so that it does not
    // need the second bar as well.
    const UINT dpi = ::GetDpiForWindow(window_);
    if (height > work.bottom - work.top) width += ::GetSystemMetricsForDpi(SM_CXVSCROLL, dpi);
    if (width > work.right - work.left) height += ::GetSystemMetricsForDpi(SM_CYHSCROLL, dpi);
    width = std::min<int>(width, work.right - work.left);
    height = std::min<int>(height, work.bottom - work.top);
    const int x = Clamp(frame.left, work.left, work.right - width);
    const int y = Clamp(frame.top, work.top, work.bottom - height);
    ::SetWindowPos(window_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  UpdateBars();
}

void ScrolledClient::UpdateBars() {
  // A bar shown or hidden resizes the client area, which comes back here.
  if (window_ == nullptr || updating_) return;
  updating_ = true;
  // Showing one bar narrows the room for the other: set both twice.
  for (int pass = 0; pass < 2; ++pass) {
    for (const int bar : {SB_VERT, SB_HORZ}) {
      RECT client;
      ::GetClientRect(window_, &client);
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
      info.nMax = (bar == SB_VERT ? content_.cy : content_.cx) - 1;
      info.nPage = static_cast<UINT>(bar == SB_VERT ? client.bottom : client.right);
      info.nPos = bar == SB_VERT ? offset_.y : offset_.x;
      ::SetScrollInfo(window_, bar, &info, TRUE);
    }
  }
  // A larger window may show more than was scrolled away: scroll back.
  ScrollTo(offset_.x, offset_.y);
  updating_ = false;
}

bool ScrolledClient::HandleMessage(UINT message, WPARAM wParam) {
  if (window_ == nullptr) return false;
  switch (message) {
    case WM_VSCROLL: OnScroll(SB_VERT, LOWORD(wParam)); return true;
    case WM_HSCROLL: OnScroll(SB_HORZ, LOWORD(wParam)); return true;
    case WM_MOUSEWHEEL: {
      const int line = ::MulDiv(16, static_cast<int>(::GetDpiForWindow(window_)), 96);
      ScrollTo(offset_.x, offset_.y - GET_WHEEL_DELTA_WPARAM(wParam) * 3 * line / WHEEL_DELTA);
      return true;
    }
    case WM_SIZE: UpdateBars(); return false;
    default: return false;
  }
}

void ScrolledClient::OnScroll(int bar, WORD request) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  ::GetScrollInfo(window_, bar, &info);
  const int line = ::MulDiv(16, static_cast<int>(::GetDpiForWindow(window_)), 96);
  int position = info.nPos;
  switch (request) {
    case SB_LINEUP: position -= line; break;
    case SB_LINEDOWN: position += line; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
  }
  if (bar == SB_VERT) {
    ScrollTo(offset_.x, position);
  } else {
    ScrollTo(position, offset_.y);
  }
}

void ScrolledClient::ShowControl(HWND control) {
  if (window_ == nullptr || control == nullptr) return;
  RECT place;
  ::GetWindowRect(control, &place);
  ::MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
  RECT client;
  ::GetClientRect(window_, &client);
  // Its far edge into view first, then its near edge, which wins when the
  // control is larger than the view.
  const auto shift = [](LONG nearEdge, LONG farEdge, LONG room) {
    LONG by = farEdge > room ? farEdge - room : 0;
    if (nearEdge - by < 0) by = nearEdge;
    return static_cast<int>(by);
  };
  ScrollTo(offset_.x + shift(place.left, place.right, client.right),
           offset_.y + shift(place.top, place.bottom, client.bottom));
}

void ScrolledClient::ScrollTo(int x, int y) {
  RECT client;
  ::GetClientRect(window_, &client);
  x = Clamp(x, 0, std::max(0L, content_.cx - client.right));
  y = Clamp(y, 0, std::max(0L, content_.cy - client.bottom));
  if (x != offset_.x || y != offset_.y) {
    ::ScrollWindowEx(window_, offset_.x - x, offset_.y - y, nullptr, nullptr, nullptr, nullptr,
                     SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    offset_ = {x, y};
  }
  ::SetScrollPos(window_, SB_HORZ, x, TRUE);
  ::SetScrollPos(window_, SB_VERT, y, TRUE);
}

}  // namespace corvane::win32
