// Phase stability of a feed z at (T, P) by the tangent-plane distance
// (Michelsen 1982). With d_i = ln z_i + ln phi_i(z) of the feed's phase and
// a trial phase of mole numbers W (composition w = W / sum W),
//
//   tm(W) = 1 + sum_i W_i (ln W_i + ln phi_i(w) - d_i - 1);
//
// the feed is stable when no W makes tm negative. Two trials start from
// Wilson's K: a vapour-like one, W = z K, and a liquid-like one, W = z / K.
// Each iterates by successive substitution, ln W_i = d_i - ln phi_i(w),
// and, where that slows, by Newton's method in alpha_i = 2 sqrt(W_i), on
// whose gradient g_i = sqrt(W_i) (ln W_i + ln phi_i - d_i) the Hessian is
//   H_ij = delta_ij + sqrt(W_i W_j) d ln phi_i / d n_j
// (the derivatives by differences). A trial that comes back to the feed is
// trivial. Where a trial has tm < 0, a flash (flash.h) from its K splits
// the feed; the answer is two-phase only where that split converges and
// lowers the Gibbs energy.
#pragma once

#include "phase/flash.h"
#include "phase/fugacity.h"

namespace corvane::phase {

constexpr int kMostTrialSubstitutions = 60;
constexpr int kMostTrialNewtonSteps = 15;
// tm below this is taken as negative.
constexpr double kNegativeTpd = -1e-9;

enum class PhaseAnswer {
  kGas,         // stable, the feed at its gas-like density
  kLiquidLike,  // stable, the feed at a dense root
  kTwoPhase,    // unstable; the flash's split
  kUnknown,     // no answer: no density, or a test or flash that did not converge
};

struct TrialResult {
  bool converged = false;
  bool trivial = false;    // came back to the feed
  double tpd = 0;          // tm at the end
  Composition w{};         // normalised composition of the trial
  Composition lnW{};       // ln W at the end
  int iterations = 0;
};

struct StabilityResult {
  PhaseAnswer answer = PhaseAnswer::kUnknown;
  PhaseState feed;         // the feed's own phase at (T, P)
  double leastTpd = 0;     // the smallest tm of the converged, non-trivial trials (0: none)
  TrialResult vapourTrial;
  TrialResult liquidTrial;
  FlashResult flash;       // kTwoPhase
  int evaluations = 0;     // of the fugacity coefficients, for the benchmark
};

// The tangent-plane test and, where unstable, the flash. z: mole fractions
// summing to 1, zero outside the model's components.
StabilityResult AnalysePhases(const FugacityModel& model, double temperature, double pressure, const Composition& z);

// One trial from ln W (present components) against the feed's d.
TrialResult MinimiseTangentPlane(const FugacityModel& model, double temperature, double pressure,
                                 const Composition& z, const Composition& d, Composition lnW);

}  // namespace corvane::phase
