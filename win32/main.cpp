// corvane.exe: the calculator window on Windows.
#include "win32/calc_window.h"

namespace corvane::win32 {

// The application object: runs the calculator dialog modally; when it has
// ended, the program ends.
class CCalcApp {
 public:
  explicit CCalcApp(HINSTANCE instance) : instance_(instance) {}
  bool InitInstance() {
    CalcWindow window(instance_);
    window.RunModal();  // the way it ended changes nothing
    return false;
  }

 private:
  HINSTANCE instance_;
};

}  // namespace corvane::win32

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The standard controls in the visual styles of current Windows (the
  // manifest asks for them).
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  corvane::win32::CCalcApp app(instance);
  app.InitInstance();
  return 0;
}
