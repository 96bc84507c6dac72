#include "qt/help_window.h"

#include <QAction>
#include <QFontMetrics>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "qt/app_icon.h"

namespace corvane::qt {

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window), browser_(new QTextBrowser(this)) {
  setWindowTitle(QStringLiteral("Corvane Help"));
  setWindowIcon(AppIcon());

  // Back and Forward through the links followed, on buttons and on the
  // desktop's keys for them (Alt+Left and Alt+Right).
  auto* tools = new QToolBar(this);
  tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  back_ = tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Back"), browser_,
                           &QTextBrowser::backward);
  back_->setShortcut(QKeySequence::Back);
  forward_ = tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Forward"), browser_,
                              &QTextBrowser::forward);
  forward_->setShortcut(QKeySequence::Forward);
  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);

  // Escape closes the help, as it closes any secondary window.
  auto* close = new QAction(this);
  close->setShortcut(Qt::Key_Escape);
  connect(close, &QAction::triggered, this, &QWidget::close);
  addAction(close);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tools);
  layout->addWidget(browser_);
  browser_->setOpenExternalLinks(true);
  browser_->setSource(QUrl(QStringLiteral("qrc:/help/corvane-help.html")));
  // About a hundred and twenty characters of text to a line, room for the
  // plots of the manual, and forty-five lines.
  const QFontMetrics metrics(browser_->font());
  resize(metrics.averageCharWidth() * 130, metrics.lineSpacing() * 45);
}

}  // namespace corvane::qt
