// The help window: the program's manual, shipped in res/help, in a browser
// window beside the calculator.
#pragma once

#include <QWidget>

class QAction;
class QTextBrowser;

namespace corvane::qt {

class HelpWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* owner);

  QTextBrowser* Browser() const { return browser_; }
  QAction* BackAction() const { return back_; }
  QAction* ForwardAction() const { return forward_; }

 private:
  QTextBrowser* browser_;
  QAction* back_ = nullptr;
  QAction* forward_ = nullptr;
};

}  // namespace corvane::qt
