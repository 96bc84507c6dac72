#include "phase/saturation.h"

#include <algorithm>
#include <cmath>

#include "crmath/correctly_rounded.h"
#include "phase/flash.h"
#include "phase/wilson.h"

namespace corvane::phase {

namespace {

// Largest Newton step in ln T and ln P, and in any ln K.
constexpr double kLongestStateStep = 0.1;
constexpr double kLongestLnKStep = 1.5;
// Converged when the step is this small (the residual then is of its square).
constexpr double kAcceptedStep = 1e-11;
// ln K this close to zero everywhere: the trivial solution, no point.
constexpr double kTrivialLnK = 1e-4;

}  // namespace

Vector WilsonStart(const FugacityModel& model, double temperature, double pressure) {
  const Composition lnK = WilsonLnK(temperature, pressure);
  Vector x{};
  if (model.PresentCount() > 1)
    for (std::size_t n = 0; n < model.PresentCount(); ++n) x[n] = lnK[model.Present(n)];
  x[model.PresentCount()] = cr::Log(temperature);
  x[model.PresentCount() + 1] = cr::Log(pressure);
  return x;
}

bool SaturationSystem::Residual(const Vector& x, FeedPhase feed, Vector& f, SaturationPoint* point) const {
  return Evaluate(x, feed, f, nullptr, point);
}

bool SaturationSystem::Evaluate(const Vector& x, FeedPhase feed, Vector& f, const PhaseState* knownFeed,
                                SaturationPoint* point) const {
  const FugacityModel& model = *model_;
  const std::size_t m = model.PresentCount();
  const double temperature = cr::Exp(x[m]);
  const double pressure = cr::Exp(x[m + 1]);
  Composition incipient{};
  double sum = 0.0;
  for (std::size_t n = 0; n < m; ++n) {
    const std::size_t i = model.Present(n);
    const double k = cr::Exp(x[n]);
    incipient[i] = feed == FeedPhase::kVapour ? z_[i] / k : z_[i] * k;
    sum += incipient[i];
  }
  if (!(sum > 0.0) || !std::isfinite(sum)) return false;
  Composition normalised{};
  for (std::size_t n = 0; n < m; ++n) normalised[model.Present(n)] = incipient[model.Present(n)] / sum;
  const RootChoice feedRoot = feed == FeedPhase::kVapour ? RootChoice::kVapour : RootChoice::kLiquid;
  const RootChoice newRoot = feed == FeedPhase::kVapour ? RootChoice::kLiquid : RootChoice::kVapour;
  const PhaseState feedPhase = knownFeed ? *knownFeed : model.At(temperature, pressure, z_, feedRoot);
  const PhaseState newPhase = model.At(temperature, pressure, normalised, newRoot);
  if (!feedPhase.found || !newPhase.found) return false;
  const PhaseState& vapour = feed == FeedPhase::kVapour ? feedPhase : newPhase;
  const PhaseState& liquid = feed == FeedPhase::kVapour ? newPhase : feedPhase;
  for (std::size_t n = 0; n < m; ++n) {
    const std::size_t i = model.Present(n);
    f[n] = x[n] + vapour.lnPhi[i] - liquid.lnPhi[i];
  }
  f[m] = feed == FeedPhase::kVapour ? 1.0 - sum : sum - 1.0;
  if (point) {
    point->feed = feed;
    point->temperature = temperature;
    point->pressure = pressure;
    point->incipient = normalised;
    point->feedPhase = feedPhase;
    point->incipientPhase = newPhase;
    point->lnK = {};
    double largest = 0.0;
    for (std::size_t n = 0; n < m; ++n) {
      const std::size_t i = model.Present(n);
      point->lnK[i] = x[n];
      const double y = feed == FeedPhase::kVapour ? z_[i] : normalised[i];
      const double xl = feed == FeedPhase::kVapour ? normalised[i] : z_[i];
      const double gap = cr::Log(xl) + liquid.lnPhi[i] - cr::Log(y) - vapour.lnPhi[i];
      largest = std::max(largest, std::abs(gap));
    }
    point->fugacityResidual = largest;
  }
  for (std::size_t n = 0; n <= m; ++n)
    if (!std::isfinite(f[n])) return false;
  return true;
}

// The ln K columns move only the incipient phase: the feed's phase at
// (T, P) is taken once for them.
bool SaturationSystem::Jacobian(const Vector& x, FeedPhase feed, const Vector& f, Matrix& j) const {
  const std::size_t size = Size();
  const std::size_t m = model_->PresentCount();
  const PhaseState feedPhase = model_->At(cr::Exp(x[m]), cr::Exp(x[m + 1]), z_,
                                          feed == FeedPhase::kVapour ? RootChoice::kVapour : RootChoice::kLiquid);
  if (!feedPhase.found) return false;
  for (std::size_t c = 0; c < size; ++c) {
    Vector shifted = x;
    const double h = 1e-7 * std::max(1.0, std::abs(x[c]));
    shifted[c] += h;
    Vector g{};
    if (!Evaluate(shifted, feed, g, c < m ? &feedPhase : nullptr, nullptr)) return false;
    for (std::size_t r = 0; r + 1 < size; ++r) j[r][c] = (g[r] - f[r]) / h;
  }
  return true;
}

Vector SaturationSystem::Unknowns(const SaturationPoint& p) const {
  Vector x{};
  const std::size_t m = model_->PresentCount();
  for (std::size_t n = 0; n < m; ++n) x[n] = p.lnK[model_->Present(n)];
  x[m] = cr::Log(p.temperature);
  x[m + 1] = cr::Log(p.pressure);
  return x;
}

SaturationPoint SaturationSystem::Solve(Vector x, FeedPhase feed, std::size_t specified) const {
  SaturationPoint point;
  const std::size_t m = model_->PresentCount();
  const std::size_t size = Size();
  for (int step = 0; step < kMostSaturationSteps; ++step) {
    Vector f{};
    if (!Residual(x, feed, f)) return point;
    Matrix j{};
    if (!Jacobian(x, feed, f, j)) return point;
    for (std::size_t c = 0; c < size; ++c) j[m + 1][c] = c == specified ? 1.0 : 0.0;
    f[m + 1] = 0.0;
    Vector dx{};
    for (std::size_t r = 0; r < size; ++r) dx[r] = -f[r];
    if (!SolveLinear(j, dx, size)) return point;
    double scale = 1.0;
    for (std::size_t r = 0; r < size; ++r) {
      const double limit = r < m ? kLongestLnKStep : kLongestStateStep;
      if (std::abs(dx[r]) * scale > limit) scale = limit / std::abs(dx[r]);
    }
    double largest = 0.0, lnK = 0.0;
    for (std::size_t r = 0; r < size; ++r) {
      x[r] += scale * dx[r];
      largest = std::max(largest, std::abs(scale * dx[r]));
    }
    for (std::size_t n = 0; n < m; ++n) lnK = std::max(lnK, std::abs(x[n]));
    point.iterations = step + 1;
    if (m > 1 && lnK < kTrivialLnK) return point;
    if (largest <= kAcceptedStep) {
      Vector g{};
      if (!Residual(x, feed, g, &point)) return point;
      // One component has K = 1 at every point: only two distinct
      // densities make it a saturation point.
      const bool distinct = m > 1 || std::abs(point.feedPhase.density - point.incipientPhase.density) >
                                         1e-6 * point.feedPhase.density;
      point.converged = distinct && point.fugacityResidual <= kFugacityTolerance;
      return point;
    }
  }
  return point;
}

}  // namespace corvane::phase
