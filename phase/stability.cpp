#include "phase/stability.h"

#include <algorithm>
#include <cmath>

#include "crmath/correctly_rounded.h"
#include "phase/linear_solve.h"
#include "phase/wilson.h"

namespace corvane::phase {

namespace {

// A trial is taken as converged when no ln W moves by more than this in a
// step, and as back at the feed when every w_i / z_i is this close to 1.
constexpr double kTrialStep = 1e-10;
constexpr double kTrivialDistance = 1e-4;
// Substitution gives way to Newton's method after this many steps where
// one step shrinks the change by less than kSlowRatio.
constexpr int kSubstitutionsBeforeNewton = 6;
constexpr double kSlowRatio = 0.6;
// A trial this far below zero is unstable beyond doubt: the flash takes over.
constexpr double kClearlyNegativeTpd = -1e-4;

struct TrialPoint {
  bool found = false;
  Composition W{}, w{};
  PhaseState phase;
  double tpd = 0;
};

TrialPoint Evaluate(const FugacityModel& model, double temperature, double pressure, const Composition& lnW,
                    const Composition& d, RootChoice choice) {
  TrialPoint t;
  double sum = 0.0;
  for (std::size_t n = 0; n < model.PresentCount(); ++n) {
    const std::size_t i = model.Present(n);
    t.W[i] = cr::Exp(lnW[i]);
    sum += t.W[i];
  }
  if (!(sum > 0.0) || !std::isfinite(sum)) return t;
  for (std::size_t n = 0; n < model.PresentCount(); ++n) t.w[model.Present(n)] = t.W[model.Present(n)] / sum;
  t.phase = model.At(temperature, pressure, t.w, choice);
  if (!t.phase.found) return t;
  t.tpd = 1.0;
  for (std::size_t n = 0; n < model.PresentCount(); ++n) {
    const std::size_t i = model.Present(n);
    t.tpd += t.W[i] * (lnW[i] + t.phase.lnPhi[i] - d[i] - 1.0);
  }
  t.found = std::isfinite(t.tpd);
  return t;
}

bool BackAtFeed(const FugacityModel& model, const Composition& w, const Composition& z) {
  for (std::size_t n = 0; n < model.PresentCount(); ++n) {
    const std::size_t i = model.Present(n);
    if (std::abs(w[i] / z[i] - 1.0) > kTrivialDistance) return false;
  }
  return true;
}

}  // namespace

TrialResult MinimiseTangentPlane(const FugacityModel& model, double temperature, double pressure,
                                 const Composition& z, const Composition& d, Composition lnW) {
  TrialResult result;
  const std::size_t m = model.PresentCount();
  double previousChange = 0.0;
  int slow = 0;
  TrialPoint t;
  int iteration = 0;
  for (; iteration < kMostTrialSubstitutions; ++iteration) {
    t = Evaluate(model, temperature, pressure, lnW, d, RootChoice::kLowestGibbs);
    if (!t.found) return result;
    double change = 0.0;
    for (std::size_t n = 0; n < m; ++n) {
      const std::size_t i = model.Present(n);
      const double next = d[i] - t.phase.lnPhi[i];
      change = std::max(change, std::abs(next - lnW[i]));
      lnW[i] = next;
    }
    result.iterations = iteration + 1;
    result.tpd = t.tpd;
    result.w = t.w;
    result.lnW = lnW;
    if (BackAtFeed(model, t.w, z)) {
      result.trivial = true;
      result.converged = true;
      return result;
    }
    if (change <= kTrialStep || t.tpd < kClearlyNegativeTpd) {
      result.converged = true;
      return result;
    }
    slow = (iteration > 0 && change > kSlowRatio * previousChange) ? slow + 1 : 0;
    previousChange = change;
    if (slow >= kSubstitutionsBeforeNewton) break;
  }
  // Newton's method in alpha = 2 sqrt(W), with a line search on tm.
  const RootChoice same = t.phase.gasLike ? RootChoice::kVapour : RootChoice::kLiquid;
  t = Evaluate(model, temperature, pressure, lnW, d, same);
  for (int step = 0; step < kMostTrialNewtonSteps && t.found; ++step) {
    ++result.iterations;
    Vector g{};
    double sumW = 0.0, largest = 0.0;
    for (std::size_t n = 0; n < m; ++n) {
      const std::size_t i = model.Present(n);
      g[n] = std::sqrt(t.W[i]) * (lnW[i] + t.phase.lnPhi[i] - d[i]);
      largest = std::max(largest, std::abs(lnW[i] + t.phase.lnPhi[i] - d[i]));
      sumW += t.W[i];
    }
    result.tpd = t.tpd;
    result.w = t.w;
    result.lnW = lnW;
    if (largest <= kTrialStep) {
      result.converged = true;
      break;
    }
    if (BackAtFeed(model, t.w, z)) {
      result.trivial = result.converged = true;
      break;
    }
    Matrix h{};
    bool columns = true;
    for (std::size_t c = 0; c < m && columns; ++c) {
      const std::size_t j = model.Present(c);
      const double dn = 1e-6 * sumW;
      const auto shifted = [&](double by) {
        Composition w{};
        for (std::size_t n = 0; n < m; ++n) w[model.Present(n)] = t.W[model.Present(n)];
        w[j] += by;
        const double total = sumW + by;
        for (std::size_t n = 0; n < m; ++n) w[model.Present(n)] /= total;
        return model.At(temperature, pressure, w, same);
      };
      const PhaseState up = shifted(dn), down = shifted(-std::min(dn, 0.5 * t.W[j]));
      if (!up.found || !down.found) {
        columns = false;
        break;
      }
      const double width = dn + std::min(dn, 0.5 * t.W[j]);
      for (std::size_t r = 0; r < m; ++r) {
        const std::size_t i = model.Present(r);
        h[r][c] = std::sqrt(t.W[i] * t.W[j]) * (up.lnPhi[i] - down.lnPhi[i]) / width + (r == c ? 1.0 : 0.0);
      }
    }
    for (std::size_t n = 0; n < m; ++n) g[n] = -g[n];
    if (!columns || !SolveLinear(h, g, m)) break;
    double scale = 1.0;
    bool moved = false;
    for (int halving = 0; halving < 8 && !moved; ++halving, scale *= 0.5) {
      Composition next = lnW;
      bool valid = true;
      for (std::size_t n = 0; n < m; ++n) {
        const std::size_t i = model.Present(n);
        const double alpha = 2.0 * std::sqrt(t.W[i]) + scale * g[n];
        if (!(alpha > 0.0)) {
          valid = false;
          break;
        }
        next[i] = 2.0 * cr::Log(alpha / 2.0);
      }
      if (!valid) continue;
      const TrialPoint u = Evaluate(model, temperature, pressure, next, d, same);
      if (u.found && u.tpd <= t.tpd + 1e-14) {
        lnW = next;
        t = u;
        moved = true;
      }
    }
    if (!moved) break;
  }
  return result;
}

StabilityResult AnalysePhases(const FugacityModel& model, double temperature, double pressure, const Composition& z) {
  StabilityResult result;
  result.feed = model.At(temperature, pressure, z, RootChoice::kLowestGibbs);
  if (!result.feed.found) return result;
  const std::size_t m = model.PresentCount();
  Composition d{};
  double feedGibbs = 0.0;
  for (std::size_t n = 0; n < m; ++n) {
    const std::size_t i = model.Present(n);
    d[i] = cr::Log(z[i]) + result.feed.lnPhi[i];
    feedGibbs += z[i] * d[i];
  }
  const Composition lnK = WilsonLnK(temperature, pressure);
  Composition vapourStart{}, liquidStart{};
  for (std::size_t n = 0; n < m; ++n) {
    const std::size_t i = model.Present(n);
    vapourStart[i] = cr::Log(z[i]) + lnK[i];
    liquidStart[i] = cr::Log(z[i]) - lnK[i];
  }
  result.vapourTrial = MinimiseTangentPlane(model, temperature, pressure, z, d, vapourStart);
  result.liquidTrial = MinimiseTangentPlane(model, temperature, pressure, z, d, liquidStart);
  const auto negative = [](const TrialResult& t) { return !t.trivial && t.tpd < kNegativeTpd && t.iterations > 0; };
  for (const TrialResult* t : {&result.vapourTrial, &result.liquidTrial})
    if (t->converged && !t->trivial) result.leastTpd = std::min(result.leastTpd, t->tpd);
  if (!negative(result.vapourTrial) && !negative(result.liquidTrial)) {
    const auto settled = [](const TrialResult& t) { return t.converged || t.tpd >= 0.0; };
    if (!settled(result.vapourTrial) || !settled(result.liquidTrial)) return result;
    result.answer = result.feed.gasLike ? PhaseAnswer::kGas : PhaseAnswer::kLiquidLike;
    return result;
  }
  // The flash from the more negative trial first, then from the other.
  const TrialResult* first = &result.vapourTrial;
  const TrialResult* second = &result.liquidTrial;
  if (!negative(*first) || (negative(*second) && second->tpd < first->tpd)) std::swap(first, second);
  for (const TrialResult* t : {first, second}) {
    if (!negative(*t)) continue;
    Composition start{};
    const bool vapourLike = t == &result.vapourTrial;
    for (std::size_t n = 0; n < m; ++n) {
      const std::size_t i = model.Present(n);
      const double lnRatio = cr::Log(t->w[i]) - cr::Log(z[i]);
      start[i] = vapourLike ? lnRatio : -lnRatio;
    }
    FlashResult flash = Flash(model, temperature, pressure, z, start, feedGibbs);
    if (flash.converged && flash.gibbsChange < 0.0) {
      result.flash = flash;
      result.answer = PhaseAnswer::kTwoPhase;
      return result;
    }
  }
  return result;
}

}  // namespace corvane::phase
