#include "qt/compare_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QTimer>

#include "qt/chart_widget.h"
#include "res/dialogs.h"
#include "views/compare_text.h"

namespace corvane::qt {

CompareDialog::CompareDialog(QWidget* owner, const CompareView& view) : QDialog(owner), view_(view) {
  controls_ = BuildModalDialog(this, res::CompareDialog());
  for (int row = 0; row < res::kCompareRowCount && row < static_cast<int>(view.rows.size()); ++row) {
    for (int column = 0; column < static_cast<int>(kCompareColumnCount); ++column) {
      const int id = res::CompareValueId(row, column);
      controls_->SetText(id, view.rows[static_cast<std::size_t>(row)].values[static_cast<std::size_t>(column)]);
      // The method notes run over several lines.
      if (auto* label = qobject_cast<QLabel*>(controls_->Find(id)); label && label->height() > label->fontMetrics().height() * 3 / 2) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      }
    }
  }
  ShowLinesAndCharts();
  // What the view leaves to complete comes once the dialog is on the screen.
  if (view_.complete)
    QTimer::singleShot(0, this, [this] {
      CompleteView(view_);
      ShowLinesAndCharts();
    });
}

void CompareDialog::ShowLinesAndCharts() {
  for (int line = 0; line < res::kCompareLineCount; ++line)
    controls_->SetText(res::IDC_COMPARE_LINE_FIRST + line,
                       line < static_cast<int>(view_.lines.size()) ? view_.lines[static_cast<std::size_t>(line)] : "");
  if (ChartWidget* z = Chart(res::IDC_COMPARE_Z_CHART)) z->SetChart(view_.zChart);
  if (ChartWidget* envelope = Chart(res::IDC_COMPARE_ENVELOPE_CHART); envelope && view_.envelopeChart)
    envelope->SetChart(*view_.envelopeChart);
}

CompareDialog::~CompareDialog() = default;

ChartWidget* CompareDialog::Chart(int id) const { return dynamic_cast<ChartWidget*>(controls_->Find(id)); }

void CompareDialog::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    const std::string text = CompareTableText(view_);
    QApplication::clipboard()->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return;
  }
  // Without a default button Enter would do nothing; here it closes the view.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace corvane::qt
