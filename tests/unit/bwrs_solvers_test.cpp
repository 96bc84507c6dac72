#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "bwrs_test_support.h"
#include "thermo/bwrs_equation.h"
#include "thermo/bwrs_false_position.h"
#include "thermo/bwrs_johnson_culver.h"
#include "crmath/correctly_rounded.h"

namespace corvane {
namespace {

using testing::kR;
using testing::PureCoefficients;
using testing::Rankine;

constexpr JohnsonCulverStart kVapourStart = kJcVapourStart;
constexpr JohnsonCulverStart kLiquidStart{0.01, 0.00001, JcDirection::Upward};

TEST(BwrsPressure, ZeroConstantsLeaveTheIdealGasLaw) {
  const MixtureCoefficients zero{};
  for (double rho : {0.0, 0.01, 0.2, 1.5}) EXPECT_EQ(BwrsPressure(zero, kR, 539.67, rho), rho * kR * 539.67);
}

TEST(BwrsPressure, LowDensityLimitIsTheSecondVirialTerm) {
  // (P - rho R T) / rho^2 -> B0 R T - A0 - C0/T^2 + D0/T^3 - E0/T^4 as rho -> 0.
  const MixtureCoefficients m = PureCoefficients(kMethane);
  const double T = Rankine(80);
  const double rho = 1e-5;
  const double expected = m.B0 * kR * T - m.A0 - m.C0 / (T * T) + m.D0 / (T * T * T) - m.E0 / (T * T * T * T);
  EXPECT_NEAR((BwrsPressure(m, kR, T, rho) - rho * kR * T) / (rho * rho), expected, 1e-3 * std::fabs(expected));
}

TEST(BwrsPressure, OneIsothermGivesTheBitsOfTheWholeEquation) {
  const MixtureCoefficients m = PureCoefficients(kPropane);
  const double T = Rankine(-37.3);
  const BwrsIsotherm isotherm(m, kR, T);
  const double T2 = T * T;
  for (double rho : {1e-8, 0.05, 0.2, 0.7, 1.9}) {
    const double rho2 = rho * rho;
    const double rho3 = rho2 * rho;
    const double rho6 = rho3 * rho3;
    const double written = rho * kR * T + (m.B0 * kR * T - m.A0 - m.C0 / T2 + m.D0 / (T2 * T) - m.E0 / (T2 * T * T)) * rho2 +
                           (m.b * kR * T - m.a - m.d / T) * rho3 + m.alpha * (m.a + m.d / T) * rho6 +
                           (m.c * rho3 / T2) * (1 + m.gamma * rho2) * cr::Exp(-m.gamma * rho2);
    EXPECT_EQ(isotherm.Pressure(rho), written) << rho;
  }
}

struct State {
  int slot;
  double fahrenheit, psia;
};

TEST(JohnsonCulver, ConvergesWithinTheRelativeToleranceWithoutRelaxing) {
  for (const State s : {State{kMethane, 80, 1000}, State{kMethane, 300, 14.7}, State{kEthane, 300, 3000},
                        State{kNitrogen, -100, 500}}) {
    const MixtureCoefficients m = PureCoefficients(s.slot);
    const double T = Rankine(s.fahrenheit);
    const JohnsonCulverResult r = SolveJohnsonCulver(m, kR, T, s.psia, kVapourStart);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.tolerance, 0.00001);
    EXPECT_GT(r.iterations, 0u);
    EXPECT_EQ(r.lastPressure, BwrsPressure(m, kR, T, r.density));
    EXPECT_LT(std::fabs(r.lastPressure - s.psia), 0.00001 * s.psia);
  }
}

TEST(JohnsonCulver, BothDirectionsFindTheOneGasRoot) {
  const MixtureCoefficients m = PureCoefficients(kMethane);
  const double T = Rankine(80);
  const JohnsonCulverResult down = SolveJohnsonCulver(m, kR, T, 1000, kVapourStart);
  const JohnsonCulverResult up = SolveJohnsonCulver(m, kR, T, 1000, kLiquidStart);
  ASSERT_TRUE(down.found && up.found);
  EXPECT_NEAR(up.density, down.density, 2e-5 * down.density);
}

TEST(JohnsonCulver, ARootBeyondTheStartEndsAtTheStartAfterRelaxing) {
  // Methane at -100 F and 3000 psia is denser than 1.1 lb-mole/ft3: every
  // downward step overshoots, the step shrinks to nothing, and only the
  // relaxed tolerance admits the pressure at 1.1. The count shown restarts
  // at every relaxation.
  const MixtureCoefficients m = PureCoefficients(kMethane);
  const double T = Rankine(-100);
  const JohnsonCulverResult r = SolveJohnsonCulver(m, kR, T, 3000, kVapourStart);
  ASSERT_TRUE(r.found);
  EXPECT_NEAR(r.density, 1.1, 1e-12);
  EXPECT_GT(r.tolerance, 0.00001);
  EXPECT_LE(r.iterations, 100u);
  const double miss = std::fabs(BwrsPressure(m, kR, T, 1.1) - 3000) / 3000;
  EXPECT_LT(miss, r.tolerance);
  EXPECT_GE(miss, r.tolerance / 10);
}

TEST(JohnsonCulver, APressureThatIsNotFiniteEndsWithoutARoot) {
  MixtureCoefficients m = PureCoefficients(kMethane);
  m.A0 = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(SolveJohnsonCulver(m, kR, Rankine(80), 1000, kVapourStart).found);
  m.A0 = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(SolveJohnsonCulver(m, kR, Rankine(80), 1000, kLiquidStart).found);
}

FalsePositionResult SolvePure(int slot, double fahrenheit, double psia, double acentric = -1) {
  ComponentTable table = testing::TableWith({{slot, 1.0}});
  const BwrsMixture pure = PureComponentMixture(table, slot);
  return SolveFalsePosition(pure.coefficients, kR, Rankine(fahrenheit), psia,
                            acentric < 0 ? pure.acentricFactor : acentric);
}

TEST(FalsePosition, TheLabelNamesThePassThatSettledNotThePhase) {
  const FalsePositionResult gas = SolvePure(kMethane, 80, 1000);
  ASSERT_TRUE(gas.found);
  EXPECT_EQ(gas.mode, FpMode::Vapour);

  const FalsePositionResult liquid = SolvePure(kPropane, 80, 1000);
  ASSERT_TRUE(liquid.found);
  EXPECT_EQ(liquid.mode, FpMode::Liquid);
  EXPECT_GT(liquid.root, 0.5);

  // A light gas whose liquid pass ends at a small-residual sign change.
  const FalsePositionResult lowPressure = SolvePure(kMethane, 300, 14.7);
  ASSERT_TRUE(lowPressure.found);
  EXPECT_EQ(lowPressure.mode, FpMode::Liquid);
  EXPECT_NEAR(lowPressure.root, 14.7 / (kR * Rankine(300)), 1e-2 * lowPressure.root);
}

TEST(FalsePosition, RootsSatisfyTheEquationAndAgreeWithJohnsonCulver) {
  for (const State s : {State{kMethane, 80, 1000}, State{kMethane, 300, 14.7}, State{kPropane, 80, 1000},
                        State{kMethane, -100, 3000}, State{kNitrogen, 0, 2000}, State{kEthane, 200, 100}}) {
    const MixtureCoefficients m = PureCoefficients(s.slot);
    const double T = Rankine(s.fahrenheit);
    const FalsePositionResult fp = SolvePure(s.slot, s.fahrenheit, s.psia);
    ASSERT_TRUE(fp.found) << s.slot << " " << s.fahrenheit << " " << s.psia;
    EXPECT_LT(std::fabs(BwrsPressure(m, kR, T, fp.root) - s.psia), 0.5) << s.slot;
    EXPECT_GE(fp.points, 3u);
    EXPECT_LT(fp.points, 60u);
    if (fp.root < 1.0) {  // inside the Johnson-Culver search range
      const JohnsonCulverResult jc = SolveJohnsonCulver(m, kR, T, s.psia, kVapourStart);
      EXPECT_NEAR(jc.density, fp.root, 1e-3 * fp.root) << s.slot;
    }
  }
  // Denser than the Johnson-Culver start, found by the liquid pass.
  const FalsePositionResult dense = SolvePure(kMethane, -100, 3000);
  EXPECT_EQ(dense.mode, FpMode::Liquid);
  EXPECT_GT(dense.root, 1.1);
}

TEST(FalsePosition, CarbonDioxideAtMinus100F1000PsiaHasNoRoot) {
  const FalsePositionResult r = SolvePure(kCarbonDioxide, -100, 1000);
  EXPECT_FALSE(r.found);
  EXPECT_TRUE(std::isfinite(r.lastPressure));
}

TEST(FalsePosition, AnAcentricFactorOfExactly024KeepsTheLightLiquidStart) {
  // Propane's liquid pass from 2.0/1.9 and from 1.0/0.9 take different paths.
  const FalsePositionResult light = SolvePure(kPropane, 80, 1000, 0.0);
  const FalsePositionResult atThreshold = SolvePure(kPropane, 80, 1000, 0.24);
  const FalsePositionResult heavy = SolvePure(kPropane, 80, 1000, 0.2400001);
  EXPECT_EQ(atThreshold.points, light.points);
  EXPECT_EQ(atThreshold.root, light.root);
  EXPECT_NE(heavy.points * 1e9 + heavy.root, light.points * 1e9 + light.root);
}

TEST(FalsePosition, ConstantsThatAreNotNumbersEndAtThePointLimit) {
  MixtureCoefficients m = PureCoefficients(kMethane);
  m.C0 = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(SolveFalsePosition(m, kR, Rankine(80), 1000, 0.0126).found);
}

}  // namespace
}  // namespace corvane
