// Johnson-Culver, false position and Newton on the cubic equations of state.
// Every test is strict exactly as the method states it; the counts feed the
// method note, so an off-by-one here is a visible fault.
#include "thermo/cubic_roots.h"

#include <cmath>
#include <optional>

namespace corvane {

namespace {

// Johnson-Culver.
constexpr double kJcStartVolume = 1.0;       // ft3/lb-mole
constexpr double kJcStartStep = 0.1;         // fraction of V
constexpr double kJcStepDivisor = 0.1;       // applied after each overshoot
constexpr double kJcTolerance = 0.1;         // psia
constexpr int kJcCountLimit = 100;

// False position.
constexpr double kFpHighFactor = 1.1;  // V_hi = 1.1 R T / P
constexpr double kFpLowFactor = 0.2;   // V_lo = 0.2 V_hi
constexpr double kFpTolerance = 0.01;  // psia
constexpr int kFpPassLimit = 100;

// Newton.
constexpr double kNewtonTolerance = 0.01;  // ft3/lb-mole
constexpr int kNewtonIterations = 50;
constexpr int kNewtonExhaustedCount = 51;

CubicRoot Breakdown(double volume, int count) { return {volume, count, CubicRootStatus::Breakdown}; }

CubicRoot Ended(double volume, int count, int failingCount) {
  return {volume, count, count >= failingCount ? CubicRootStatus::NoConvergence : CubicRootStatus::Converged};
}

}  // namespace

CubicRoot SolveCubicJohnsonCulver(const CubicEquation& eq, double pressure) {
  double v = kJcStartVolume;
  double step = kJcStartStep;
  double dv = 0.0;
  bool converged = false;
  int n = 0;
  for (;;) {
    double p = 0.0;
    do {
      // The inner march does not look at the count, but once the count has
      // reached the limit the outcome is settled: a failure, with nothing
      // shown but the note. Going on could only cost time (with a step too
      // small to move V, for ever), so the march ends here.
      if (n >= kJcCountLimit) return Ended(v, n, kJcCountLimit);
      ++n;
      dv = step * v;
      v = v + dv;
      const std::optional<double> pv = CubicPressure(eq, v);
      if (!pv) return Breakdown(v, n);
      p = *pv;
      if (std::fabs(p - pressure) < kJcTolerance) converged = true;
    } while (p > pressure && !converged);

    if (!converged) {
      v = v - dv;
      step = step * kJcStepDivisor;
    }
    if (converged || n >= kJcCountLimit) break;
  }
  // A count of the limit or more fails even when the last step converged.
  return Ended(v, n, kJcCountLimit);
}

CubicRoot SolveCubicFalsePosition(const CubicEquation& eq, double pressure) {
  const double r = eq.gasConstant;
  const double t = eq.temperature;
  if (pressure == 0.0) return Breakdown(0.0, 0);
  double vHi = kFpHighFactor * r * t / pressure;
  const double vLo = kFpLowFactor * vHi;
  const std::optional<double> pLo = CubicPressure(eq, vLo);
  if (!pLo) return Breakdown(vLo, 0);
  const double fLo = *pLo - pressure;  // the fixed end: never updated

  int n = 0;
  double vNew = vHi;
  double pNew = 0.0;
  do {
    const std::optional<double> pHi = CubicPressure(eq, vHi);
    if (!pHi) return Breakdown(vHi, n);
    const double fHi = *pHi - pressure;
    const double spread = fLo - fHi;
    if (spread == 0.0) return Breakdown(vHi, n);
    vNew = vLo - (vLo - vHi) * fLo / spread;
    const std::optional<double> pv = CubicPressure(eq, vNew);
    if (!pv) return Breakdown(vNew, n);
    pNew = *pv;
    vHi = vNew;
    ++n;
  } while (std::fabs(pNew - pressure) > kFpTolerance && n < kFpPassLimit);
  // The 100th pass fails even when it met the tolerance.
  return Ended(vNew, n, kFpPassLimit);
}

CubicRoot SolveCubicNewton(const CubicEquation& eq, double pressure) {
  if (pressure == 0.0) return Breakdown(0.0, 0);
  double v = eq.gasConstant * eq.temperature / pressure;
  for (int i = 1; i <= kNewtonIterations; ++i) {
    const double v0 = v;
    const std::optional<double> p = CubicPressure(eq, v0);
    const std::optional<double> slope = CubicPressureSlope(eq, v0);
    if (!p || !slope || *slope == 0.0) return Breakdown(v0, i);
    const double f = *p - pressure;
    v = v0 - f / *slope;
    if (!std::isfinite(v)) return Breakdown(v0, i);
    // A convergence on the last iteration still fails.
    if (std::fabs(v - v0) < kNewtonTolerance) return Ended(v, i, kNewtonIterations);
  }
  return Ended(v, kNewtonExhaustedCount, kNewtonIterations);
}

CubicRoot SolveCubicVolume(const CubicEquation& eq, double pressure, CubicRootMethod method) {
  switch (method) {
    case CubicRootMethod::JohnsonCulver: return SolveCubicJohnsonCulver(eq, pressure);
    case CubicRootMethod::FalsePosition: return SolveCubicFalsePosition(eq, pressure);
    case CubicRootMethod::Newton: return SolveCubicNewton(eq, pressure);
  }
  return {};
}

}  // namespace corvane
