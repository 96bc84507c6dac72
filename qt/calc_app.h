// The application object: runs the calculator window modally, and the
// program ends when the window does.
#pragma once

namespace corvane::qt {

class CCalcApp {
 public:
  // Shows the calculator window and returns when it has ended. Answers
  // false: there is nothing to run after the window.
  bool InitInstance();
};

}  // namespace corvane::qt
