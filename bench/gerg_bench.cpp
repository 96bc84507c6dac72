// GERG-2008 at the start-up state (the default gas, 80 F, 1000 psia): the
// density at (T, P) and every property. The target is one new state of a
// known composition in at most 1.2 microseconds, with what depends only on
// the composition, and the powers of tau of the temperature, kept from call
// to call; the other figures show what a new temperature, a new
// composition and the second root cost on top.
#include <benchmark/benchmark.h>

#include <array>

#include "gerg/density_solver.h"
#include "gerg/properties.h"
#include "gerg/reference.h"
#include "model/unit_factors.h"

namespace corvane::gerg {
namespace {

constexpr double kTemperatureF = 80.0;
constexpr double kPressurePsia = 1000.0;

std::array<double, kGasCount> StartupFractions() {
  std::array<double, kGasCount> f{};
  f[Index(Gas::Methane)] = 0.96;
  f[Index(Gas::Ethane)] = 0.02;
  f[Index(Gas::Propane)] = 0.005;
  f[Index(Gas::IsoButane)] = 0.002;
  f[Index(Gas::NButane)] = 0.002;
  f[Index(Gas::IsoPentane)] = 0.0005;
  f[Index(Gas::NPentane)] = 0.0005;
  f[Index(Gas::CarbonDioxide)] = 0.007;
  f[Index(Gas::Nitrogen)] = 0.003;
  return f;
}

// The composition and the temperature's terms kept: the density and every property.
void BM_GergStateOfAKnownIsotherm(benchmark::State& state) {
  const Mixture mixture(FromEntryFractions(StartupFractions()).x);
  const Isotherm isotherm(mixture, si::KelvinFromFahrenheit(kTemperatureF));
  double P = kPressurePsia * si::kKilopascalPerPsi;
  int evaluations = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(P);
    const DensityRoot root = DensityAt(isotherm, P);
    benchmark::DoNotOptimize(PropertiesAt(isotherm, root.density));
    evaluations = root.evaluations;
  }
  state.counters["evaluations"] = evaluations;
}
BENCHMARK(BM_GergStateOfAKnownIsotherm);

// The same through the dialog's inputs, with the results in both unit systems.
void BM_GergReferenceOfAKnownIsotherm(benchmark::State& state) {
  ReferenceCalculator calculator;
  const std::array<double, kGasCount> fractions = StartupFractions();
  for (auto _ : state) benchmark::DoNotOptimize(calculator.Calculate(fractions, kPressurePsia, kTemperatureF));
}
BENCHMARK(BM_GergReferenceOfAKnownIsotherm);

// A new temperature each call (a step of 1e-4 F from the last, so never
// one the calculator keeps): the powers of tau and the ideal-gas part's
// functions of T again.
void BM_GergReferenceOfANewTemperature(benchmark::State& state) {
  ReferenceCalculator calculator;
  const std::array<double, kGasCount> fractions = StartupFractions();
  double T = kTemperatureF;
  for (auto _ : state) {
    T += 1e-4;
    benchmark::DoNotOptimize(calculator.Calculate(fractions, kPressurePsia, T));
  }
}
BENCHMARK(BM_GergReferenceOfANewTemperature);

// The rows of bench/batch_timing.sh's envelope in their order: 200
// temperatures from -100 to 300 F in turn at each of 500 pressures.
void BM_GergReferenceOverTheEnvelope(benchmark::State& state) {
  ReferenceCalculator calculator;
  const std::array<double, kGasCount> fractions = StartupFractions();
  int row = 0;
  for (auto _ : state) {
    const int i = row / 200 % 500, j = row % 200;
    ++row;
    benchmark::DoNotOptimize(
        calculator.Calculate(fractions, 14.7 + i * (3000 - 14.7) / 499, -100 + j * 400.0 / 199));
  }
}
BENCHMARK(BM_GergReferenceOverTheEnvelope);

// Composing the mixture: once per composition.
void BM_GergMixture(benchmark::State& state) {
  const Composition x = FromEntryFractions(StartupFractions()).x;
  for (auto _ : state) benchmark::DoNotOptimize(Mixture(x));
}
BENCHMARK(BM_GergMixture);

// Both roots, as the comparison of the equations asks for them.
void BM_GergBothRoots(benchmark::State& state) {
  ReferenceCalculator calculator;
  const std::array<double, kGasCount> fractions = StartupFractions();
  for (auto _ : state) benchmark::DoNotOptimize(calculator.CalculateRoots(fractions, kPressurePsia, kTemperatureF));
}
BENCHMARK(BM_GergBothRoots);

}  // namespace
}  // namespace corvane::gerg
