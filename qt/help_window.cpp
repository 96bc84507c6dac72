#include "qt/help_window.h"

#include <QFontMetrics>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "qt/app_icon.h"

namespace corvane::qt {

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window), browser_(new QTextBrowser(this)) {
  setWindowTitle(QStringLiteral("Corvane Help"));
  setWindowIcon(AppIcon());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  browser_->setOpenExternalLinks(true);
  browser_->setSource(QUrl(QStringLiteral("qrc:/help/corvane-help.html")));
  // About a hundred characters of text to a line and forty-five lines.
  const QFontMetrics metrics(browser_->font());
  resize(metrics.averageCharWidth() * 110, metrics.lineSpacing() * 45);
}

}  // namespace corvane::qt
