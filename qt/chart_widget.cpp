#include "qt/chart_widget.h"

#include <QPainter>
#include <QPainterPath>

#include "views/chart.h"

namespace corvane::qt {
namespace {

QColor ToQColor(const ChartColour& c) { return QColor(c.red, c.green, c.blue); }

}  // namespace

void ChartWidget::SetChart(const ChartContent& chart) {
  chart_ = chart;
  hasChart_ = true;
  update();
}

ChartDrawing ChartWidget::LaidOut() const {
  const QFontMetrics metrics(font());
  return DrawChart(chart_, {width(), height(), metrics.averageCharWidth(), metrics.height()});
}

void ChartWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!hasChart_) return;
  drawing_ = LaidOut();
  painter.setRenderHint(QPainter::Antialiasing, true);
  for (const DrawnLine& line : drawing_.lines) {
    QPen pen(ToQColor(line.colour), line.width);
    if (line.dashed) pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    QPolygon polygon;
    for (const PixelPoint& p : line.points) polygon << QPoint(p.x, p.y);
    painter.drawPolyline(polygon);
  }
  painter.setPen(Qt::NoPen);
  for (const DrawnDot& dot : drawing_.dots) {
    painter.setBrush(ToQColor(dot.colour));
    painter.drawEllipse(QPoint(dot.at.x, dot.at.y), dot.radius, dot.radius);
  }
  const QFontMetrics metrics(font());
  for (const DrawnText& text : drawing_.texts) {
    const QString string = QString::fromUtf8(text.text.data(), static_cast<qsizetype>(text.text.size()));
    const int w = metrics.horizontalAdvance(string);
    const int h = metrics.height();
    int x = text.at.x;
    if (text.horizontal == DrawnText::Horizontal::Centre) x -= w / 2;
    if (text.horizontal == DrawnText::Horizontal::Right) x -= w;
    int y = text.at.y;
    if (text.vertical == DrawnText::Vertical::Middle) y -= h / 2;
    if (text.vertical == DrawnText::Vertical::Bottom) y -= h;
    painter.setPen(ToQColor(text.colour));
    painter.drawText(QRect(x, y, w + 1, h), Qt::AlignLeft | Qt::AlignTop, string);
  }
}

}  // namespace corvane::qt
