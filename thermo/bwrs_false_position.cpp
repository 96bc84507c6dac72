#include "thermo/bwrs_false_position.h"

#include <cmath>

#include "thermo/bwrs_equation.h"

namespace corvane {
namespace {

constexpr unsigned kPointLimit = 60;
constexpr int kSwitchLimit = 2;
constexpr double kAcentricThreshold = 0.24;
constexpr double kHeavyLiquidStart = 1.0;  // lb-mole/ft3
constexpr double kLightLiquidStart = 2.0;  // lb-mole/ft3
constexpr double kLiquidStep = 0.1;        // lb-mole/ft3
constexpr double kVapourOffset = 1e-8;     // lb-mole/ft3
constexpr double kFlatnessLimit = 1e-8;    // psia
constexpr double kResidualLimit = 0.5;     // psia
constexpr double kStepLimit = 1e-7;        // lb-mole/ft3

// Where the secant through points i and j crosses zero.
double SecantPoint(double rhoI, double fI, double rhoJ, double fJ) { return (rhoI * fJ - rhoJ * fI) / (fJ - fI); }

enum class PassEnd { Root, Switch, NoRoot };

struct Pass {
  PassEnd end;
  double root;
  unsigned k;
};

// One pass from its two starting densities. Only the two newest points take
// part in a test, so the pass keeps just those. `lastPressure` follows every
// evaluation, whatever the pass ends with.
Pass RunPass(const BwrsIsotherm& isotherm, double P, FpMode mode, int switches, double rho1, double rho2,
             double& lastPressure) {
  auto residual = [&](double rho) {
    lastPressure = isotherm.Pressure(rho);
    return lastPressure - P;
  };
  double olderRho = rho1;  // point k-2
  double olderF = residual(rho1);
  double newerRho = rho2;  // point k-1
  double newerF = residual(rho2);
  for (unsigned k = 3;; ++k) {
    if (k >= kPointLimit) return {PassEnd::NoRoot, 0, k};
    const double d = newerF - olderF;
    if (std::fabs(d) <= kFlatnessLimit || switches >= kSwitchLimit) return {PassEnd::NoRoot, 0, k};
    // Pressure rises with density on the branch a pass follows; the vapour
    // pass moves up from zero density, the liquid pass down from its start.
    const bool offBranch = mode == FpMode::Vapour ? d < 0 : d >= 0;
    if (offBranch) return {PassEnd::Switch, 0, k};
    if (newerF * olderF < 0) {
      // A sign change brackets the root only when the newer residual is small.
      if (std::fabs(newerF) <= kResidualLimit) return {PassEnd::Root, SecantPoint(olderRho, olderF, newerRho, newerF), k};
      return {PassEnd::Switch, 0, k};
    }
    const double rho = SecantPoint(olderRho, olderF, newerRho, newerF);
    if (std::fabs(rho - newerRho) <= kStepLimit) return {PassEnd::Root, rho, k};
    olderRho = newerRho;
    olderF = newerF;
    newerRho = rho;
    newerF = residual(rho);
  }
}

}  // namespace

FalsePositionResult SolveFalsePosition(const MixtureCoefficients& m, double R, double T, double P,
                                       double acentricFactor) {
  const BwrsIsotherm isotherm(m, R, T);
  FalsePositionResult result;
  FpMode mode = FpMode::Liquid;
  for (int switches = 0;; ++switches) {
    double rho1 = 0;
    double rho2 = 0;
    if (mode == FpMode::Liquid) {
      rho1 = acentricFactor > kAcentricThreshold ? kHeavyLiquidStart : kLightLiquidStart;
      rho2 = rho1 - kLiquidStep;
    } else {
      rho1 = 0 * P / (T * R) + kVapourOffset;
      rho2 = P / (T * R) + kVapourOffset;
    }
    const Pass pass = RunPass(isotherm, P, mode, switches, rho1, rho2, result.lastPressure);
    if (pass.end == PassEnd::NoRoot) return result;
    if (pass.end == PassEnd::Root) {
      result.found = true;
      result.root = pass.root;
      result.points = pass.k;
      result.mode = mode;
      return result;
    }
    mode = mode == FpMode::Liquid ? FpMode::Vapour : FpMode::Liquid;
  }
}

}  // namespace corvane
