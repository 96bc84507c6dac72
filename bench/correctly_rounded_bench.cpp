// The numerics' own exp, log and pow beside the C library's, each in a chain
// where every call waits on the one before (the way a root solver's steps
// wait on the pressure) and in independent calls. The C library's figures
// are the yardstick for the cost of rounding correctly on every platform.
#include <benchmark/benchmark.h>

#include <cmath>

#include "crmath/correctly_rounded.h"

namespace corvane {
namespace {

// x -> -0.05 - 0.001 f(x) stays next to -0.05, the size of -gamma rho^2.
template <double (*F)(double)>
void BM_ExpChain(benchmark::State& state) {
  double x = -0.05;
  for (auto _ : state) x = -0.05 - 0.001 * F(x);
  benchmark::DoNotOptimize(x);
}

template <double (*F)(double)>
void BM_ExpIndependent(benchmark::State& state) {
  double x = -0.05;
  for (auto _ : state) {
    benchmark::DoNotOptimize(F(x));
    x -= 1e-9;
  }
}

// T^0.1666 as in the viscosity, chained through the base.
template <double (*F)(double, double)>
void BM_PowChain(benchmark::State& state) {
  double x = 539.67;
  for (auto _ : state) x = 539.0 + 0.001 * F(x, 0.1666);
  benchmark::DoNotOptimize(x);
}

template <double (*F)(double)>
void BM_LogChain(benchmark::State& state) {
  double x = 1000.0;
  for (auto _ : state) x = 1000.0 + 0.001 * F(x);
  benchmark::DoNotOptimize(x);
}

double LibraryExp(double x) { return std::exp(x); }
double LibraryLog(double x) { return std::log(x); }
double LibraryPow(double x, double y) { return std::pow(x, y); }

BENCHMARK(BM_ExpChain<cr::Exp>)->Name("ExpChain/CorrectlyRounded");
BENCHMARK(BM_ExpChain<LibraryExp>)->Name("ExpChain/CLibrary");
BENCHMARK(BM_ExpIndependent<cr::Exp>)->Name("ExpIndependent/CorrectlyRounded");
BENCHMARK(BM_ExpIndependent<LibraryExp>)->Name("ExpIndependent/CLibrary");
BENCHMARK(BM_LogChain<cr::Log>)->Name("LogChain/CorrectlyRounded");
BENCHMARK(BM_LogChain<LibraryLog>)->Name("LogChain/CLibrary");
BENCHMARK(BM_PowChain<cr::Pow>)->Name("PowChain/CorrectlyRounded");
BENCHMARK(BM_PowChain<LibraryPow>)->Name("PowChain/CLibrary");

}  // namespace
}  // namespace corvane
