// The help window: the program's manual, shipped in res/help, in a browser
// window beside the calculator.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace corvane::qt {

class HelpWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* owner);

  QTextBrowser* Browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace corvane::qt
