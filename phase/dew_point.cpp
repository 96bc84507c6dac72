#include "phase/dew_point.h"

#include <cmath>

#include "crmath/correctly_rounded.h"
#include "phase/stability.h"
#include "phase/wilson.h"

namespace corvane::phase {

namespace {

// Wilson's sum z_i / K_i at (T, P): falls as T rises.
double WilsonDewSum(const FugacityModel& model, const Composition& z, double temperature, double pressure) {
  const Composition lnK = WilsonLnK(temperature, pressure);
  double sum = 0.0;
  for (std::size_t n = 0; n < model.PresentCount(); ++n) sum += z[model.Present(n)] / cr::Exp(lnK[model.Present(n)]);
  return sum;
}

// The scan's step in temperature, and the width to which it closes in on
// the first unstable temperature before Newton's method takes over.
constexpr double kScanStep = 4.0;
constexpr double kBracketWidth = 0.05;
// A dew point is checked to be the highest by a stability test this far above it.
constexpr double kCheckAbove = 0.25;

bool IsDewPoint(const SaturationPoint& p) {
  return p.converged && p.incipientPhase.density > p.feedPhase.density;
}

bool StableAbove(const FugacityModel& model, const Composition& z, const SaturationPoint& p) {
  const StabilityResult r = AnalysePhases(model, p.temperature + kCheckAbove, p.pressure, z);
  return r.answer == PhaseAnswer::kGas || r.answer == PhaseAnswer::kLiquidLike;
}

// Newton's method from the split of an unstable state: the incipient
// liquid is the flash's liquid.
SaturationPoint FromFlash(const SaturationSystem& system, const FugacityModel& model, const Composition& z,
                          const FlashResult& flash, double temperature, double pressure) {
  Vector x{};
  for (std::size_t n = 0; n < model.PresentCount(); ++n) {
    const std::size_t i = model.Present(n);
    x[n] = cr::Log(z[i]) - cr::Log(flash.liquid[i]);
  }
  x[system.TemperatureIndex()] = cr::Log(temperature);
  x[system.PressureIndex()] = cr::Log(pressure);
  return system.Solve(x, FeedPhase::kVapour, system.PressureIndex());
}

}  // namespace

double WilsonDewTemperature(const FugacityModel& model, const Composition& z, double pressure) {
  double low = 20.0, high = 2000.0;
  for (int k = 0; k < 60; ++k) {
    const double mid = 0.5 * (low + high);
    (WilsonDewSum(model, z, mid, pressure) > 1.0 ? low : high) = mid;
  }
  return 0.5 * (low + high);
}

double WilsonDewPressure(const FugacityModel& model, const Composition& z, double temperature) {
  // sum z_i P / (P_c,i e_i) = 1.
  const Composition lnK = WilsonLnK(temperature, 1.0);
  double sum = 0.0;
  for (std::size_t n = 0; n < model.PresentCount(); ++n) sum += z[model.Present(n)] / cr::Exp(lnK[model.Present(n)]);
  return 1.0 / sum;
}

double WilsonBubblePressure(const FugacityModel& model, const Composition& z, double temperature) {
  const Composition lnK = WilsonLnK(temperature, 1.0);
  double sum = 0.0;
  for (std::size_t n = 0; n < model.PresentCount(); ++n) sum += z[model.Present(n)] * cr::Exp(lnK[model.Present(n)]);
  return sum;
}

DewTemperatureResult DewPointTemperature(const FugacityModel& model, const Composition& z, double pressure) {
  DewTemperatureResult result;
  if (!(pressure > 0.0) || !std::isfinite(pressure)) {
    result.failed = true;
    return result;
  }
  const SaturationSystem system(model, z);
  if (model.PresentCount() == 1) {
    // A pure fluid condenses at its vapour pressure: T by Newton's method from Wilson's.
    const double start = WilsonDewTemperature(model, z, pressure);
    const SaturationPoint p = system.Solve(WilsonStart(model, start, pressure), FeedPhase::kVapour, system.PressureIndex());
    if (p.converged) result.point = p;
    else result.failed = start < model.Model().components[model.Present(0)].criticalTemperature;
    return result;
  }
  const double start = WilsonDewTemperature(model, z, pressure);
  if (start > kLowestTemperature && start < kHighestTemperature + 50.0) {
    const SaturationPoint p = system.Solve(WilsonStart(model, start, pressure), FeedPhase::kVapour, system.PressureIndex());
    if (IsDewPoint(p) && StableAbove(model, z, p)) {
      result.point = p;
      return result;
    }
  }
  // Down from the highest temperature by the stability test to the first
  // unstable state, then closer in by halves.
  double above = kHighestTemperature;
  StabilityResult top = AnalysePhases(model, above, pressure, z);
  if (top.answer == PhaseAnswer::kTwoPhase || top.answer == PhaseAnswer::kUnknown) {
    result.failed = true;
    return result;
  }
  for (double t = above - kScanStep; t >= kLowestTemperature - 1e-9; t -= kScanStep) {
    StabilityResult r = AnalysePhases(model, t, pressure, z);
    if (r.answer == PhaseAnswer::kUnknown) continue;
    if (r.answer != PhaseAnswer::kTwoPhase) {
      above = t;
      continue;
    }
    double below = t;
    FlashResult flash = r.flash;
    while (above - below > kBracketWidth) {
      const double mid = 0.5 * (above + below);
      const StabilityResult s = AnalysePhases(model, mid, pressure, z);
      if (s.answer == PhaseAnswer::kTwoPhase) {
        below = mid;
        flash = s.flash;
      } else {
        above = mid;
      }
    }
    const SaturationPoint p = FromFlash(system, model, z, flash, 0.5 * (above + below), pressure);
    if (IsDewPoint(p) && p.temperature > below - kBracketWidth && p.temperature < above + kBracketWidth) {
      result.point = p;
    } else {
      result.failed = true;
    }
    return result;
  }
  return result;  // no liquid anywhere in the range
}

std::optional<SaturationPoint> VapourPressure(const FugacityModel& model, const Composition& z, double temperature) {
  if (model.PresentCount() != 1) return std::nullopt;
  const std::size_t i = model.Present(0);
  if (!(temperature < model.Model().components[i].criticalTemperature) || !(temperature > 0.0)) return std::nullopt;
  const SaturationSystem system(model, z);
  const double start = WilsonDewPressure(model, z, temperature);
  SaturationPoint p = system.Solve(WilsonStart(model, temperature, start), FeedPhase::kVapour, system.TemperatureIndex());
  if (!p.converged) return std::nullopt;
  // The feed phase of a dew point is the vapour; keep the denser as the liquid.
  if (p.feedPhase.density > p.incipientPhase.density) std::swap(p.feedPhase, p.incipientPhase);
  return p;
}

}  // namespace corvane::phase
