// First guesses of the equilibrium ratios K_i = y_i / x_i, by Wilson's
// correlation (Wilson 1968):
//
//   ln K_i = ln(P_c,i / P) + 5.373 (1 + omega_i) (1 - T_c,i / T)
//
// T in K, P in kPa. Only the start of an iteration depends on these
// numbers, never its converged answer, so they need no more than the three
// or four digits the correlation itself has.
#pragma once

#include "gerg/composition.h"

namespace corvane::phase {

// The critical pressure (kPa) and acentric factor of each GERG-2008
// component; T_c is the model's own (gerg2008_table).
struct WilsonConstants {
  double criticalPressure = 0;  // kPa
  double acentricFactor = 0;
};

const WilsonConstants& WilsonConstantsOf(gerg::Component component);

// ln K_i at (T, P) for every component (0 where x is 0 elsewhere: callers
// use only the present ones).
gerg::Composition WilsonLnK(double temperature, double pressure);

}  // namespace corvane::phase
