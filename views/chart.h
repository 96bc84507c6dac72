// How the core forms a chart (model/chart.h holds the types).
//
// The content (series, axes with their ticks and labels, marks, legend
// entries) is formed once from the results; DrawChart lays it out on a
// canvas of a given size into lines, dots and anchored texts in pixels. A
// window only strokes those lines, fills those dots and writes those texts
// with its own painter, so two windows cannot disagree about what a chart
// shows or where.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/chart.h"

namespace corvane {

// The runs of a curve sampled at `x`, a missing or non-finite `y` making a gap.
std::vector<std::vector<ChartPoint>> RunsWithGaps(std::span<const double> x, std::span<const std::optional<double>> y);

// An axis over at least [lo, hi] with ticks at whole multiples of a step of
// 1, 2 or 5 times a power of ten, at most `maxTicks` of them (three at
// least, as a range around zero may need), the range widened to the ticks
// around it; labels with as many decimals as the step needs, "." as the
// decimal point. An empty range is widened around its value.
ChartAxis NiceAxis(std::string title, double lo, double hi, int maxTicks);

// The chart laid out on `canvas`: the plot frame with the axes' ticks, grid
// and labels, the series clipped to the plot, the marks, and a legend of
// the series at the right.
ChartDrawing DrawChart(const ChartContent& chart, const ChartCanvas& canvas);

// Where a value of the content lands on the canvas of `drawing`.
PixelPoint ChartPixel(const ChartContent& chart, const ChartDrawing& drawing, ChartPoint value);

}  // namespace corvane
