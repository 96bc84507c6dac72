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
#include "qt/compare_dialog.h"
#include "qt/constants_dialog.h"
#include "qt/help_window.h"
#include "qt/mixture_file_dialog.h"
#include "qt/window_copy_text.h"

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
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      const int editId = id;
      connect(edit, &QLineEdit::textChanged, this, [this, editId] { NotifyEditChanged(editId); });
      // Ctrl+C with nothing selected in an edit copies the whole window.
      edit->installEventFilter(this);
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
  // The first control of the dialog, the pressure edit, takes the focus.
  if (QWidget* first = controls_->Find(res::IDC_PRESSURE)) first->setFocus(Qt::OtherFocusReason);
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
  // F1 asks for help, as everywhere on the desktop.
  if (QAction* help = MenuAction(res::ID_HELP)) help->setShortcut(QKeySequence::HelpContents);
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

std::string CalcWindow::GetText(int id) const { return controls_->Text(id); }

void CalcWindow::SetText(int id, std::string_view text) {
  // An edit notifies its change even when the new text equals the old one,
  // as typing over it would; the toolkit only signals real changes.
  QLineEdit* edit = controls_->Edit(id);
  if (edit != nullptr && edit->text() == ToQString(text)) {
    NotifyEditChanged(id);
    return;
  }
  controls_->SetText(id, text);
}

bool CalcWindow::IsChecked(int id) const { return controls_->IsChecked(id); }
void CalcWindow::SetChecked(int id, bool checked) { controls_->SetChecked(id, checked); }

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

void CalcWindow::ShowCompare(const CompareView& view) {
  CompareDialog compare(this, view);
  compare.exec();
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

bool CalcWindow::CopyOnRequest(QKeyEvent* event) {
  if (!event->matches(QKeySequence::Copy)) return false;
  const QWidget* focus = focusWidget();
  if (const auto* edit = qobject_cast<const QLineEdit*>(focus); edit != nullptr && edit->hasSelectedText())
    return false;  // the edit copies its selection
  if (const auto* label = qobject_cast<const QLabel*>(focus); label != nullptr && label->hasSelectedText()) {
    QGuiApplication::clipboard()->setText(label->selectedText());
  } else {
    QGuiApplication::clipboard()->setText(DialogAsTable(res::CalculatorDialog(), *controls_));
  }
  event->accept();
  return true;
}

bool CalcWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && CopyOnRequest(static_cast<QKeyEvent*>(event))) return true;
  return QDialog::eventFilter(watched, event);
}

void CalcWindow::keyPressEvent(QKeyEvent* event) {
  if (CopyOnRequest(event)) return;
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
