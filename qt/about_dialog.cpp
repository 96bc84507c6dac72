#include "qt/about_dialog.h"

#include <QPushButton>

namespace corvane::qt {

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner) {
  controls_ = BuildModalDialog(this, res::AboutDialog());
  // OK is the box's default button: Enter and a click both close it.
  if (auto* ok = qobject_cast<QPushButton*>(controls_->Button(res::IDOK))) {
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  }
}

AboutDialog::~AboutDialog() = default;

}  // namespace corvane::qt
