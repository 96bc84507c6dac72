#include "thermo/bwrs_enthalpy.h"

#include <gtest/gtest.h>

#include <cmath>

#include "bwrs_test_support.h"
#include "thermo/bwrs_equation.h"

namespace corvane {
namespace {

using testing::kR;
using testing::PureCoefficients;
using testing::Rankine;

// The residual enthalpy from the equation of state alone (BTU/lb-mole):
//   H_res = integral_0^rho [P - T (dP/dT)_rho] / rho'^2 drho' + P/rho - R T,
// by Simpson's rule, with dP/dT by a central difference of the non-ideal part.
double ResidualEnthalpyByIntegration(const MixtureCoefficients& m, double T, double rho) {
  auto nonIdeal = [&](double r, double t) { return (BwrsPressure(m, kR, t, r) - r * kR * t) / (r * r); };
  auto integrand = [&](double r) {
    const double dT = 1e-2;
    return nonIdeal(r, T) - T * (nonIdeal(r, T + dT) - nonIdeal(r, T - dT)) / (2 * dT);
  };
  const int n = 400;
  const double h = rho / n;
  double sum = integrand(1e-6) + integrand(rho);
  for (int i = 1; i < n; ++i) sum += (i % 2 ? 4 : 2) * integrand(i * h);
  return sum * h / 3 + BwrsPressure(m, kR, T, rho) / rho - kR * T;
}

TEST(BwrsEnthalpy, ResidualEnthalpyFollowsFromThePressureEquation) {
  for (int slot : {kMethane, kPropane, kCarbonDioxide}) {
    const MixtureCoefficients m = PureCoefficients(slot);
    for (double fahrenheit : {-100.0, 80.0, 300.0}) {
      const double T = Rankine(fahrenheit);
      for (double rho : {0.05, 0.3, 0.9}) {
        const double expected = kPsiaCubicFootInBtu * ResidualEnthalpyByIntegration(m, T, rho) / m.molecularWeight;
        EXPECT_NEAR(BwrsResidualEnthalpy(m, kR, T, rho), expected, 1e-5 * std::fabs(expected) + 1e-6)
            << slot << " " << fahrenheit << " " << rho;
      }
    }
  }
}

TEST(BwrsEnthalpy, ZeroDensityHasNoResidual) {
  EXPECT_EQ(BwrsResidualEnthalpy(PureCoefficients(kMethane), kR, 539.67, 0.0), 0.0);
}

TEST(IdealGasEnthalpy, TheMixtureRowIsTheMoleFractionAverageOfPresentSlots) {
  const ComponentTable table = testing::TableWith({{kMethane, 0.7}, {kNitrogen, 0.3}});
  PresentList present;
  present.count = 2;
  present.entries = {2, kMethane, kNitrogen};
  IdealGasEnthalpyTable rows;
  FillIdealGasComponentRows(rows);
  rows[0].fill(99.0);  // a left-over mixture row must not survive
  MixIdealGasEnthalpyRow(rows, table, present);
  EXPECT_EQ(rows[0][0], 0.0);
  EXPECT_EQ(rows[0][1], 0.7 * -1798.18 + 0.3 * -0.3394);
  EXPECT_EQ(rows[0][6], 0.7 * -1.037 + 0.3 * -0.029);
  EXPECT_EQ(rows[13][5], 0.017);  // helium's row is stored, though no fraction reaches it
  EXPECT_EQ(rows[11][1], 0.0);

  // Pure methane: the methane row alone, and H_ig(0) = A.
  const ComponentTable pure = testing::TableWith({{kMethane, 1.0}});
  present.count = 1;
  present.entries = {1, kMethane};
  MixIdealGasEnthalpyRow(rows, pure, present);
  EXPECT_EQ(rows[0], rows[kMethane]);
  EXPECT_EQ(IdealGasEnthalpy(rows[0], 0.0), -1798.18);
}

TEST(IdealGasEnthalpy, PolynomialScalesArePowersOfTenNotOfTOver100) {
  IdealGasEnthalpyRow row{0, 1, 2, 3, 4, 5, 6};
  const double T = 500;
  const double expected = 1 + 2e-2 * T + 3e-4 * T * T + 4e-7 * T * T * T + 5e-10 * T * T * T * T +
                          6e-13 * T * T * T * T * T;
  EXPECT_NEAR(IdealGasEnthalpy(row, T), expected, 1e-12 * expected);
}

}  // namespace
}  // namespace corvane
