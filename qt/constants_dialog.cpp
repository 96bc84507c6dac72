#include "qt/constants_dialog.h"

#include <QKeyEvent>

namespace corvane::qt {

ConstantsDialog::ConstantsDialog(QWidget* owner, const BwrsConstantTexts& texts) : QDialog(owner) {
  controls_ = BuildModalDialog(this, res::ConstantsDialog());
  for (std::size_t row = 0; row < texts.size(); ++row) controls_->SetText(res::kConstantStatics[row], texts[row]);
}

ConstantsDialog::~ConstantsDialog() = default;

void ConstantsDialog::keyPressEvent(QKeyEvent* event) {
  // Without a default button Enter would do nothing; here it closes the view.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace corvane::qt
