#include "phase/flash.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "crmath/correctly_rounded.h"
#include "phase/linear_solve.h"

namespace corvane::phase {

double RachfordRice(const FugacityModel& model, const Composition& z, const Composition& k) {
  const auto h = [&](double beta, double* slope) {
    double sum = 0.0, d = 0.0;
    for (std::size_t n = 0; n < model.PresentCount(); ++n) {
      const std::size_t i = model.Present(n);
      const double km = k[i] - 1.0;
      const double denominator = 1.0 + beta * km;
      sum += z[i] * km / denominator;
      d -= z[i] * km * km / (denominator * denominator);
    }
    if (slope) *slope = d;
    return sum;
  };
  if (!(h(0.0, nullptr) > 0.0)) return 0.0;
  if (!(h(1.0, nullptr) < 0.0)) return 1.0;
  // h falls monotonically: Newton's steps kept in the bracket.
  double low = 0.0, high = 1.0, beta = 0.5;
  for (int iteration = 0; iteration < 100; ++iteration) {
    double slope = 0.0;
    const double value = h(beta, &slope);
    if (value > 0.0) low = beta; else high = beta;
    double next = slope < 0.0 ? beta - value / slope : 0.5 * (low + high);
    if (!(next > low && next < high)) next = 0.5 * (low + high);
    if (std::abs(next - beta) <= 1e-15 || high - low <= 1e-15) return next;
    beta = next;
  }
  return beta;
}

namespace {

struct Split {
  bool found = false;
  double beta = 0;
  Composition x{}, y{};
  PhaseState liquid, vapour;
  Composition residual{};  // ln K_i - ln phi_i^L + ln phi_i^V
  double largest = 0;      // max |residual|
};

Split SplitAt(const FugacityModel& model, double temperature, double pressure, const Composition& z,
              const Composition& lnK) {
  Split s;
  Composition k{};
  for (std::size_t n = 0; n < model.PresentCount(); ++n) {
    const std::size_t i = model.Present(n);
    k[i] = cr::Exp(lnK[i]);
  }
  s.beta = RachfordRice(model, z, k);
  double sumX = 0.0, sumY = 0.0;
  for (std::size_t n = 0; n < model.PresentCount(); ++n) {
    const std::size_t i = model.Present(n);
    s.x[i] = z[i] / (1.0 + s.beta * (k[i] - 1.0));
    s.y[i] = k[i] * s.x[i];
    sumX += s.x[i];
    sumY += s.y[i];
  }
  for (std::size_t n = 0; n < model.PresentCount(); ++n) {
    const std::size_t i = model.Present(n);
    s.x[i] /= sumX;
    s.y[i] /= sumY;
  }
  s.liquid = model.At(temperature, pressure, s.x, RootChoice::kLowestGibbs);
  s.vapour = model.At(temperature, pressure, s.y, RootChoice::kLowestGibbs);
  if (!s.liquid.found || !s.vapour.found) return s;
  s.found = true;
  for (std::size_t n = 0; n < model.PresentCount(); ++n) {
    const std::size_t i = model.Present(n);
    s.residual[i] = lnK[i] - s.liquid.lnPhi[i] + s.vapour.lnPhi[i];
    if (!std::isfinite(s.residual[i])) s.found = false;
    s.largest = std::max(s.largest, std::abs(s.residual[i]));
  }
  return s;
}

// max |ln x_i + ln phi_i^L - ln y_i - ln phi_i^V|: the fugacities of the
// normalised phases themselves.
double FugacityGap(const FugacityModel& model, const Split& s) {
  double largest = 0.0;
  for (std::size_t n = 0; n < model.PresentCount(); ++n) {
    const std::size_t i = model.Present(n);
    const double gap = cr::Log(s.x[i]) + s.liquid.lnPhi[i] - cr::Log(s.y[i]) - s.vapour.lnPhi[i];
    largest = std::max(largest, std::abs(gap));
  }
  return largest;
}

bool Trivial(const FugacityModel& model, const Composition& lnK) {
  double sum = 0.0;
  for (std::size_t n = 0; n < model.PresentCount(); ++n) sum += lnK[model.Present(n)] * lnK[model.Present(n)];
  return sum < 1e-8;
}

}  // namespace

FlashResult Flash(const FugacityModel& model, double temperature, double pressure, const Composition& z,
                  const Composition& lnK0, double feedGibbs) {
  FlashResult result;
  const std::size_t m = model.PresentCount();
  Composition lnK = lnK0;
  Split s = SplitAt(model, temperature, pressure, z, lnK);
  int iterations = 0;
  double previous = 0.0;
  // Substitution while it converges briskly.
  for (; iterations < kMostSubstitutions && s.found; ++iterations) {
    if (s.largest <= kFugacityTolerance * 0.1) break;
    if (iterations >= 4 && s.largest > 0.5 * previous && s.largest < 1e-2) break;
    previous = s.largest;
    for (std::size_t n = 0; n < m; ++n) {
      const std::size_t i = model.Present(n);
      lnK[i] -= s.residual[i];
    }
    if (Trivial(model, lnK)) return result;
    s = SplitAt(model, temperature, pressure, z, lnK);
  }
  // Newton's method on residual(ln K) = 0, with a Jacobian of forward differences.
  for (int step = 0; step < kMostNewtonSteps && s.found && s.largest > kFugacityTolerance * 0.1; ++step, ++iterations) {
    Matrix a{};
    Vector b{};
    bool columns = true;
    for (std::size_t c = 0; c < m && columns; ++c) {
      const std::size_t j = model.Present(c);
      const double h = 1e-7 * std::max(1.0, std::abs(lnK[j]));
      Composition shifted = lnK;
      shifted[j] += h;
      const Split t = SplitAt(model, temperature, pressure, z, shifted);
      if (!t.found) columns = false;
      for (std::size_t r = 0; r < m && columns; ++r) {
        const std::size_t i = model.Present(r);
        a[r][c] = (t.residual[i] - s.residual[i]) / h;
      }
    }
    for (std::size_t r = 0; r < m; ++r) b[r] = -s.residual[model.Present(r)];
    if (!columns || !SolveLinear(a, b, m)) break;
    // Halve the step until the residual falls.
    double scale = 1.0;
    Split next;
    for (int halving = 0; halving < 8; ++halving, scale *= 0.5) {
      Composition trial = lnK;
      for (std::size_t r = 0; r < m; ++r) trial[model.Present(r)] += scale * b[r];
      next = SplitAt(model, temperature, pressure, z, trial);
      if (next.found && next.largest < s.largest) {
        lnK = trial;
        break;
      }
      next.found = false;
    }
    if (!next.found || Trivial(model, lnK)) break;
    s = next;
  }
  result.iterations = iterations;
  if (!s.found || !(s.beta > 0.0 && s.beta < 1.0)) return result;
  result.fugacityResidual = FugacityGap(model, s);
  if (!(result.fugacityResidual <= kFugacityTolerance)) return result;
  double gibbs = 0.0;
  for (std::size_t n = 0; n < m; ++n) {
    const std::size_t i = model.Present(n);
    gibbs += s.beta * s.y[i] * (cr::Log(s.y[i]) + s.vapour.lnPhi[i]) +
             (1.0 - s.beta) * s.x[i] * (cr::Log(s.x[i]) + s.liquid.lnPhi[i]);
  }
  result.gibbsChange = gibbs - feedGibbs;
  result.converged = true;
  result.vapourFraction = s.beta;
  result.vapour = s.y;
  result.liquid = s.x;
  result.vapourPhase = s.vapour;
  result.liquidPhase = s.liquid;
  // The lighter phase is the vapour.
  if (s.vapour.density > s.liquid.density) {
    std::swap(result.vapour, result.liquid);
    std::swap(result.vapourPhase, result.liquidPhase);
    result.vapourFraction = 1.0 - s.beta;
  }
  return result;
}

}  // namespace corvane::phase
