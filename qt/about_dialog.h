// The About box (dialog 100): icon, "Corvane Version 1.0" and OK.
#pragma once

#include <QDialog>
#include <memory>

#include "qt/dialog_controls.h"

namespace corvane::qt {

class AboutDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* owner);
  ~AboutDialog() override;

  QWidget* Control(int id) const { return controls_->Find(id); }

 private:
  std::unique_ptr<DialogControls> controls_;
};

}  // namespace corvane::qt
