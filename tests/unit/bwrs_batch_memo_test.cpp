// Solving states together, or finding them solved, must give exactly what
// one solve on its own gives.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "bwrs_test_support.h"
#include "thermo/bwrs_false_position.h"
#include "thermo/false_position_memo.h"

namespace corvane {
namespace {

using testing::kR;

void ExpectSameResult(const FalsePositionResult& got, const FalsePositionResult& want) {
  EXPECT_EQ(got.found, want.found);
  EXPECT_EQ(std::memcmp(&got.root, &want.root, sizeof(double)), 0) << got.root << " vs " << want.root;
  EXPECT_EQ(std::memcmp(&got.lastPressure, &want.lastPressure, sizeof(double)), 0);
  EXPECT_EQ(got.points, want.points);
  EXPECT_EQ(got.mode, want.mode);
}

BwrsMixture Mixed(std::initializer_list<std::pair<int, double>> fractions) {
  const ComponentTable table = testing::TableWith(fractions);
  return MixBwrsRules(table, MakeBwrsMixingTerms(table, testing::Interactions()));
}

TEST(FalsePositionBatch, EveryLaneGetsTheResultOfItsOwnSolve) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> temperature(359.67, 759.67);
  std::uniform_real_distribution<double> pressure(13.7, 3000);
  for (const BwrsMixture& gas : {Mixed({{1, 0.96}, {2, 0.02}, {3, 0.005}, {10, 0.012}, {14, 0.003}}),
                                 Mixed({{1, 0.5}, {3, 0.3}, {8, 0.2}}), PureComponentMixture(
                                     testing::TableWith({{kCarbonDioxide, 1.0}}), kCarbonDioxide)}) {
    // More states than lanes, some without a root (carbon dioxide near -100 F).
    std::vector<FpState> states = {{359.67, 1000}, {393.77, 300}, {539.67, 1000}};
    while (states.size() < 19) states.push_back({temperature(random), pressure(random)});
    std::vector<FalsePositionResult> results(states.size());
    SolveFalsePositionBatch(gas.coefficients, kR, gas.acentricFactor, states, results);
    for (std::size_t i = 0; i < states.size(); ++i)
      ExpectSameResult(results[i], SolveFalsePosition(gas.coefficients, kR, states[i].temperature,
                                                      states[i].pressure, gas.acentricFactor));
  }
}

TEST(FalsePositionMemo, FindsOnlyWhatTheSameInputsWouldGive) {
  const BwrsMixture gas = Mixed({{1, 0.9}, {2, 0.1}});
  const MixtureCoefficients& m = gas.coefficients;
  const double w = gas.acentricFactor;
  FalsePositionMemo memo;
  memo.SolveAhead(m, kR, w, std::vector<FpState>{{500, 900}, {500, 899}, {500, 900}});
  ExpectSameResult(memo.Solve(m, kR, w, 500, 900), SolveFalsePosition(m, kR, 500, 900, w));
  ExpectSameResult(memo.Solve(m, kR, w, 500, 899), SolveFalsePosition(m, kR, 500, 899, w));

  // Any other input is another solve: the constants, R, the acentric factor.
  MixtureCoefficients other = m;
  other.A0 *= 1.01;
  ExpectSameResult(memo.Solve(other, kR, w, 500, 900), SolveFalsePosition(other, kR, 500, 900, w));
  ExpectSameResult(memo.Solve(m, kR, 0.3, 500, 900), SolveFalsePosition(m, kR, 500, 900, 0.3));
  ExpectSameResult(memo.Solve(m, 10.73, w, 500, 900), SolveFalsePosition(m, 10.73, 500, 900, w));

  // More states than it keeps: the oldest give way, nothing goes wrong.
  for (int n = 0; n < 20; ++n) {
    const double T = 400 + n;
    ExpectSameResult(memo.Solve(m, kR, w, T, 1000), SolveFalsePosition(m, kR, T, 1000, w));
  }
  ExpectSameResult(memo.Solve(m, kR, w, 400, 1000), SolveFalsePosition(m, kR, 400, 1000, w));

  // Inputs that are not numbers are solved once and found as they are.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(memo.Solve(m, kR, w, nan, 1000).found);
  EXPECT_FALSE(memo.Solve(m, kR, w, nan, 1000).found);
}

}  // namespace
}  // namespace corvane
