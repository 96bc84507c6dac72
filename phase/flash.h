// The two-phase split of a feed z at (T, P): the vapour fraction beta and
// the phases' compositions y and x with equal fugacities,
//
//   ln K_i = ln phi_i^L(x) - ln phi_i^V(y),   K_i = y_i / x_i,
//   sum_i z_i (K_i - 1) / (1 + beta (K_i - 1)) = 0   (Rachford and Rice 1952),
//   x_i = z_i / (1 + beta (K_i - 1)),   y_i = K_i x_i.
//
// Successive substitution on ln K first, then Newton's method on the same
// equations with a Jacobian of differences when substitution slows (near a
// critical point it converges ever more slowly). Converged when every
// |ln f_i^L - ln f_i^V| <= kFugacityTolerance. Work is bounded by the
// iteration caps below.
#pragma once

#include "phase/fugacity.h"

namespace corvane::phase {

constexpr double kFugacityTolerance = 1e-10;
constexpr int kMostSubstitutions = 30;
constexpr int kMostNewtonSteps = 20;

struct FlashResult {
  bool converged = false;
  double vapourFraction = 0;  // beta, in (0, 1) when converged
  Composition vapour{};       // y
  Composition liquid{};       // x
  PhaseState vapourPhase;
  PhaseState liquidPhase;
  // (G - G_feed) / (R T) of the split, per mole of feed: < 0 when the split
  // is the more stable state.
  double gibbsChange = 0;
  double fugacityResidual = 0;  // max |ln f_i^L - ln f_i^V|
  int iterations = 0;
};

// The split from first guesses lnK (present components only). feedGibbs:
// sum_i z_i (ln z_i + ln phi_i(z)) of the feed's own phase.
FlashResult Flash(const FugacityModel& model, double temperature, double pressure, const Composition& z,
                  const Composition& lnK, double feedGibbs);

// beta of the Rachford-Rice equation, in [0, 1]: 0 where every K makes the
// feed a liquid or the sum is not positive at 0, 1 where it is not
// negative at 1.
double RachfordRice(const FugacityModel& model, const Composition& z, const Composition& k);

}  // namespace corvane::phase
