// A chart as the core computes it, and the drawing both windows make of it.
//
// The content (series, axes with their ticks and labels, marks, legend
// entries) is formed once from the results; DrawChart lays it out on a
// canvas of a given size into lines, dots and anchored texts in pixels. A
// window only strokes those lines, fills those dots and writes those texts
// with its own painter, so two windows cannot disagree about what a chart
// shows or where.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace corvane {

struct ChartColour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const ChartColour&, const ChartColour&) = default;
};

struct ChartPoint {
  double x = 0;
  double y = 0;
};

// One curve: runs of joined points; between two runs the curve has a gap.
struct ChartSeries {
  std::string name;
  ChartColour colour;
  std::vector<std::vector<ChartPoint>> runs;
};

// The runs of a curve sampled at `x`, a missing or non-finite `y` making a gap.
std::vector<std::vector<ChartPoint>> RunsWithGaps(std::span<const double> x, std::span<const std::optional<double>> y);

struct ChartTick {
  double value = 0;
  std::string label;
};

struct ChartAxis {
  std::string title;  // with its unit
  double min = 0;
  double max = 1;
  std::vector<ChartTick> ticks;
};

// An axis over at least [lo, hi] with ticks at whole multiples of a step of
// 1, 2 or 5 times a power of ten, at most `maxTicks` of them (three at
// least, as a range around zero may need), the range
// widened to the ticks around it; labels with as many decimals as the step
// needs, "." as the decimal point. An empty range is widened around its value.
ChartAxis NiceAxis(std::string title, double lo, double hi, int maxTicks);

// A place marked on the chart: a vertical line at `at.x` across the plot
// (the entered pressure), or a dot at `at`.
enum class ChartMarkKind { VerticalLine, Dot };
struct ChartMark {
  ChartMarkKind kind = ChartMarkKind::VerticalLine;
  ChartPoint at;
  std::string label;
  ChartColour colour;
};

struct ChartContent {
  std::string title;
  ChartAxis x;
  ChartAxis y;
  std::vector<ChartSeries> series;
  std::vector<ChartMark> marks;
};

// The canvas a window draws on, and the size of its text: an average
// character's width and a line's height, in pixels.
struct ChartCanvas {
  int width = 0;
  int height = 0;
  int charWidth = 6;
  int lineHeight = 13;
};

struct PixelPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct DrawnLine {
  std::vector<PixelPoint> points;  // joined in order
  ChartColour colour;
  int width = 1;
  bool dashed = false;
};

// A text is placed by the point of its box given by the alignment: for
// Horizontal::Centre and Vertical::Top, `at` is the middle of its top edge.
struct DrawnText {
  enum class Horizontal { Left, Centre, Right };
  enum class Vertical { Top, Middle, Bottom };
  PixelPoint at;
  Horizontal horizontal = Horizontal::Left;
  Vertical vertical = Vertical::Top;
  std::string text;
  ChartColour colour;
};

struct DrawnDot {
  PixelPoint at;
  int radius = 3;
  ChartColour colour;
};

struct ChartDrawing {
  // Where the plot itself lies: left, top, right, bottom in pixels.
  int plotLeft = 0;
  int plotTop = 0;
  int plotRight = 0;
  int plotBottom = 0;
  std::vector<DrawnLine> lines;  // grid first, then frame, marks, series, legend
  std::vector<DrawnDot> dots;
  std::vector<DrawnText> texts;
};

// The chart laid out on `canvas`: the plot frame with the axes' ticks, grid
// and labels, the series clipped to the plot, the marks, and a legend of
// the series at the right.
ChartDrawing DrawChart(const ChartContent& chart, const ChartCanvas& canvas);

// Where a value of the content lands on the canvas of `drawing`.
PixelPoint ChartPixel(const ChartContent& chart, const ChartDrawing& drawing, ChartPoint value);

}  // namespace corvane
