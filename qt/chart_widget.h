// An area of a dialog that paints a chart: the core lays the chart out for
// the area's size (views/chart.h) and this only strokes the lines, fills
// the dots and writes the texts it is given.
#pragma once

#include <QWidget>

#include "model/chart.h"

namespace corvane::qt {

class ChartWidget final : public QWidget {
 public:
  using QWidget::QWidget;

  void SetChart(const ChartContent& chart);
  const ChartContent& Chart() const { return chart_; }
  // What the last paint drew, in the widget's pixels.
  const ChartDrawing& Drawing() const { return drawing_; }
  // Lays the chart out for the widget's present size.
  ChartDrawing LaidOut() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ChartContent chart_;
  bool hasChart_ = false;
  ChartDrawing drawing_;
};

}  // namespace corvane::qt
