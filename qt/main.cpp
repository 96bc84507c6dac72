// corvane: the calculator window.
#include <QApplication>

#include "qt/app_icon.h"
#include "qt/calc_app.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("corvane"));
  QApplication::setDesktopFileName(QStringLiteral("corvane"));
  QApplication::setWindowIcon(corvane::qt::AppIcon());
  corvane::qt::CCalcApp app;
  app.InitInstance();
  return 0;
}
