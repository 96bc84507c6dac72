#include "views/chart.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "text/number_text.h"

namespace corvane {

std::vector<std::vector<ChartPoint>> RunsWithGaps(std::span<const double> x, std::span<const std::optional<double>> y) {
  std::vector<std::vector<ChartPoint>> runs;
  bool inRun = false;
  for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
    if (!y[i] || !std::isfinite(*y[i]) || !std::isfinite(x[i])) {
      inRun = false;
      continue;
    }
    if (!inRun) runs.emplace_back();
    inRun = true;
    runs.back().push_back({x[i], *y[i]});
  }
  return runs;
}

namespace {

// The decimals a label needs at a step of `mantissa` (1, 2 or 5) times `power`.
int DecimalsFor(double power) {
  int decimals = 0;
  for (double p = power; p < 1.0 && decimals < 15; p *= 10) ++decimals;
  return decimals;
}

struct TickSpacing {
  double step;
  int decimals;
  long first;  // the lowest tick is first * step
  long count;
};

// The spacing of 1, 2 or 5 times a power of ten (formed by repeated
// multiplication, so every platform finds the same one) whose ticks cover
// [lo, hi] in at most maxTicks ticks.
TickSpacing SpacingFor(double lo, double hi, int maxTicks) {
  const double rough = (hi - lo) / std::max(1, maxTicks - 1);
  double power = 1.0;
  while (power > rough) power /= 10;
  while (power * 10 <= rough) power *= 10;
  for (;;) {
    for (double mantissa : {1.0, 2.0, 5.0}) {
      const double step = mantissa * power;
      const double first = std::floor(lo / step);
      const double last = std::max(std::ceil(hi / step), first + 1);
      if (last - first + 1 <= maxTicks)
        return {step, DecimalsFor(power), static_cast<long>(first), static_cast<long>(last - first) + 1};
    }
    power *= 10;
  }
}

}  // namespace

ChartAxis NiceAxis(std::string title, double lo, double hi, int maxTicks) {
  ChartAxis axis;
  axis.title = std::move(title);
  // No physical chart comes near these bounds; within them every step and
  // tick below is a finite, normal number.
  constexpr double kLargest = 1e15;
  if (!std::isfinite(lo) || !std::isfinite(hi)) lo = hi = 0;
  lo = std::clamp(lo, -kLargest, kLargest);
  hi = std::clamp(hi, -kLargest, kLargest);
  if (lo > hi) std::swap(lo, hi);
  if (hi - lo <= 1e-12 * std::max({1.0, std::fabs(lo), std::fabs(hi)})) {
    const double half = std::max(std::fabs(lo) * 0.05, 0.5);
    lo -= half;
    hi += half;
  }
  // Three ticks always suffice: zero and a step either side.
  const TickSpacing spacing = SpacingFor(lo, hi, std::max(3, maxTicks));
  for (long i = 0; i < spacing.count; ++i) {
    double value = static_cast<double>(spacing.first + i) * spacing.step;
    if (value == 0) value = 0;  // no "-0" label
    axis.ticks.push_back({value, FormatFixed(value, spacing.decimals)});
  }
  axis.min = axis.ticks.front().value;
  axis.max = axis.ticks.back().value;
  return axis;
}

namespace {

constexpr ChartColour kBlack{0, 0, 0};
constexpr ChartColour kGrid{220, 220, 220};

// The part of the segment a-b inside the axes' rectangle (Liang-Barsky), or
// nothing when none of it is.
std::optional<std::pair<ChartPoint, ChartPoint>> Clipped(ChartPoint a, ChartPoint b, const ChartAxis& x,
                                                         const ChartAxis& y) {
  double t0 = 0, t1 = 1;
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  auto edge = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
    return true;
  };
  if (!edge(-dx, a.x - x.min) || !edge(dx, x.max - a.x) || !edge(-dy, a.y - y.min) || !edge(dy, y.max - a.y))
    return std::nullopt;
  return std::pair{ChartPoint{a.x + t0 * dx, a.y + t0 * dy}, ChartPoint{a.x + t1 * dx, a.y + t1 * dy}};
}

bool Inside(ChartPoint p, const ChartAxis& x, const ChartAxis& y) {
  return p.x >= x.min && p.x <= x.max && p.y >= y.min && p.y <= y.max;
}

std::size_t LongestLabel(const ChartAxis& axis) {
  std::size_t longest = 0;
  for (const ChartTick& tick : axis.ticks) longest = std::max(longest, tick.label.size());
  return longest;
}

}  // namespace

PixelPoint ChartPixel(const ChartContent& chart, const ChartDrawing& d, ChartPoint value) {
  const double fx = (value.x - chart.x.min) / (chart.x.max - chart.x.min);
  const double fy = (value.y - chart.y.min) / (chart.y.max - chart.y.min);
  return {static_cast<int>(std::lround(d.plotLeft + fx * (d.plotRight - d.plotLeft))),
          static_cast<int>(std::lround(d.plotBottom - fy * (d.plotBottom - d.plotTop)))};
}

ChartDrawing DrawChart(const ChartContent& chart, const ChartCanvas& canvas) {
  using H = DrawnText::Horizontal;
  using V = DrawnText::Vertical;
  const int cw = std::max(1, canvas.charWidth);
  const int lh = std::max(1, canvas.lineHeight);
  const int tick = std::max(2, cw / 2);

  std::size_t longestName = 0;
  for (const ChartSeries& s : chart.series) longestName = std::max(longestName, s.name.size());

  ChartDrawing d;
  // The tick labels' room: digits run wider than the average character.
  d.plotLeft = static_cast<int>((LongestLabel(chart.y) * 5 + 3) / 4 + 1) * cw + tick;
  d.plotTop = chart.title.empty() ? 2 * lh : 3 * lh;
  // The legend's room: its sample line and the longest name, whose letters
  // may run wider than the average character.
  const int legendWidth = static_cast<int>((longestName * 3 + 1) / 2 + 6) * cw;
  d.plotRight = canvas.width - (longestName > 0 ? legendWidth : 2 * cw);
  d.plotBottom = canvas.height - 2 * lh - tick - 2;
  if (d.plotRight <= d.plotLeft + 1) d.plotRight = d.plotLeft + 2;
  if (d.plotBottom <= d.plotTop + 1) d.plotBottom = d.plotTop + 2;
  auto pixel = [&](ChartPoint p) { return ChartPixel(chart, d, p); };

  // Grid and frame.
  for (const ChartTick& t : chart.x.ticks) {
    const int px = pixel({t.value, chart.y.min}).x;
    d.lines.push_back({{{px, d.plotTop}, {px, d.plotBottom}}, kGrid, 1, false});
  }
  for (const ChartTick& t : chart.y.ticks) {
    const int py = pixel({chart.x.min, t.value}).y;
    d.lines.push_back({{{d.plotLeft, py}, {d.plotRight, py}}, kGrid, 1, false});
  }
  d.lines.push_back({{{d.plotLeft, d.plotTop},
                      {d.plotRight, d.plotTop},
                      {d.plotRight, d.plotBottom},
                      {d.plotLeft, d.plotBottom},
                      {d.plotLeft, d.plotTop}},
                     kBlack,
                     1,
                     false});

  // Ticks, their labels and the axes' titles.
  for (const ChartTick& t : chart.x.ticks) {
    const int px = pixel({t.value, chart.y.min}).x;
    d.lines.push_back({{{px, d.plotBottom}, {px, d.plotBottom + tick}}, kBlack, 1, false});
    d.texts.push_back({{px, d.plotBottom + tick + 1}, H::Centre, V::Top, t.label, kBlack});
  }
  for (const ChartTick& t : chart.y.ticks) {
    const int py = pixel({chart.x.min, t.value}).y;
    d.lines.push_back({{{d.plotLeft - tick, py}, {d.plotLeft, py}}, kBlack, 1, false});
    d.texts.push_back({{d.plotLeft - tick - 2, py}, H::Right, V::Middle, t.label, kBlack});
  }
  d.texts.push_back({{(d.plotLeft + d.plotRight) / 2, d.plotBottom + tick + lh + 1}, H::Centre, V::Top, chart.x.title,
                     kBlack});
  d.texts.push_back({{d.plotLeft, d.plotTop - lh / 3}, H::Left, V::Bottom, chart.y.title, kBlack});
  if (!chart.title.empty()) d.texts.push_back({{canvas.width / 2, lh / 3}, H::Centre, V::Top, chart.title, kBlack});

  // Marks.
  for (const ChartMark& mark : chart.marks) {
    if (mark.kind == ChartMarkKind::VerticalLine) {
      if (mark.at.x < chart.x.min || mark.at.x > chart.x.max) continue;
      const int px = pixel({mark.at.x, chart.y.min}).x;
      d.lines.push_back({{{px, d.plotTop}, {px, d.plotBottom}}, mark.colour, 1, true});
      d.texts.push_back({{px + 3, d.plotTop + 2}, H::Left, V::Top, mark.label, mark.colour});
    } else {
      if (!Inside(mark.at, chart.x, chart.y)) continue;
      const PixelPoint at = pixel(mark.at);
      d.dots.push_back({at, 4, mark.colour});
      d.texts.push_back({{at.x + 7, at.y}, H::Left, V::Middle, mark.label, mark.colour});
    }
  }

  // The series, each run clipped to the plot; a run that leaves the plot
  // and comes back is drawn as two lines.
  for (const ChartSeries& series : chart.series) {
    for (const std::vector<ChartPoint>& run : series.runs) {
      std::vector<PixelPoint> line;
      auto flush = [&] {
        if (line.size() >= 2) d.lines.push_back({std::move(line), series.colour, 2, false});
        line.clear();
      };
      if (run.size() == 1 && Inside(run[0], chart.x, chart.y)) d.dots.push_back({pixel(run[0]), 2, series.colour});
      for (std::size_t i = 1; i < run.size(); ++i) {
        const auto part = Clipped(run[i - 1], run[i], chart.x, chart.y);
        if (!part) {
          flush();
          continue;
        }
        const PixelPoint from = pixel(part->first);
        const PixelPoint to = pixel(part->second);
        if (line.empty() || !(line.back() == from)) {
          flush();
          line.push_back(from);
        }
        line.push_back(to);
        if (!Inside(run[i], chart.x, chart.y)) flush();
      }
      flush();
    }
  }

  // Legend, one entry per series, at the right of the plot.
  int entryY = d.plotTop + lh / 2;
  for (const ChartSeries& series : chart.series) {
    const int x0 = d.plotRight + cw;
    d.lines.push_back({{{x0, entryY}, {x0 + 3 * cw, entryY}}, series.colour, 2, false});
    d.texts.push_back({{x0 + 4 * cw, entryY}, H::Left, V::Middle, series.name, kBlack});
    entryY += lh;
  }
  return d;
}

}  // namespace corvane
