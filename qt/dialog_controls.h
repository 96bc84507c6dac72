// The widgets of one dialog, built from its resource table: every control
// at its dialog-unit rectangle, with its text, alignment and radio group.
// Controls are created in table order, which is also their tab order.
#pragma once

#include <QString>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "qt/dialog_units.h"
#include "res/dialogs.h"

class QAbstractButton;
class QButtonGroup;
class QDialog;
class QLineEdit;
class QWidget;

namespace corvane::qt {

class DialogControls {
 public:
  // Builds the controls of `resource` as children of `parent`, which should use
  // the font `units` was measured from.
  DialogControls(const res::DialogResource& resource, QWidget* parent, const DialogUnits& units);

  // The widget of a control by id; nullptr when the dialog has none.
  QWidget* Find(int id) const;
  QLineEdit* Edit(int id) const;
  QAbstractButton* Button(int id) const;

  // The text of a control and setting it (edits, labels, statics, buttons).
  std::string Text(int id) const;
  void SetText(int id, std::string_view text);

  // Radio buttons: checking one unchecks the others of its group; one may
  // also be unchecked, leaving its group with none.
  bool IsChecked(int id) const;
  void SetChecked(int id, bool checked);

  // Every control with an id, by id.
  const std::map<int, QWidget*>& All() const { return controls_; }
  // Every widget, labels and group boxes included, in table order.
  const std::vector<QWidget*>& InTableOrder() const { return widgets_; }

 private:
  const res::DialogResource& resource_;
  std::map<int, QWidget*> controls_;
  std::vector<QWidget*> widgets_;
  std::map<int, QButtonGroup*> radioGroups_;  // by group number
};

// Gives a small modal dialog (About, the constants view) its caption, frame,
// font and fixed size from its table, and builds its controls.
std::unique_ptr<DialogControls> BuildModalDialog(QDialog* dialog, const res::DialogResource& resource);

// Strings of the tables and the core are UTF-8 bytes.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace corvane::qt
