// BWRS density by false position: two-point secant steps from fixed starting
// pairs, first a pass from liquid-like densities, then, if that pass does not
// settle, a pass from the zero and ideal-gas densities.
#pragma once

#include <span>

#include "thermo/component_table.h"

namespace corvane {

enum class FpMode { Liquid, Vapour };

struct FalsePositionResult {
  bool found = false;
  double root = 0;          // lb-mole/ft3; the secant point, never evaluated itself
  double lastPressure = 0;  // psia, the equation's pressure at the last point evaluated
  unsigned points = 0;      // k: the points evaluated in the final pass plus one
  FpMode mode = FpMode::Liquid;  // the pass the solver ended in
};

// Solves P(rho, T) = P with residuals F = P(rho, T) - P:
//   liquid pass: rho_1 = 1.0 (acentric factor above 0.24) or 2.0, rho_2 = rho_1 - 0.1;
//   vapour pass: rho_1 = 0 P/(T R) + 1e-8, rho_2 = P/(T R) + 1e-8.
// Then, for k = 3, 4, ..., on the two newest points:
//   k >= 60, |F_(k-1) - F_(k-2)| <= 1e-8 psia or a third pass: no root;
//   residuals rising in the vapour pass or not falling in the liquid pass: switch pass;
//   a sign change: the secant point is the root when |F_(k-1)| <= 0.5 psia, else switch;
//   else rho_k = (rho_(k-2) F_(k-1) - rho_(k-1) F_(k-2)) / (F_(k-1) - F_(k-2)),
//        the root when |rho_k - rho_(k-1)| <= 1e-7, else evaluate it and go on.
FalsePositionResult SolveFalsePosition(const MixtureCoefficients& m, double R, double T, double P,
                                       double acentricFactor);

struct FpState {
  double temperature;  // R
  double pressure;     // psia
};

// Solves several states of one mixture together: results[i] is exactly what
// SolveFalsePosition gives for states[i] alone. The solves advance in
// lock-step so that the processor overlaps their independent evaluations.
void SolveFalsePositionBatch(const MixtureCoefficients& m, double R, double acentricFactor,
                             std::span<const FpState> states, std::span<FalsePositionResult> results);

}  // namespace corvane
