// The tangent-plane test and the flash: a gas has no trial phase below the
// tangent plane, a two-phase answer has a split of equal fugacities that
// lowers the Gibbs energy and conserves every component.
#include "phase/stability.h"

#include <gtest/gtest.h>

#include <cmath>

#include "crmath/correctly_rounded.h"
#include "phase_test_gases.h"

namespace corvane::phase {
namespace {

constexpr double kPsi = 6.894757293168361;  // kPa

double Fahrenheit(double f) { return (f + 459.67) * 5.0 / 9.0; }

TEST(Stability, StartupStateIsAGas) {
  const FugacityModel model(StartupGas());
  const StabilityResult r = AnalysePhases(model, Fahrenheit(80.0), 1000.0 * kPsi, StartupGas());
  EXPECT_EQ(r.answer, PhaseAnswer::kGas);
  // No trial phase lies below the tangent plane.
  EXPECT_GE(r.vapourTrial.tpd, kNegativeTpd);
  EXPECT_GE(r.liquidTrial.tpd, kNegativeTpd);
}

// Below the dew point (266.05 K at 1000 psia) the rich gas splits into a
// vapour and a little liquid; the split conserves the feed, has equal
// fugacities and lowers the Gibbs energy.
TEST(Stability, RichGasBelowItsDewPointSplits) {
  const FugacityModel model(RichGas());
  const Composition z = RichGas();
  double previousBeta = 0.0;
  for (double t : {230.0, 250.0, 260.0, 265.0, 266.0}) {
    const StabilityResult r = AnalysePhases(model, t, 1000.0 * kPsi, z);
    ASSERT_EQ(r.answer, PhaseAnswer::kTwoPhase) << t;
    const FlashResult& f = r.flash;
    EXPECT_LT(f.gibbsChange, 0.0) << t;
    EXPECT_LE(f.fugacityResidual, kFugacityTolerance) << t;
    EXPECT_GT(f.vapourFraction, previousBeta) << t;  // less liquid nearer the dew point
    previousBeta = f.vapourFraction;
    EXPECT_LT(f.vapourPhase.density, f.liquidPhase.density);
    for (std::size_t n = 0; n < model.PresentCount(); ++n) {
      const std::size_t i = model.Present(n);
      EXPECT_NEAR(f.vapourFraction * f.vapour[i] + (1.0 - f.vapourFraction) * f.liquid[i], z[i], 1e-12) << t;
      EXPECT_NEAR(cr::Log(f.liquid[i]) + f.liquidPhase.lnPhi[i], cr::Log(f.vapour[i]) + f.vapourPhase.lnPhi[i],
                  1e-10);
    }
  }
  // Above it, a gas.
  const StabilityResult above = AnalysePhases(model, 267.0, 1000.0 * kPsi, z);
  EXPECT_EQ(above.answer, PhaseAnswer::kGas);
}

// A cold dense state of the rich gas at high pressure is a liquid-like single phase.
TEST(Stability, ColdRichGasAtHighPressureIsLiquidLike) {
  const FugacityModel model(RichGas());
  const StabilityResult r = AnalysePhases(model, 170.0, 3000.0 * kPsi, RichGas());
  EXPECT_EQ(r.answer, PhaseAnswer::kLiquidLike);
  EXPECT_FALSE(r.feed.gasLike);
}

// Inputs the dialog can send: nothing comes back as a number that is not one.
TEST(Stability, RefusedStatesAnswerUnknown) {
  const FugacityModel model(RichGas());
  for (double p : {0.0, -5.0, std::nan("")}) {
    const StabilityResult r = AnalysePhases(model, 250.0, p, RichGas());
    EXPECT_EQ(r.answer, PhaseAnswer::kUnknown);
  }
}

}  // namespace
}  // namespace corvane::phase
