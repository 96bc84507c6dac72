// The Compare view's envelope chart: the dew and bubble curves as the
// continuation traced them, meeting at the critical point, with the
// entered state marked; the rich gas's dew curve passes through its dew
// point at 1000 psia (266.048 K, from an independent evaluation).
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "app/phase_lines.h"
#include "model/gases.h"

namespace corvane {
namespace {

std::array<double, kGasCount> RichGas() {
  std::array<double, kGasCount> x{};
  x[Index(Gas::Methane)] = 0.80;
  x[Index(Gas::Ethane)] = 0.10;
  x[Index(Gas::Propane)] = 0.05;
  x[Index(Gas::IsoButane)] = 0.01;
  x[Index(Gas::NButane)] = 0.01;
  x[Index(Gas::CarbonDioxide)] = 0.015;
  x[Index(Gas::Nitrogen)] = 0.015;
  return x;
}

// The temperature where a run of the curve crosses `pressure` going up, by
// linear interpolation; NAN where it does not.
double TemperatureAt(const std::vector<ChartPoint>& run, double pressure) {
  for (std::size_t i = 1; i < run.size(); ++i) {
    const ChartPoint a = run[i - 1], b = run[i];
    if ((a.y - pressure) * (b.y - pressure) <= 0 && a.y != b.y)
      return a.x + (pressure - a.y) * (b.x - a.x) / (b.y - a.y);
  }
  return NAN;
}

TEST(EnvelopeChart, DewAndBubbleCurvesMeetAtTheCriticalPointAndTheStateIsMarked) {
  const std::optional<ChartContent> chart = EnvelopeChart(RichGas(), 500, -80);
  ASSERT_TRUE(chart);
  ASSERT_EQ(chart->series.size(), 2u);
  EXPECT_EQ(chart->series[0].name, "Dew points");
  EXPECT_EQ(chart->series[1].name, "Bubble points");
  const std::vector<ChartPoint>& dew = chart->series[0].runs.back();
  const std::vector<ChartPoint>& bubble = chart->series[1].runs.front();
  // Joined at the critical point, which is also marked.
  EXPECT_EQ(dew.back().x, bubble.front().x);
  EXPECT_EQ(dew.back().y, bubble.front().y);
  ASSERT_EQ(chart->marks.size(), 2u);
  EXPECT_EQ(chart->marks[0].label, "Critical point");
  EXPECT_EQ(chart->marks[0].at.x, dew.back().x);
  EXPECT_EQ(chart->marks[1].label, "-80.0 F, 500.0 psia");
  // The dew curve's upper branch near 1000 psia lies within a few tenths of
  // a degree of the dew point (the chart joins points by straight lines).
  double best = 1e9;
  for (const std::vector<ChartPoint>& run : chart->series[0].runs) {
    const double t = TemperatureAt(run, 1000);
    if (t == t) best = std::min(best, std::abs((t + 459.67) / 1.8 - 266.048));
  }
  EXPECT_LT(best, 0.5);
  // Every point inside the axes.
  for (const ChartSeries& series : chart->series)
    for (const auto& run : series.runs)
      for (const ChartPoint& p : run) {
        EXPECT_GE(p.x, chart->x.min);
        EXPECT_LE(p.x, chart->x.max);
        EXPECT_GE(p.y, chart->y.min);
        EXPECT_LE(p.y, chart->y.max);
      }
}

TEST(EnvelopeChart, APureGasIsOneCurveToItsCriticalPointAndARefusedMixtureNone) {
  std::array<double, kGasCount> propane{};
  propane[Index(Gas::Propane)] = 1.0;
  const std::optional<ChartContent> chart = EnvelopeChart(propane, 300, 80);
  ASSERT_TRUE(chart);
  EXPECT_EQ(chart->series.size(), 1u);
  std::array<double, kGasCount> negative{};
  negative[Index(Gas::Methane)] = 1.2;
  negative[Index(Gas::Ethane)] = -0.2;
  EXPECT_FALSE(EnvelopeChart(negative, 300, 80));
}

}  // namespace
}  // namespace corvane
