#include "thermo/bwrs_johnson_culver.h"

#include <cmath>

#include "thermo/bwrs_equation.h"

namespace corvane {
namespace {
constexpr double kFirstStepFraction = 0.1;
constexpr double kStepShrink = 0.1;
constexpr unsigned kIterationsPerTolerance = 100;
constexpr double kToleranceGrowth = 10;
}  // namespace

JohnsonCulverResult SolveJohnsonCulver(const MixtureCoefficients& m, double R, double T, double P,
                                       const JohnsonCulverStart& start) {
  const BwrsIsotherm isotherm(m, R, T);
  const bool downward = start.direction == JcDirection::Downward;
  double tolerance = start.tolerance;
  double rho = start.density;
  double fraction = kFirstStepFraction;
  JohnsonCulverResult result;
  unsigned n = 0;
  for (;;) {
    ++n;
    if (n > kIterationsPerTolerance) {
      tolerance = tolerance * kToleranceGrowth;
      n = 0;
    }
    const double delta = fraction * rho;
    rho = downward ? rho - delta : rho + delta;
    const double pressure = isotherm.Pressure(rho);
    result.lastPressure = pressure;
    if (!std::isfinite(pressure)) {
      result.iterations = n;
      result.tolerance = tolerance;
      return result;
    }
    if (std::fabs(pressure - P) < tolerance * P) break;
    const bool targetAhead = downward ? pressure > P : pressure < P;
    if (targetAhead) continue;
    rho = downward ? rho + delta : rho - delta;
    fraction = fraction * kStepShrink;
  }
  result.found = true;
  result.density = rho;
  result.iterations = n;
  result.tolerance = tolerance;
  return result;
}

}  // namespace corvane
