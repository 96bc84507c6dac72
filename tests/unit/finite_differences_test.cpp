#include "thermo/finite_differences.h"
#include "crmath/correctly_rounded.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace corvane {
namespace {

TEST(JouleThomsonFromEnthalpies, InterpolatesTheTemperatureOfEqualEnthalpy) {
  // H = 0.5 (T - 500) + 0.02 (P - 1000): at P - 1 the enthalpy of (T, P)
  // lies 0.04 R higher, so T_iso - T = +0.04 and the coefficient is 0.04.
  auto H = [](double T, double P) { return 0.5 * (T - 500) + 0.02 * (P - 1000); };
  const double T = 520;
  const auto mu = JouleThomsonFromEnthalpies(H(T, 1000), H(T - 1, 999), H(T + 1, 999), T, 1.0, 1.0);
  ASSERT_TRUE(mu.has_value());
  EXPECT_NEAR(*mu, 0.04, 1e-12);
  // A gas that cools on expansion gives a negative value.
  const auto cooling = JouleThomsonFromEnthalpies(10.0, 9.8, 10.8, T, 1.0, 1.0);
  ASSERT_TRUE(cooling.has_value());
  EXPECT_NEAR(*cooling, -1 + 2 * 0.2, 1e-12);
}

TEST(JouleThomsonFromEnthalpies, StoresNothingWithoutABracket) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(JouleThomsonFromEnthalpies(10.0, 10.5, 11.0, 500, 1, 1));  // H1 above H0
  EXPECT_FALSE(JouleThomsonFromEnthalpies(10.0, 9.0, 9.5, 500, 1, 1));    // H2 below H0
  EXPECT_FALSE(JouleThomsonFromEnthalpies(10.0, 10.0, 10.0, 500, 1, 1));  // 0/0
  EXPECT_FALSE(JouleThomsonFromEnthalpies(nan, 9.0, 11.0, 500, 1, 1));
  EXPECT_FALSE(JouleThomsonFromEnthalpies(10.0, nan, 11.0, 500, 1, 1));
  // The edges of the bracket still interpolate.
  EXPECT_EQ(JouleThomsonFromEnthalpies(10.0, 10.0, 11.0, 500, 1, 1), -1.0);
  EXPECT_EQ(JouleThomsonFromEnthalpies(11.0, 10.0, 11.0, 500, 1, 1), 1.0);
}

TEST(PolytropicExponentFromStates, DensityProportionalToPressureGivesOne) {
  EXPECT_NEAR(PolytropicExponentFromStates(1000, 0.2, 999, 0.2 * 999 / 1000), 1.0, 1e-9);
  // P V^1.3 constant.
  const double rho2 = 0.2 * cr::Pow(999.0 / 1000.0, 1 / 1.3);
  EXPECT_NEAR(PolytropicExponentFromStates(1000, 0.2, 999, rho2), 1.3, 1e-9);
}

}  // namespace
}  // namespace corvane
