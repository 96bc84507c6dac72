// Phase equilibrium by GERG-2008: the stability test at the start-up state
// (the default gas, 80 F, 1000 psia; target at most 200 microseconds), the
// rich gas's dew point at 1000 psia (at most 3 ms) and its envelope (at
// most 150 ms). The component set's terms are composed once, outside the
// loop, as the dialog keeps them for a composition.
#include <benchmark/benchmark.h>

#include "phase/dew_point.h"
#include "phase/envelope.h"
#include "phase/stability.h"
#include "tests/phase/phase_test_gases.h"

namespace corvane::phase {
namespace {

constexpr double k1000Psia = 6894.757293168361;  // kPa

void BM_StabilityAtStartup(benchmark::State& state) {
  const Composition z = StartupGas();
  const FugacityModel model(z);
  const double t = (80.0 + 459.67) * 5.0 / 9.0;
  for (auto _ : state) benchmark::DoNotOptimize(AnalysePhases(model, t, k1000Psia, z));
}
BENCHMARK(BM_StabilityAtStartup)->Unit(benchmark::kMicrosecond);

void BM_RichGasDewPointAt1000Psia(benchmark::State& state) {
  const Composition z = RichGas();
  const FugacityModel model(z);
  for (auto _ : state) benchmark::DoNotOptimize(DewPointTemperature(model, z, k1000Psia));
}
BENCHMARK(BM_RichGasDewPointAt1000Psia)->Unit(benchmark::kMillisecond);

void BM_RichGasEnvelope(benchmark::State& state) {
  const Composition z = RichGas();
  const FugacityModel model(z);
  for (auto _ : state) benchmark::DoNotOptimize(TraceEnvelope(model, z));
}
BENCHMARK(BM_RichGasEnvelope)->Unit(benchmark::kMillisecond);

// The evaluation the others are made of: one phase's density and ln phi.
void BM_FugacityCoefficientsAtTAndP(benchmark::State& state) {
  const Composition z = RichGas();
  const FugacityModel model(z);
  for (auto _ : state) benchmark::DoNotOptimize(model.At(250.0, k1000Psia, z, RootChoice::kVapour));
}
BENCHMARK(BM_FugacityCoefficientsAtTAndP)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane::phase

namespace corvane::phase {
namespace {

// The check that the dew point is the highest: the stability test just above it.
void BM_RichGasStabilityJustAboveItsDewPoint(benchmark::State& state) {
  const Composition z = RichGas();
  const FugacityModel model(z);
  for (auto _ : state) benchmark::DoNotOptimize(AnalysePhases(model, 266.3, k1000Psia, z));
}
BENCHMARK(BM_RichGasStabilityJustAboveItsDewPoint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane::phase
