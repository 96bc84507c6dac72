// A chart as data: the content the core forms from results (series, axes
// with their ticks and labels, marks) and the drawing of it on a canvas
// (lines, dots and anchored texts in pixels) that a window paints. The
// functions that form them are in views/chart.h.
#pragma once

#include <cstdint>
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

}  // namespace corvane
