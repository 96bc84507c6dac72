// A dialog larger than the screen: the window shrinks to the screen's free
// area and scroll bars reach the rest of its client area, as the Qt window's
// scroll area does. The controls keep their places relative to each other;
// scrolling moves them all.
#pragma once

#include "win32/windows_api.h"

namespace corvane::win32 {

class ScrolledClient {
 public:
  // The dialog and the size of its whole client area in pixels. Shrinks the
  // window to the free area of its monitor when it does not fit there.
  void Attach(HWND window, SIZE content);

  // The window's scroll messages, wheel and size changes; true when handled.
  bool HandleMessage(UINT message, WPARAM wParam);

  // Scrolls so that the control lies in view, as far as it can.
  void ShowControl(HWND control);

 private:
  // Sets both scroll bars for the client area as it is now.
  void UpdateBars();
  // Scrolls one bar by the request of its scroll message.
  void OnScroll(int bar, WORD request);
  void ScrollTo(int x, int y);

  HWND window_ = nullptr;
  SIZE content_{};
  POINT offset_{};  // how far the content is scrolled
  bool updating_ = false;
};

}  // namespace corvane::win32
