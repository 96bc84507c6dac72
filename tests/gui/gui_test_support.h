// Helpers of the window tests: answering modal dialogs while an action runs,
// reading widgets as a user sees them, and the headless twin that the window
// must agree with.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "app/calc_dlg.h"
#include "platform/headless_surface.h"
#include "res/dialogs.h"

namespace corvane::qt::testing {

// The text a widget shows.
inline QString WidgetText(const QWidget* widget) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (const auto* group = qobject_cast<const QGroupBox*>(widget)) return group->title();
  return {};
}

// Runs `action`. Each time another modal dialog becomes the active one
// (a new one, or one that a nested dialog returned to) `handler` is called
// with it, from the event loop, so it may open nested dialogs itself. A
// dialog left unanswered for ten seconds is rejected and counted, so a test
// never hangs. Returns how many dialogs had to be rejected that way.
inline int WhileRunning(const std::function<void()>& action, const std::function<void(QWidget*)>& handler) {
  QPointer<QWidget> lastSeen;
  QElapsedTimer sinceSeen;
  int abandoned = 0;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    if (modal != lastSeen) {
      lastSeen = modal;
      sinceSeen.start();
      QPointer<QWidget> target = modal;
      QTimer::singleShot(0, [target, &handler] {
        if (target) handler(target);
      });
    } else if (sinceSeen.elapsed() > 10000) {
      ++abandoned;
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
      sinceSeen.start();
    }
  });
  poll.start();
  action();
  poll.stop();
  return abandoned;
}

// A message box as the user saw it.
struct SeenMessage {
  QString text;
  QString caption;
  QMessageBox::Icon icon;
  bool operator==(const SeenMessage&) const = default;
};

// Runs `action`, reading and confirming every message box it shows.
inline std::vector<SeenMessage> AnsweringMessages(const std::function<void()>& action, int* unanswered = nullptr) {
  std::vector<SeenMessage> seen;
  const int left = WhileRunning(action, [&](QWidget* widget) {
    if (auto* box = qobject_cast<QMessageBox*>(widget)) {
      seen.push_back({box->text(), box->windowTitle(), box->icon()});
      box->button(QMessageBox::Ok)->click();
    }
  });
  if (unanswered != nullptr) *unanswered = left;
  return seen;
}

// The messages of the headless twin in the same form.
inline std::vector<SeenMessage> AsSeen(const std::vector<ShownMessage>& messages) {
  std::vector<SeenMessage> seen;
  for (const ShownMessage& m : messages)
    seen.push_back({QString::fromStdString(m.text), QString::fromStdString(m.caption),
                    m.icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information});
  return seen;
}

// The same core on the headless surface that corvane-cli uses: whatever the
// user does in the window, done here too, must leave the same texts.
struct Twin {
  Twin() { dlg.OnInitDialog(); }
  HeadlessSurface surface;
  CCalcDlg dlg{surface};
};

}  // namespace corvane::qt::testing
