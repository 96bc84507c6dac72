#include "qt/dialog_controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "qt/app_icon.h"

namespace corvane::qt {
namespace {

Qt::Alignment LabelAlignment(res::TextAlign align) {
  switch (align) {
    case res::TextAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case res::TextAlign::Left: break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

QWidget* CreateControl(const res::ControlResource& resource, QWidget* parent, const QRect& pixels) {
  const QString text = ToQString(resource.text);
  switch (resource.kind) {
    case res::ControlKind::GroupBox: return new QGroupBox(text, parent);
    case res::ControlKind::Label:
    case res::ControlKind::Static: {
      auto* label = new QLabel(text, parent);
      // Results and notes are shown as they are, never read as markup.
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(LabelAlignment(resource.align));
      return label;
    }
    case res::ControlKind::Edit: {
      auto* edit = new QLineEdit(parent);
      edit->setMaxLength(res::kEditTextLimit);  // typing and pasting stop there; the seam cuts set texts
      return edit;
    }
    case res::ControlKind::RadioButton: return new QRadioButton(text, parent);
    case res::ControlKind::CheckBox: return new QCheckBox(text, parent);
    case res::ControlKind::PushButton: {
      auto* button = new QPushButton(text, parent);
      // Enter never presses a button the dialog has not been given focus to.
      button->setAutoDefault(false);
      return button;
    }
    case res::ControlKind::Icon: {
      auto* label = new QLabel(parent);
      const int side = qMin(pixels.width(), pixels.height());
      label->setPixmap(AppIcon().pixmap(side, side));
      return label;
    }
  }
  return new QWidget(parent);
}

// Tab reaches a radio group at its checked button only (at its first when
// none is checked), as in a desktop dialog: Space on it then changes
// nothing, and the arrow keys still move the choice within the group.
void KeepTabOnCheckedButton(QButtonGroup* group) {
  const QList<QAbstractButton*> buttons = group->buttons();
  QAbstractButton* stop = group->checkedButton();
  if (stop == nullptr && !buttons.isEmpty()) stop = buttons.first();
  for (QAbstractButton* button : buttons) button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace

DialogControls::DialogControls(const res::DialogResource& resource, QWidget* parent, const DialogUnits& units)
    : resource_(resource) {
  for (const res::ControlResource& control : resource.controls) {
    const QRect pixels = units.ToPixels(control.rect);
    QWidget* widget = CreateControl(control, parent, pixels);
    widget->setGeometry(pixels);
    widgets_.push_back(widget);
    if (control.kind == res::ControlKind::RadioButton) {
      QButtonGroup*& group = radioGroups_[control.radioGroup];
      if (group == nullptr) group = new QButtonGroup(parent);
      group->addButton(static_cast<QRadioButton*>(widget));
    }
    if (control.id != res::IDC_STATIC) {
      widget->setObjectName(QStringLiteral("control%1").arg(control.id));
      controls_[control.id] = widget;
    }
  }
  for (const auto& [number, group] : radioGroups_) {
    KeepTabOnCheckedButton(group);
    QButtonGroup* const g = group;
    QObject::connect(group, &QButtonGroup::buttonToggled, group, [g] { KeepTabOnCheckedButton(g); });
  }
}

QWidget* DialogControls::Find(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

QLineEdit* DialogControls::Edit(int id) const { return qobject_cast<QLineEdit*>(Find(id)); }
QAbstractButton* DialogControls::Button(int id) const { return qobject_cast<QAbstractButton*>(Find(id)); }

std::string DialogControls::Text(int id) const {
  QWidget* widget = Find(id);
  QString text;
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) text = edit->text();
  else if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
  else if (auto* button = qobject_cast<QAbstractButton*>(widget)) text = button->text();
  else if (auto* group = qobject_cast<QGroupBox*>(widget)) text = group->title();
  return text.toStdString();
}

void DialogControls::SetText(int id, std::string_view text) {
  QWidget* widget = Find(id);
  const QString value = ToQString(text);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setText(value);
  else if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(value);
  else if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(value);
  else if (auto* group = qobject_cast<QGroupBox*>(widget)) group->setTitle(value);
}

bool DialogControls::IsChecked(int id) const {
  const QAbstractButton* button = Button(id);
  return button != nullptr && button->isChecked();
}

void DialogControls::SetChecked(int id, bool checked) {
  QAbstractButton* button = Button(id);
  if (button == nullptr || !button->isCheckable()) return;
  QButtonGroup* group = button->group();
  if (!checked && group != nullptr && group->exclusive()) {
    // An exclusive group keeps its checked button; let go of that rule for
    // the one change.
    group->setExclusive(false);
    button->setChecked(false);
    group->setExclusive(true);
    return;
  }
  button->setChecked(checked);
}

std::unique_ptr<DialogControls> BuildModalDialog(QDialog* dialog, const res::DialogResource& resource) {
  dialog->setWindowTitle(ToQString(resource.caption));
  dialog->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  dialog->setFont(DialogFont());
  const DialogUnits units(dialog->font());
  dialog->setFixedSize(units.ToPixels(resource.width, resource.height));
  return std::make_unique<DialogControls>(resource, dialog, units);
}

}  // namespace corvane::qt
