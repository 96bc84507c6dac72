// The BWRS numerics at the default gas, 80 F and 1000 psia: one pressure
// evaluation and one density solve by each method.
#include <benchmark/benchmark.h>

#include "thermo/bwrs_equation.h"
#include "thermo/bwrs_false_position.h"
#include "thermo/bwrs_johnson_culver.h"
#include "thermo/bwrs_mixing.h"

namespace corvane {
namespace {

constexpr double kR = kGasConstant;
constexpr double kT = 80 + 459.67;
constexpr double kP = 1000;

BwrsMixture DefaultGas() {
  ComponentTable table;
  FillComponentTable(table);
  InteractionTable k;
  FillInteractionTable(k);
  for (auto& record : table) record.moleFraction = 0;
  const std::pair<int, double> fractions[] = {{1, 0.96},  {2, 0.02},   {3, 0.005},  {4, 0.002}, {5, 0.002},
                                              {6, 0.0005}, {7, 0.0005}, {10, 0.007}, {14, 0.003}};
  for (auto [slot, x] : fractions) table[slot].moleFraction = x;
  return MixBwrsRules(table, MakeBwrsMixingTerms(table, k));
}

void BM_BwrsPressure(benchmark::State& state) {
  const MixtureCoefficients m = DefaultGas().coefficients;
  double rho = 0.19757;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rho);
    benchmark::DoNotOptimize(BwrsPressure(m, kR, kT, rho));
  }
}
BENCHMARK(BM_BwrsPressure);

void BM_BwrsFalsePosition(benchmark::State& state) {
  const BwrsMixture gas = DefaultGas();
  double P = kP;
  for (auto _ : state) {
    benchmark::DoNotOptimize(P);
    benchmark::DoNotOptimize(SolveFalsePosition(gas.coefficients, kR, kT, P, gas.acentricFactor));
  }
}
BENCHMARK(BM_BwrsFalsePosition);

void BM_BwrsJohnsonCulver(benchmark::State& state) {
  const MixtureCoefficients m = DefaultGas().coefficients;
  double P = kP;
  for (auto _ : state) {
    benchmark::DoNotOptimize(P);
    benchmark::DoNotOptimize(SolveJohnsonCulver(m, kR, kT, P, kJcVapourStart));
  }
}
BENCHMARK(BM_BwrsJohnsonCulver);

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

void BM_BwrsMixing(benchmark::State& state) {
  ComponentTable table;
  FillComponentTable(table);
  InteractionTable k;
  FillInteractionTable(k);
  const BwrsMixingTerms terms = MakeBwrsMixingTerms(table, k);
  for (auto& record : table) record.moleFraction = 0;
  const std::pair<int, double> fractions[] = {{1, 0.96},  {2, 0.02},   {3, 0.005},  {4, 0.002}, {5, 0.002},
                                              {6, 0.0005}, {7, 0.0005}, {10, 0.007}, {14, 0.003}};
  for (auto [slot, x] : fractions) table[slot].moleFraction = x;
  for (auto _ : state) {
    benchmark::DoNotOptimize(table);
    benchmark::DoNotOptimize(MixBwrsRules(table, terms));
  }
}
BENCHMARK(BM_BwrsMixing);

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

// The five perturbed states of the optional properties, solved together.
void BM_BwrsFalsePositionBatchOfFive(benchmark::State& state) {
  const BwrsMixture gas = DefaultGas();
  const FpState states[] = {{kT + 0.5, kP}, {kT - 0.5, kP}, {kT - 1, kP - 1}, {kT + 1, kP - 1}, {kT, kP - 1}};
  FalsePositionResult results[5];
  for (auto _ : state) {
    benchmark::DoNotOptimize(states);
    SolveFalsePositionBatch(gas.coefficients, kR, gas.acentricFactor, states, results);
    benchmark::DoNotOptimize(results);
  }
}
BENCHMARK(BM_BwrsFalsePositionBatchOfFive);

}  // namespace
}  // namespace corvane
