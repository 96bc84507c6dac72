// The chart content and its drawing: axes whose ticks a reader can use,
// gaps where a curve has no value, and every drawn point of a curve inside
// the plot, where the content says.
#include "views/chart.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <optional>
#include <random>
#include <vector>

namespace corvane {
namespace {

std::vector<std::string> Labels(const ChartAxis& axis) {
  std::vector<std::string> labels;
  for (const ChartTick& t : axis.ticks) labels.push_back(t.label);
  return labels;
}

TEST(ChartAxis, TicksAreRoundNumbersCoveringTheRange) {
  EXPECT_EQ(Labels(NiceAxis("P", 14.7, 3000, 8)),
            (std::vector<std::string>{"0", "500", "1000", "1500", "2000", "2500", "3000"}));
  EXPECT_EQ(Labels(NiceAxis("Z", 0.14, 1.02, 8)),
            (std::vector<std::string>{"0.0", "0.2", "0.4", "0.6", "0.8", "1.0", "1.2"}));
  EXPECT_EQ(Labels(NiceAxis("T", -200, 400, 8)),
            (std::vector<std::string>{"-200", "-100", "0", "100", "200", "300", "400"}));
  EXPECT_EQ(Labels(NiceAxis("Z", 0.9952, 0.99941, 6)),
            (std::vector<std::string>{"0.995", "0.996", "0.997", "0.998", "0.999", "1.000"}));
  // One value, or none usable: a range around it.
  const ChartAxis flat = NiceAxis("Z", 1.0, 1.0, 6);
  EXPECT_LT(flat.min, 1.0);
  EXPECT_GT(flat.max, 1.0);
  const ChartAxis none = NiceAxis("Z", NAN, NAN, 6);
  EXPECT_LT(none.min, none.max);
  for (auto [lo, hi] : {std::pair{-1e300, 1e300}, {0.0, 1e-320}, {5e-324, 5e-324}}) {
    const ChartAxis extreme = NiceAxis("Z", lo, hi, 6);
    EXPECT_TRUE(std::isfinite(extreme.min) && std::isfinite(extreme.max) && extreme.min < extreme.max);
    EXPECT_LE(extreme.ticks.size(), 6u);
  }
}

TEST(ChartAxis, AnyRangeGetsEvenlySpacedTicksOfOneTwoOrFive) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> exponent(-6, 6), unit(-1, 1);
  for (int i = 0; i < 2000; ++i) {
    const double scale = std::pow(10.0, exponent(random));
    double lo = unit(random) * scale, hi = unit(random) * scale;
    if (lo > hi) std::swap(lo, hi);
    const int maxTicks = 3 + i % 9;
    const ChartAxis axis = NiceAxis("", lo, hi, maxTicks);
    ASSERT_LE(axis.ticks.size(), static_cast<std::size_t>(maxTicks)) << lo << " " << hi;
    ASSERT_GE(axis.ticks.size(), 2u);
    EXPECT_LE(axis.min, lo);
    EXPECT_GE(axis.max, hi);
    const double step = axis.ticks[1].value - axis.ticks[0].value;
    double mantissa = step;
    while (mantissa >= 10 * (1 - 1e-9)) mantissa /= 10;
    while (mantissa < 1 * (1 - 1e-9)) mantissa *= 10;
    EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-6 || std::fabs(mantissa - 2) < 1e-6 || std::fabs(mantissa - 5) < 1e-6)
        << step;
    for (std::size_t k = 1; k < axis.ticks.size(); ++k)
      EXPECT_NEAR(axis.ticks[k].value - axis.ticks[k - 1].value, step, 1e-9 * step);
  }
}

TEST(ChartAxis, LabelsUseAPointWhateverTheLocale) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  const std::string saved = old ? old : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  const ChartAxis axis = NiceAxis("Z", 0.14, 1.02, 8);
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(axis.ticks[1].label, "0.2");
}

TEST(ChartSeries, AMissingValueSplitsTheCurve) {
  const std::vector<double> x{1, 2, 3, 4, 5, 6};
  const std::vector<std::optional<double>> y{1.0, 2.0, std::nullopt, 4.0, NAN, 6.0};
  const auto runs = RunsWithGaps(x, y);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].size(), 2u);
  EXPECT_EQ(runs[1].size(), 1u);
  EXPECT_EQ(runs[2][0].x, 6.0);
}

TEST(ChartDrawing, CurvesStayInsideThePlotAndLandWhereTheirValuesSay) {
  ChartContent chart;
  chart.x = NiceAxis("Pressure, psia", 14.7, 3000, 8);
  chart.y = NiceAxis("Z", 0.5, 1.0, 6);
  // A curve that leaves the axes' range above and comes back.
  std::vector<double> x;
  std::vector<std::optional<double>> y;
  for (double p = 14.7; p <= 3000; p += 100) {
    x.push_back(p);
    y.push_back(p > 1000 && p < 1500 ? 1.4 : 1.0 - p / 6000);
  }
  chart.series.push_back({"BWRS", {0, 90, 200}, RunsWithGaps(x, y)});
  chart.marks.push_back({ChartMarkKind::VerticalLine, {1000, 0}, "1000 psia", {120, 120, 120}});
  const ChartCanvas canvas{640, 360, 7, 15};
  const ChartDrawing d = DrawChart(chart, canvas);

  EXPECT_EQ(ChartPixel(chart, d, {chart.x.min, chart.y.min}), (PixelPoint{d.plotLeft, d.plotBottom}));
  EXPECT_EQ(ChartPixel(chart, d, {chart.x.max, chart.y.max}), (PixelPoint{d.plotRight, d.plotTop}));
  EXPECT_GT(d.plotLeft, 0);
  EXPECT_LT(d.plotRight, canvas.width);
  EXPECT_LT(d.plotBottom, canvas.height);

  int seriesLines = 0;
  for (const DrawnLine& line : d.lines) {
    if (!(line.colour == ChartColour{0, 90, 200}) || line.points.size() < 2 || line.points[0].x >= d.plotRight)
      continue;  // the legend's sample line lies right of the plot
    ++seriesLines;
    for (const PixelPoint& p : line.points) {
      EXPECT_GE(p.x, d.plotLeft);
      EXPECT_LE(p.x, d.plotRight);
      EXPECT_GE(p.y, d.plotTop);
      EXPECT_LE(p.y, d.plotBottom);
    }
  }
  // Clipped where the curve runs above the plot: two lines.
  EXPECT_EQ(seriesLines, 2);
  // The first sample is drawn where its value maps.
  bool found = false;
  const PixelPoint first = ChartPixel(chart, d, {14.7, 1.0 - 14.7 / 6000});
  for (const DrawnLine& line : d.lines)
    if (!line.points.empty() && line.points.front() == first) found = true;
  EXPECT_TRUE(found);
  // Every tick label and the mark's label are drawn.
  std::size_t texts = 0;
  for (const DrawnText& t : d.texts)
    if (t.text == "1000 psia" || t.text == "1500" || t.text == "0.5" || t.text == "BWRS") ++texts;
  EXPECT_EQ(texts, 4u);
}

}  // namespace
}  // namespace corvane
