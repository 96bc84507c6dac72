// Viscosity at the start-up state and the report record's text: the parts of
// a run besides the equation of state and its finite differences.
#include <benchmark/benchmark.h>

#include "files/report_text.h"
#include "thermo/component_table.h"
#include "thermo/viscosity.h"

namespace corvane {
namespace {

ComponentTable StartUpMixture() {
  ComponentTable table{};
  FillComponentTable(table);
  const double fractions[15] = {0, 0.96, 0.02, 0.005, 0.002, 0.002, 0.0005, 0.0005, 0, 0, 0.007, 0, 0, 0, 0.003};
  for (int slot = 1; slot <= 14; ++slot) table[static_cast<std::size_t>(slot)].moleFraction = fractions[slot];
  return table;
}

void BM_MixtureViscosity(benchmark::State& state) {
  const ComponentTable table = StartUpMixture();
  double temperature = 539.67, pressure = 1000.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(temperature);
    benchmark::DoNotOptimize(pressure);
    benchmark::DoNotOptimize(MixtureViscosity(table, kGasConstant, temperature, pressure));
  }
}
BENCHMARK(BM_MixtureViscosity);

void BM_ReportRecordText(benchmark::State& state) {
  const std::array<double, 15> fractions = {0.96, 0.02, 0.005, 0.002, 0.002, 0.0005, 0.0005, 0, 0, 0.007, 0, 0, 0, 0.003, 0};
  ReportResultValues values{kEosBwrs, 1000.0, 80.0, {}, 239.33, 1, 1, 1};
  values.results = {1000.0, 0.19757, 0.29936, -1542.1, 0.87379, 0.0126, 0.6577, 16.908, 0.8906, -0.0484};
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReportHeaderAndComposition(kEosBwrs, kMethodFalsePosition, fractions));
    benchmark::DoNotOptimize(ReportResultsBlock(values));
  }
}
BENCHMARK(BM_ReportRecordText);

}  // namespace
}  // namespace corvane
