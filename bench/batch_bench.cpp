// The CSV batch on the operating envelope: 100,000 rows of the start-up gas,
// P 14.7..3000 psia x T -100..300 F, BWRS by false position, all four boxes,
// with one and with two workers. Reading, running and writing are all in.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "cli/batch.h"

namespace corvane {
namespace {

std::string EnvelopeCsv() {
  constexpr int kPressures = 500, kTemperatures = 200;
  std::string csv = "pressure,temperature\n";
  char line[64];
  for (int i = 0; i < kPressures; ++i) {
    for (int j = 0; j < kTemperatures; ++j) {
      std::snprintf(line, sizeof line, "%.4f,%.4f\n", 14.7 + i * (3000.0 - 14.7) / (kPressures - 1),
                    -100.0 + j * 400.0 / (kTemperatures - 1));
      csv += line;
    }
  }
  return csv;
}

void BM_BatchEnvelope(benchmark::State& state) {
  static const std::string csv = EnvelopeCsv();
  BatchSettings settings;
  settings.jobs = static_cast<unsigned>(state.range(0));
  std::size_t outputBytes = 0;
  // The process's CPU time over all its threads: on a shared machine the
  // wall time says more about the neighbours than about the batch.
  const std::clock_t cpuStart = std::clock();
  for (auto _ : state) {
    BatchStreams streams;
    streams.read = ReadFromMemory(csv);
    streams.write = [&](std::string_view bytes) {
      outputBytes += bytes.size();
      return true;
    };
    std::string error;
    if (RunBatch(settings, streams, error) != 0) state.SkipWithError("the batch failed");
  }
  const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  state.SetItemsProcessed(state.iterations() * 100000);
  state.counters["rows_per_cpu_second"] = static_cast<double>(state.iterations()) * 100000 / cpuSeconds;
  benchmark::DoNotOptimize(outputBytes);
}
BENCHMARK(BM_BatchEnvelope)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
}  // namespace corvane
