#include "qt/about_dialog.h"

#include <QPushButton>

namespace corvane::qt {

CAboutDlg::CAboutDlg(QWidget* owner) : QDialog(owner) {
  const res::DialogSpec& spec = res::AboutDialog();
  setWindowTitle(ToQString(spec.caption));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFont(DialogFont());
  const DialogUnits units(font());
  setFixedSize(units.ToPixels(spec.width, spec.height));
  controls_ = std::make_unique<DialogControls>(spec, this, units);
  // OK is the box's default button: Enter and a click both close it.
  if (auto* ok = qobject_cast<QPushButton*>(controls_->Button(res::IDOK))) {
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  }
}

CAboutDlg::~CAboutDlg() = default;

}  // namespace corvane::qt
