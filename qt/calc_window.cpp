#include "qt/calc_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "qt/about_dialog.h"
#include "qt/app_icon.h"
#include "qt/constants_dialog.h"
#include "qt/help_window.h"
#include "qt/mixture_file_dialog.h"

namespace corvane::qt {

CalcWindow::CalcWindow() : QDialog(nullptr), calc_(*this) {
  const res::DialogResource& resource = res::CalculatorDialog();
  setWindowTitle(ToQString(resource.caption));
  // A main window with its own task-bar entry, sizing frame, minimise and
  // maximise boxes; no context-help button.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  setWindowIcon(AppIcon());
  setFont(DialogFont());

  const DialogUnits units(font());
  client_ = new QWidget(this);
  client_->setFixedSize(units.ToPixels(resource.width, resource.height));
  controls_ = std::make_unique<DialogControls>(resource, client_, units);

  BuildMenuBar();
  // The controls keep their places when the window is resized: the client
  // area sits in the top-left corner and the rest of the window stays empty.
  // On a screen smaller than the dialog, scroll bars reach the rest.
  scrollArea_ = new QScrollArea(this);
  scrollArea_->setFrameShape(QFrame::NoFrame);
  scrollArea_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  scrollArea_->setWidget(client_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menuBar_);
  layout->addWidget(scrollArea_);

  ApplyTextColours();
  for (const auto& [id, widget] : controls_->All()) {
    // The accelerator keys reach the core before a control acts on them
    // (an edit would copy its own selection, or nothing).
    widget->installEventFilter(this);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      // What the user types; the texts the core sets notify by themselves.
      const int editId = id;
      connect(edit, &QLineEdit::textEdited, this, [this, editId] { NotifyEditChanged(editId); });
    }
  }
  // Results and notes can be selected with the mouse and copied.
  for (const res::ControlResource& control : resource.controls) {
    if (control.kind != res::ControlKind::Static) continue;
    if (auto* label = qobject_cast<QLabel*>(controls_->Find(control.id)))
      label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  // Push buttons are commands of the dialog; radio buttons and check boxes
  // have no handlers: the next run reads them.
  for (const res::ControlResource& control : resource.controls) {
    if (control.kind != res::ControlKind::PushButton) continue;
    const int commandId = control.id;
    connect(controls_->Button(commandId), &QAbstractButton::clicked, this,
            [this, commandId] { calc_.OnCommand(commandId); });
  }

  calc_.OnInitDialog();
  FitToScreen();
}

void CalcWindow::FitToScreen() {
  // The whole dialog when the screen has room for it, otherwise the screen's
  // free area less the window frame; the scroll bars show the rest.
  QSize wanted = client_->size();
  wanted.rheight() += menuBar_->sizeHint().height();
  const QScreen* where = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  if (where != nullptr) {
    const QSize room = where->availableGeometry().size() - kFrameAllowance;
    wanted = wanted.boundedTo(room);
  }
  resize(wanted);
}

CalcWindow::~CalcWindow() {
  // The controls go first, while the core their notifications reach is alive.
  delete client_;
}

void CalcWindow::BuildMenuBar() {
  menuBar_ = new QMenuBar(this);
  // A flat bar: each item is a command of its own, with no drop-down.
  for (const res::MenuItemResource& item : res::CalculatorMenu()) {
    QAction* action = menuBar_->addAction(ToQString(item.text));
    const int commandId = item.commandId;
    connect(action, &QAction::triggered, this, [this, commandId] { calc_.OnCommand(commandId); });
    menuActions_[commandId] = action;
  }
}

void CalcWindow::ApplyTextColours() {
  for (const res::TextColour& colour : res::TextColours()) {
    QWidget* widget = controls_->Find(colour.id);
    if (widget == nullptr) continue;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
    widget->setPalette(palette);
  }
}

QAction* CalcWindow::MenuAction(int commandId) const {
  const auto it = menuActions_.find(commandId);
  return it == menuActions_.end() ? nullptr : it->second;
}

std::string CalcWindow::ReadText(int id) const { return controls_->Text(id); }
void CalcWindow::WriteText(int id, std::string_view text) { controls_->SetText(id, text); }
bool CalcWindow::ReadChecked(int id) const { return controls_->IsChecked(id); }
void CalcWindow::WriteChecked(int id, bool checked) { controls_->SetChecked(id, checked); }

void CalcWindow::SetFocus(int id) {
  // Before the window is shown, the widget takes the focus when it is (and
  // the dialog then selects an edit's text).
  if (QWidget* control = controls_->Find(id)) control->setFocus(Qt::TabFocusReason);
}

std::string CalcWindow::SelectedText() const {
  const QWidget* focus = focusWidget();
  if (const auto* edit = qobject_cast<const QLineEdit*>(focus)) return edit->selectedText().toStdString();
  if (const auto* label = qobject_cast<const QLabel*>(focus)) return label->selectedText().toStdString();
  return {};
}

void CalcWindow::CopyToClipboard(std::string_view text) { QGuiApplication::clipboard()->setText(ToQString(text)); }

QWidget* CalcWindow::ActiveOwner() {
  QWidget* active = QApplication::activeWindow();
  return active != nullptr ? active : this;
}

void CalcWindow::ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                  ToQString(caption), ToQString(text), QMessageBox::Ok, ActiveOwner());
  // "Pressure < 14.7 or > 3000.0 psia" is text, not markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

std::optional<std::string> CalcWindow::AskMixtureFileName(FileDialogKind kind) {
  return AskMixtureFile(this, kind);
}

void CalcWindow::ShowConstants(const BwrsConstantTexts& texts) {
  ConstantsDialog view(this, texts);
  view.exec();
}

void CalcWindow::ShowAbout() {
  AboutDialog about(this);
  about.exec();
}

void CalcWindow::ShowHelp() {
  // One help window, beside the calculator, brought forward on each request.
  if (help_ == nullptr) help_ = new HelpWindow(this);
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void CalcWindow::EndDialog(int result) { done(result); }

void CalcWindow::reject() { calc_.OnCommand(res::IDCANCEL); }

bool CalcWindow::CommandForKey(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  for (const res::AcceleratorResource& accelerator : res::CalculatorAccelerators()) {
    const int key = accelerator.key == res::AcceleratorKey::F1 ? Qt::Key_F1 : Qt::Key_C;
    if (event->key() != key || modifiers != (accelerator.control ? Qt::ControlModifier : Qt::NoModifier)) continue;
    calc_.OnCommand(accelerator.commandId);
    event->accept();
    return true;
  }
  return false;
}

bool CalcWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && CommandForKey(static_cast<QKeyEvent*>(event))) return true;
  return QDialog::eventFilter(watched, event);
}

void CalcWindow::keyPressEvent(QKeyEvent* event) {
  if (CommandForKey(event)) return;
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (enter && plain) {
    // A push button with the focus is pressed by Enter; anywhere else Enter
    // is the OK command, which ends the dialog.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
      button->click();
    } else {
      calc_.OnCommand(res::IDOK);
    }
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace corvane::qt
