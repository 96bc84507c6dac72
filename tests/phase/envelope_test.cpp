// The phase envelope: continuous, with equal fugacities at every point,
// through the critical point; its extremes and its dew points agree with
// the dew point solved on its own and with the stability test.
#include "phase/envelope.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "crmath/correctly_rounded.h"
#include "phase/dew_point.h"
#include "phase/stability.h"
#include "phase_test_gases.h"

namespace corvane::phase {
namespace {

constexpr double k1000Psia = 6894.757293168361;

class RichGasEnvelope : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    model_ = new FugacityModel(RichGas());
    envelope_ = new Envelope(TraceEnvelope(*model_, RichGas()));
  }
  static void TearDownTestSuite() {
    delete envelope_;
    delete model_;
  }
  static FugacityModel* model_;
  static Envelope* envelope_;
};
FugacityModel* RichGasEnvelope::model_ = nullptr;
Envelope* RichGasEnvelope::envelope_ = nullptr;

TEST_F(RichGasEnvelope, RunsFromDewPointsThroughTheCriticalPointToBubblePoints) {
  const Envelope& e = *envelope_;
  EXPECT_EQ(e.end, EnvelopeEnd::kComplete) << e.stop;
  ASSERT_GT(e.points.size(), 20u);
  EXPECT_EQ(e.points.front().feed, FeedPhase::kVapour);
  EXPECT_EQ(e.points.back().feed, FeedPhase::kLiquid);
  ASSERT_TRUE(e.critical.has_value());
  // Near the critical point both phases' densities meet.
  const SaturationSystem system(*model_, RichGas());
  for (std::size_t k = 0; k < e.points.size(); ++k) {
    const EnvelopePoint& p = e.points[k];
    Vector f{};
    SaturationPoint s;
    ASSERT_TRUE(system.Residual(p.x, p.feed, f, &s));
    EXPECT_LE(s.fugacityResidual, kFugacityTolerance) << k;
    if (k == 0) continue;
    const EnvelopePoint& q = e.points[k - 1];
    // No jumps: each step moves ln T and ln P by no more than the step limit.
    EXPECT_LE(std::abs(p.x[system.TemperatureIndex()] - q.x[system.TemperatureIndex()]), 0.2501) << k;
    EXPECT_LE(std::abs(p.x[system.PressureIndex()] - q.x[system.PressureIndex()]), 0.2501) << k;
  }
  // The critical point lies between the last dew point and the first bubble point.
  for (std::size_t k = 1; k < e.points.size(); ++k) {
    if (e.points[k].feed == e.points[k - 1].feed) continue;
    const double low = std::min(e.points[k].temperature, e.points[k - 1].temperature);
    const double high = std::max(e.points[k].temperature, e.points[k - 1].temperature);
    EXPECT_GE(e.critical->temperature, low);
    EXPECT_LE(e.critical->temperature, high);
  }
}

TEST_F(RichGasEnvelope, ExtremesBoundEveryPoint) {
  const EnvelopeSummary s = Summarise(*model_, RichGas(), *envelope_);
  ASSERT_TRUE(s.cricondentherm && s.cricondenbar);
  for (const EnvelopePoint& p : envelope_->points) {
    EXPECT_LE(p.temperature, s.cricondentherm->temperature + 1e-9);
    EXPECT_LE(p.pressure, s.cricondenbar->pressure + 1e-9);
  }
  EXPECT_LE(s.cricondentherm->fugacityResidual, kFugacityTolerance);
  EXPECT_LE(s.cricondenbar->fugacityResidual, kFugacityTolerance);
  // Just above the cricondentherm the gas is stable at its pressure.
  const StabilityResult above =
      AnalysePhases(*model_, s.cricondentherm->temperature + 0.05, s.cricondentherm->pressure, RichGas());
  EXPECT_EQ(above.answer, PhaseAnswer::kGas);
  // Above the cricondenbar no liquid forms on cooling.
  const DewTemperatureResult none = DewPointTemperature(*model_, RichGas(), s.cricondenbar->pressure + 50.0);
  EXPECT_FALSE(none.point.has_value());
  EXPECT_FALSE(none.failed);
}

// The dew point solved on its own is a point of the envelope: at its
// temperature the envelope's dew side passes through its pressure.
TEST_F(RichGasEnvelope, AgreesWithTheDewPointOnItsOwn) {
  const DewTemperatureResult dew = DewPointTemperature(*model_, RichGas(), k1000Psia);
  ASSERT_TRUE(dew.point.has_value());
  EXPECT_NEAR(dew.point->temperature, 266.048, 0.0005);
  const std::vector<SaturationPoint> pressures =
      DewPointPressures(*model_, RichGas(), *envelope_, dew.point->temperature);
  ASSERT_EQ(pressures.size(), 2u);  // retrograde: an upper and a lower dew point
  const bool onCurve = std::abs(pressures[0].pressure - k1000Psia) < 1e-6 ||
                       std::abs(pressures[1].pressure - k1000Psia) < 1e-6;
  EXPECT_TRUE(onCurve) << pressures[0].pressure << " " << pressures[1].pressure;
  EXPECT_GT(pressures[0].pressure, pressures[1].pressure);
}

// A gas whose dew point at the start pressure is colder than -200 F: the
// curve goes on into the range instead of ending at its first point.
TEST(Envelope, CurveStartingBelowTheRangeGoesOnIntoIt) {
  Composition x{};
  x[Index(Component::Methane)] = 0.5;
  x[Index(Component::Nitrogen)] = 0.3;
  x[Index(Component::Helium)] = 0.2;
  const FugacityModel model(x);
  const Envelope e = TraceEnvelope(model, x);
  ASSERT_FALSE(e.points.empty());
  EXPECT_LT(e.points.front().temperature, kLowestTemperature);
  double highest = 0.0;
  for (const EnvelopePoint& p : e.points) highest = std::max(highest, p.temperature);
  EXPECT_GT(highest, kLowestTemperature + 20.0);
  // Wherever it ends, it says why unless it ran its course.
  EXPECT_EQ(e.end == EnvelopeEnd::kStopped, !e.stop.empty());
}

// A pure fluid: the curve is its vapour pressure and ends at its critical
// point; dew and bubble points are the same.
TEST(Envelope, PureFluidIsItsVapourPressureCurve) {
  const Composition propane = gerg::Pure(Component::Propane);
  const FugacityModel model(propane);
  const Envelope e = TraceEnvelope(model, propane);
  EXPECT_EQ(e.end, EnvelopeEnd::kCriticalPoint) << e.stop;
  ASSERT_GT(e.points.size(), 5u);
  const double tc = gerg::kGerg2008.components[Index(Component::Propane)].criticalTemperature;
  EXPECT_NEAR(e.points.back().temperature, tc, 2.0);
  for (const EnvelopePoint& p : e.points) {
    if (p.temperature > 0.99 * tc) continue;  // Wilson's start is too far from the curve there
    const auto vp = VapourPressure(model, propane, p.temperature);
    ASSERT_TRUE(vp.has_value()) << p.temperature;
    EXPECT_NEAR(vp->pressure, p.pressure, 1e-8 * p.pressure) << p.temperature;
  }
  const DewTemperatureResult dew = DewPointTemperature(model, propane, 996.884825);
  ASSERT_TRUE(dew.point.has_value());
  EXPECT_NEAR(dew.point->temperature, 300.0, 1e-5);
}

}  // namespace
}  // namespace corvane::phase
