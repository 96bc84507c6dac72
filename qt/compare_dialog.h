// The "Compare Equations of State" dialog (dialog 135): the table, the
// lines under it and the charts, as the core formed them. Ctrl+C copies the
// table; the close box, Escape and Enter close it.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "model/compare_view.h"
#include "qt/dialog_controls.h"

namespace corvane::qt {

class ChartWidget;

class CompareDialog final : public QDialog {
  Q_OBJECT

 public:
  CompareDialog(QWidget* owner, const CompareView& view);
  ~CompareDialog() override;

  // The text of a static by id, and a chart area by id (what the dialog shows).
  std::string Text(int id) const { return controls_->Text(id); }
  ChartWidget* Chart(int id) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The view's lines and charts into the controls.
  void ShowLinesAndCharts();

  std::unique_ptr<DialogControls> controls_;
  CompareView view_;
};

}  // namespace corvane::qt
