// The "View BWRS Constants" dialog (dialog 134): the eleven mixture
// constants of the last BWRS run, as texts the core has formatted. It has no
// buttons; the close box, Escape and Enter close it.
#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <string>

#include "model/bwrs_constant_texts.h"
#include "qt/dialog_controls.h"

namespace corvane::qt {

class ConstantsDialog final : public QDialog {
  Q_OBJECT

 public:
  // `owner` is the calculator window; `texts` are rows B0 .. gamma.
  ConstantsDialog(QWidget* owner, const BwrsConstantTexts& texts);
  ~ConstantsDialog() override;

  // The text of a value static by id (what the dialog shows).
  std::string Text(int id) const { return controls_->Text(id); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::unique_ptr<DialogControls> controls_;
};

}  // namespace corvane::qt
