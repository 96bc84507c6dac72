#include "thermo/bwrs_mixing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "bwrs_test_support.h"
#include "crmath/correctly_rounded.h"

namespace corvane {
namespace {

using testing::Interactions;
using testing::TableWith;

// The rules exactly as written, every slot 1..14 and every power formed
// anew: the reference the cached, zero-skipping mixing must match bit for bit.
BwrsMixture LiteralRules(const ComponentTable& t, const InteractionTable& k) {
  BwrsMixture mix;
  MixtureCoefficients& m = mix.coefficients;
  for (int i = 1; i <= 14; ++i) {
    m.B0 += t[i].moleFraction * t[i].B0;
    m.molecularWeight += t[i].moleFraction * t[i].molecularWeight;
    mix.acentricFactor += t[i].moleFraction * t[i].acentricFactor;
  }
  for (int i = 1; i <= 14; ++i) {
    for (int j = 1; j <= 14; ++j) {
      const double w = t[i].moleFraction * t[j].moleFraction;
      const double u = 1 - k[std::min(i, j)][std::max(i, j)];
      m.A0 += w * std::sqrt(t[i].A0 * t[j].A0) * u;
      m.C0 += w * std::sqrt(t[i].C0 * t[j].C0) * cr::Pow(u, 3.0);
      m.D0 += w * std::sqrt(t[i].D0 * t[j].D0) * cr::Pow(u, 4.0);
      m.E0 += w * std::sqrt(t[i].E0 * t[j].E0) * cr::Pow(u, 5.0);
    }
  }
  double s = 0;
  for (int i = 1; i <= 14; ++i) s += t[i].moleFraction * std::sqrt(t[i].gamma);
  m.gamma = s * s;
  auto cube = [&](double ComponentRecord::*field) {
    double sum = 0;
    for (int i = 1; i <= 14; ++i) sum += t[i].moleFraction * cr::Pow(t[i].*field, 0.3333);
    return sum * sum * sum;
  };
  m.b = cube(&ComponentRecord::b);
  m.a = cube(&ComponentRecord::a);
  m.alpha = cube(&ComponentRecord::alpha);
  m.c = cube(&ComponentRecord::c);
  m.d = cube(&ComponentRecord::d);
  return mix;
}

void ExpectSameBits(const BwrsMixture& got, const BwrsMixture& want) {
  const auto& g = got.coefficients;
  const auto& w = want.coefficients;
  EXPECT_EQ(g.B0, w.B0);
  EXPECT_EQ(g.A0, w.A0);
  EXPECT_EQ(g.C0, w.C0);
  EXPECT_EQ(g.D0, w.D0);
  EXPECT_EQ(g.E0, w.E0);
  EXPECT_EQ(g.b, w.b);
  EXPECT_EQ(g.a, w.a);
  EXPECT_EQ(g.d, w.d);
  EXPECT_EQ(g.alpha, w.alpha);
  EXPECT_EQ(g.c, w.c);
  EXPECT_EQ(g.gamma, w.gamma);
  EXPECT_EQ(g.molecularWeight, w.molecularWeight);
  EXPECT_EQ(got.acentricFactor, want.acentricFactor);
}

TEST(BwrsMixing, CachedRulesMatchTheLiteralRulesBitForBit) {
  const InteractionTable k = Interactions();
  ComponentTable table = TableWith({});
  const BwrsMixingTerms terms = MakeBwrsMixingTerms(table, k);

  // The default gas, with its zero slots that the cached rules leave out.
  table = TableWith({{1, 0.96}, {2, 0.02}, {3, 0.005}, {4, 0.002}, {5, 0.002}, {6, 0.0005}, {7, 0.0005},
                     {10, 0.007}, {14, 0.003}});
  ExpectSameBits(MixBwrsRules(table, terms), LiteralRules(table, k));

  // Random compositions over every BWRS slot, some fractions negative or zero.
  std::mt19937_64 random(20261207);
  std::uniform_real_distribution<double> fraction(-0.05, 0.3);
  for (int trial = 0; trial < 200; ++trial) {
    table = TableWith({});
    for (int slot : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14})
      table[slot].moleFraction = (trial + slot) % 4 == 0 ? 0.0 : fraction(random);
    ExpectSameBits(MixBwrsRules(table, terms), LiteralRules(table, k));
  }

  // Huge fractions make the constants overflow the same way.
  table = TableWith({{1, 1e200}, {2, -1e200}, {3, 1.0}});
  const BwrsMixture huge = MixBwrsRules(table, terms);
  const BwrsMixture literal = LiteralRules(table, k);
  EXPECT_FALSE(std::isfinite(huge.coefficients.A0));
  EXPECT_EQ(std::isnan(huge.coefficients.A0), std::isnan(literal.coefficients.A0));
  EXPECT_EQ(huge.coefficients.B0, literal.coefficients.B0);
}

TEST(BwrsMixing, AnEqualSplitCountsEachCrossPairInBothOrders) {
  const ComponentTable table = TableWith({{1, 0.5}, {2, 0.5}});
  const MixtureCoefficients m = MixBwrsRules(table, MakeBwrsMixingTerms(table, Interactions())).coefficients;
  const double a01 = table[1].A0;
  const double a02 = table[2].A0;
  EXPECT_DOUBLE_EQ(m.A0, 0.25 * a01 + 0.5 * std::sqrt(a01 * a02) * (1 - 0.01) + 0.25 * a02);
  EXPECT_DOUBLE_EQ(m.B0, 0.5 * table[1].B0 + 0.5 * table[2].B0);
  EXPECT_DOUBLE_EQ(m.molecularWeight, 0.5 * 16.031 + 0.5 * 30.046);
}

TEST(BwrsMixing, IdenticalComponentsGiveTheirOwnConstantsExceptTheCubeRootRules) {
  // Slot 2 made a copy of methane with no interaction between the two.
  ComponentTable table = TableWith({{1, 0.3}, {2, 0.7}});
  const double x2 = table[2].moleFraction;
  table[2] = table[1];
  table[2].moleFraction = x2;
  InteractionTable k = Interactions();
  k[1][2] = 0;
  const MixtureCoefficients m = MixBwrsRules(table, MakeBwrsMixingTerms(table, k)).coefficients;
  const ComponentRecord& methane = table[1];
  EXPECT_DOUBLE_EQ(m.B0, methane.B0);
  EXPECT_DOUBLE_EQ(m.A0, methane.A0);
  EXPECT_DOUBLE_EQ(m.E0, methane.E0);
  EXPECT_DOUBLE_EQ(m.gamma, methane.gamma);
  // Three times 0.3333 is 0.9999, not 1.
  EXPECT_NEAR(m.c / cr::Pow(methane.c, 0.9999), 1.0, 1e-12);
  EXPECT_GT(std::fabs(m.c - methane.c), 1e3);
}

TEST(BwrsMixing, APureComponentIsCopiedFieldByField) {
  // Another slot's negative fraction still counts in the acentric factor.
  const ComponentTable table = TableWith({{2, 1.1}, {3, -0.1}});
  const BwrsMixture pure = PureComponentMixture(table, 2);
  EXPECT_EQ(pure.coefficients.B0, 0.826059);
  EXPECT_EQ(pure.coefficients.E0, 1.46819e13);
  EXPECT_EQ(pure.coefficients.gamma, 2.99656);
  EXPECT_EQ(pure.coefficients.molecularWeight, 30.046);
  EXPECT_DOUBLE_EQ(pure.acentricFactor, 1.1 * 0.0978 - 0.1 * 0.1541);
}

}  // namespace
}  // namespace corvane
