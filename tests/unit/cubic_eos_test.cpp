#include "thermo/cubic_eos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace corvane {
namespace {

constexpr double kR = 10.7335;

ComponentTable PureComponent(int slot) {
  ComponentTable table{};
  FillComponentTable(table);
  for (int s = kFirstSlot; s <= kLastMixedSlot; ++s) table[static_cast<std::size_t>(s)].moleFraction = 0.0;
  table[static_cast<std::size_t>(slot)].moleFraction = 1.0;
  return table;
}

TEST(PseudoComponent, SingleComponentKeepsItsOwnConstants) {
  for (int slot : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14}) {
    const ComponentTable table = PureComponent(slot);
    const ComponentRecord& c = table[static_cast<std::size_t>(slot)];
    const PseudoComponent m = AveragePseudoComponent(table);
    EXPECT_EQ(m.criticalTemperature, c.criticalTemperature) << slot;
    EXPECT_EQ(m.criticalPressure, c.criticalPressure) << slot;
    EXPECT_EQ(m.acentricFactor, c.acentricFactor) << slot;
    EXPECT_EQ(m.molecularWeight, c.molecularWeight) << slot;
  }
}

TEST(PseudoComponent, AveragesOnlySlotsOneToFourteen) {
  ComponentTable table = PureComponent(kMethane);
  table[kMethane].moleFraction = 0.5;
  table[kEthane].moleFraction = 0.5;
  table[kOxygen].moleFraction = 0.7;  // slot 15 lies outside every component loop
  const PseudoComponent m = AveragePseudoComponent(table);
  EXPECT_DOUBLE_EQ(m.criticalTemperature, 0.5 * 343 + 0.5 * 549.8);
  EXPECT_DOUBLE_EQ(m.criticalPressure, 0.5 * 667.8 + 0.5 * 707.8);
  EXPECT_DOUBLE_EQ(m.molecularWeight, 0.5 * 16.031 + 0.5 * 30.046);
}

TEST(CubicEquationConstants, AtTheCriticalTemperatureAlphaIsOne) {
  const PseudoComponent methane{0.0126, 343.0, 667.8, 16.031};
  for (const CubicEquationForm* form : {&kPengRobinsonForm, &kRedlichKwongSoaveForm}) {
    const auto eq = MakeCubicEquation(*form, methane, 343.0, kR);
    ASSERT_TRUE(eq);
    EXPECT_DOUBLE_EQ(eq->a, form->omegaA * kR * kR * 343.0 * 343.0 / 667.8);
    EXPECT_DOUBLE_EQ(eq->b, form->omegaB * kR * 343.0 / 667.8);
  }
  // Below Tc alpha grows, and with it a; b does not depend on T.
  const auto cold = MakeCubicEquation(kPengRobinsonForm, methane, 300.0, kR);
  const auto hot = MakeCubicEquation(kPengRobinsonForm, methane, 500.0, kR);
  EXPECT_GT(cold->a, hot->a);
  EXPECT_EQ(cold->b, hot->b);
}

TEST(CubicEquationConstants, UnusableMixturesGiveNoEquation) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(MakeCubicEquation(kPengRobinsonForm, {0.01, 0.0, 667.8, 16.0}, 540.0, kR));
  EXPECT_FALSE(MakeCubicEquation(kPengRobinsonForm, {0.01, 343.0, 0.0, 16.0}, 540.0, kR));
  EXPECT_FALSE(MakeCubicEquation(kRedlichKwongSoaveForm, {0.01, inf, 667.8, 16.0}, 540.0, kR));
  // A negative Tc (negative fractions) takes the root of a negative number.
  EXPECT_FALSE(MakeCubicEquation(kRedlichKwongSoaveForm, {0.01, -343.0, 667.8, 16.0}, 540.0, kR));
}

TEST(CubicPressure, FollowsEachEquationsDenominator) {
  CubicEquation pr{&kPengRobinsonForm, kR, 540.0, 20000.0, 0.4};
  CubicEquation rks{&kRedlichKwongSoaveForm, kR, 540.0, 20000.0, 0.4};
  const double v = 5.0;
  EXPECT_DOUBLE_EQ(*CubicPressure(pr, v), kR * 540.0 / (v - 0.4) - 20000.0 / (v * v + 2 * 0.4 * v - 0.4 * 0.4));
  EXPECT_DOUBLE_EQ(*CubicPressure(rks, v), kR * 540.0 / (v - 0.4) - 20000.0 / (v * v + 0.4 * v));

  // The slope agrees with a central difference of the pressure.
  for (const CubicEquation& eq : {pr, rks}) {
    for (double volume : {0.6, 1.3, 5.0, 40.0}) {
      const double h = 1e-6 * volume;
      const double numeric = (*CubicPressure(eq, volume + h) - *CubicPressure(eq, volume - h)) / (2 * h);
      EXPECT_NEAR(*CubicPressureSlope(eq, volume), numeric, 1e-5 * std::fabs(numeric) + 1e-6) << volume;
    }
  }
}

TEST(CubicPressure, ZeroDenominatorsAndNonFiniteValuesGiveNothing) {
  const double inf = std::numeric_limits<double>::infinity();
  CubicEquation pr{&kPengRobinsonForm, kR, 540.0, 20000.0, 0.4};
  CubicEquation rks{&kRedlichKwongSoaveForm, kR, 540.0, 20000.0, 0.4};
  EXPECT_FALSE(CubicPressure(pr, 0.4));  // V at b
  EXPECT_FALSE(CubicPressureSlope(pr, 0.4));
  EXPECT_FALSE(CubicPressure(rks, 0.0));  // RKS attractive denominator V (V + b)
  EXPECT_FALSE(CubicPressure(pr, inf));
  EXPECT_FALSE(CubicPressure(pr, std::nan("")));
  EXPECT_FALSE(CubicPressure(pr, 1e200));  // V^2 overflows
  EXPECT_FALSE(CubicPressureSlope(rks, 1e160));
  // Unphysical but finite volumes below b keep their value.
  EXPECT_TRUE(CubicPressure(pr, 0.1));
}

}  // namespace
}  // namespace corvane
