// BWRS density by Johnson-Culver stepping: the density moves in geometric
// steps towards the target pressure; each time a step passes the target it
// is undone and the step fraction shrinks tenfold.
#pragma once

#include "thermo/component_table.h"

namespace corvane {

enum class JcDirection { Downward, Upward };

struct JohnsonCulverResult {
  bool found = false;         // false only when the equation gave a pressure that is not finite
  double density = 0;         // lb-mole/ft3, the last density stepped to
  double lastPressure = 0;    // psia, the equation's pressure at the last density evaluated
  unsigned iterations = 0;    // count since the last relaxation of the tolerance, 0..100
  double tolerance = 0;       // the relative tolerance in force at the end
};

struct JohnsonCulverStart {
  double density;    // lb-mole/ft3
  double tolerance;  // relative to P
  JcDirection direction;
};

// The program's two starts: the vapour root is sought downward from a dense
// start, the liquid root upward from a thin one, both to 1e-5 of P.
constexpr double kJcStartDensityHigh = 1.1;  // lb-mole/ft3
constexpr double kJcStartDensityLow = 0.01;  // lb-mole/ft3
constexpr double kJcTolerance = 0.00001;     // relative to P
constexpr JohnsonCulverStart kJcVapourStart{kJcStartDensityHigh, kJcTolerance, JcDirection::Downward};

// Finds rho with |P(rho, T) - P| < t P, stepping from `start`:
//   n = n + 1; after 100 iterations without convergence t = 10 t and n = 0;
//   delta = f rho; rho = rho -/+ delta; evaluate;
//   converged: stop; target still ahead: same f; passed: undo, f = f 0.1.
// The step only shrinks and the tolerance only grows, so the loop ends for
// every finite pressure; a pressure that is not finite (constants out of
// any sensible range) would keep it going forever and ends it without a root.
JohnsonCulverResult SolveJohnsonCulver(const MixtureCoefficients& m, double R, double T, double P,
                                       const JohnsonCulverStart& start);

}  // namespace corvane
