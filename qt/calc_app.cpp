#include "qt/calc_app.h"

#include "qt/calc_window.h"

namespace corvane::qt {

bool CCalcApp::InitInstance() {
  CalcWindow window;
  window.exec();  // the way it ended changes nothing
  return false;
}

}  // namespace corvane::qt
