#include "phase/envelope.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "crmath/correctly_rounded.h"
#include "phase/dew_point.h"

namespace corvane::phase {

namespace {

// The step along the curve: at most this much in any unknown, at least the
// smallest before the continuation gives up.
constexpr double kLongestStep = 0.25;
constexpr double kFirstStep = 0.05;
constexpr double kShortestStep = 1e-4;
// A pure fluid's phases are taken as one this close to its critical point.
constexpr double kCriticalDensityGap = 0.02;
// A pure fluid whose curve cannot go on above this fraction of its critical
// temperature has reached its critical point.
constexpr double kNearCritical = 0.99;

std::string Where(double temperature, double pressure) {
  char text[96];
  std::snprintf(text, sizeof text, "near %.3f K, %.3f kPa", temperature, pressure);
  return text;
}

EnvelopePoint PointOf(const SaturationSystem& system, const SaturationPoint& p) {
  EnvelopePoint e;
  e.feed = p.feed;
  e.temperature = p.temperature;
  e.pressure = p.pressure;
  e.x = system.Unknowns(p);
  e.feedDensity = p.feedPhase.density;
  e.incipientDensity = p.incipientPhase.density;
  return e;
}

// dX/dS at a converged point with X_specified specified.
bool Sensitivity(const SaturationSystem& system, const EnvelopePoint& p, std::size_t specified, Vector& v) {
  const std::size_t size = system.Size();
  Vector f{};
  if (!system.Residual(p.x, p.feed, f)) return false;
  Matrix j{};
  if (!system.Jacobian(p.x, p.feed, f, j)) return false;
  for (std::size_t c = 0; c < size; ++c) j[size - 1][c] = c == specified ? 1.0 : 0.0;
  v = Vector{};
  v[size - 1] = 1.0;
  return SolveLinear(j, v, size);
}

std::optional<SaturationPoint> FirstPoint(const FugacityModel& model, const Composition& z,
                                          const SaturationSystem& system) {
  const double start = WilsonDewTemperature(model, z, kStartPressure);
  SaturationPoint p = system.Solve(WilsonStart(model, start, kStartPressure), FeedPhase::kVapour,
                                   system.PressureIndex());
  if (p.converged && p.incipientPhase.density > p.feedPhase.density) return p;
  const DewTemperatureResult r = DewPointTemperature(model, z, kStartPressure);
  if (r.point) return *r.point;
  return std::nullopt;
}

}  // namespace

Envelope TraceEnvelope(const FugacityModel& model, const Composition& z) {
  Envelope envelope;
  const SaturationSystem system(model, z);
  const std::size_t m = model.PresentCount();
  const std::size_t size = system.Size();
  const std::optional<SaturationPoint> first = FirstPoint(model, z, system);
  if (!first) {
    envelope.stop = "no dew point at the starting pressure";
    return envelope;
  }
  envelope.points.push_back(PointOf(system, *first));
  std::size_t specified = system.PressureIndex();
  bool enteredRange = first->temperature >= kLowestTemperature && first->temperature <= kHighestTemperature;
  double step = kFirstStep;
  while (static_cast<int>(envelope.points.size()) < kMostEnvelopePoints) {
    const EnvelopePoint& last = envelope.points.back();
    Vector v{};
    if (!Sensitivity(system, last, specified, v)) {
      envelope.stop = "the saturation equations are singular " + Where(last.temperature, last.pressure);
      return envelope;
    }
    // The variable that changes fastest becomes the specified one.
    std::size_t fastest = 0;
    for (std::size_t r = 1; r < size; ++r)
      if (std::abs(v[r]) > std::abs(v[fastest])) fastest = r;
    const double ratio = v[fastest];
    for (std::size_t r = 0; r < size; ++r) v[r] /= ratio;
    specified = fastest;
    // Along the curve in the direction it has been going.
    double direction = 1.0;
    if (envelope.points.size() >= 2) {
      const EnvelopePoint& before = envelope.points[envelope.points.size() - 2];
      double change = last.x[specified] - before.x[specified];
      if (specified < m && before.feed != last.feed) change = last.x[specified] + before.x[specified];
      direction = change >= 0.0 ? 1.0 : -1.0;
    } else {
      direction = v[system.PressureIndex()] >= 0.0 ? 1.0 : -1.0;  // pressure rising from the start
    }
    std::optional<SaturationPoint> next;
    int iterations = 0;
    while (step >= kShortestStep) {
      // Every unknown moves by at most kLongestStep.
      double scale = step;
      for (std::size_t r = 0; r < size; ++r)
        if (std::abs(v[r]) * scale > kLongestStep) scale = kLongestStep / std::abs(v[r]);
      Vector guess = last.x;
      for (std::size_t r = 0; r < size; ++r) guess[r] += direction * scale * v[r];
      SaturationPoint p = system.Solve(guess, last.feed, specified);
      if (p.converged) {
        next = p;
        iterations = p.iterations;
        break;
      }
      step *= 0.5;
    }
    if (!next) {
      // A pure fluid's two phases merge at its critical point, where the
      // equations have no other solution than one phase.
      if (m == 1 && last.temperature > kNearCritical * model.Model().components[model.Present(0)].criticalTemperature) {
        envelope.end = EnvelopeEnd::kCriticalPoint;
        envelope.stop = "the critical point";
        envelope.critical = last;
        return envelope;
      }
      envelope.stop = "the continuation did not converge " + Where(last.temperature, last.pressure);
      return envelope;
    }
    EnvelopePoint point = PointOf(system, *next);
    // Across the critical point every ln K changes sign: from here the
    // feed is the liquid and K = y / x is the inverse of the old one.
    if (m > 1) {
      bool crossed = true;
      for (std::size_t n = 0; n < m; ++n)
        if (!(point.x[n] * last.x[n] < 0.0)) crossed = false;
      if (crossed) {
        const double lastNorm = std::abs(last.x[0]), nextNorm = std::abs(point.x[0]);
        const double w = lastNorm / (lastNorm + nextNorm);
        EnvelopePoint critical;
        critical.feed = last.feed;
        critical.temperature = cr::Exp((1.0 - w) * last.x[m] + w * point.x[m]);
        critical.pressure = cr::Exp((1.0 - w) * last.x[m + 1] + w * point.x[m + 1]);
        critical.feedDensity = critical.incipientDensity = (1.0 - w) * last.feedDensity + w * point.feedDensity;
        envelope.critical = critical;
        Vector flipped = point.x;
        for (std::size_t n = 0; n < m; ++n) flipped[n] = -flipped[n];
        const FeedPhase other = last.feed == FeedPhase::kVapour ? FeedPhase::kLiquid : FeedPhase::kVapour;
        const SaturationPoint q = system.Solve(flipped, other, specified);
        if (!q.converged) {
          envelope.stop = "the continuation did not converge past the critical point " +
                          Where(point.temperature, point.pressure);
          return envelope;
        }
        point = PointOf(system, q);
      }
    }
    envelope.points.push_back(point);
    if (m == 1 && std::abs(point.feedDensity - point.incipientDensity) <
                      kCriticalDensityGap * std::max(point.feedDensity, point.incipientDensity)) {
      envelope.end = EnvelopeEnd::kCriticalPoint;
      envelope.stop = "the critical point";
      envelope.critical = point;
      return envelope;
    }
    // The curve ends where it leaves the range of temperatures (having
    // been in it: a curve that starts below it goes on until it enters),
    // rises above the model's pressures or comes back below the start.
    const bool inRange = point.temperature >= kLowestTemperature && point.temperature <= kHighestTemperature;
    if (inRange) enteredRange = true;
    if ((!inRange && (enteredRange || point.temperature > kHighestTemperature)) ||
        point.pressure > kHighestEnvelopePressure || (point.pressure < kStartPressure && envelope.points.size() > 2)) {
      envelope.end = EnvelopeEnd::kComplete;
      return envelope;
    }
    step = iterations <= 3 ? std::min(step * 1.6, 1.0) : iterations > 6 ? step * 0.5 : step;
  }
  envelope.stop = "more points than the curve may have";
  return envelope;
}

namespace {

// Golden-section search for the largest value of `f` on [low, high].
template <typename F>
std::optional<SaturationPoint> Maximise(double low, double high, F f, double (*value)(const SaturationPoint&)) {
  constexpr double kGolden = 0.6180339887498949;
  double a = low, b = high;
  double c = b - kGolden * (b - a), d = a + kGolden * (b - a);
  std::optional<SaturationPoint> fc = f(c), fd = f(d);
  for (int k = 0; k < 40 && fc && fd; ++k) {
    if (value(*fc) > value(*fd)) {
      b = d;
      d = c;
      fd = fc;
      c = b - kGolden * (b - a);
      fc = f(c);
    } else {
      a = c;
      c = d;
      fc = fd;
      d = a + kGolden * (b - a);
      fd = f(d);
    }
  }
  if (!fc || !fd) return std::nullopt;
  return value(*fc) > value(*fd) ? fc : fd;
}

double TemperatureOf(const SaturationPoint& p) { return p.temperature; }
double PressureOf(const SaturationPoint& p) { return p.pressure; }

}  // namespace

EnvelopeSummary Summarise(const FugacityModel& model, const Composition& z, const Envelope& envelope) {
  EnvelopeSummary summary;
  const std::vector<EnvelopePoint>& points = envelope.points;
  if (points.size() < 3) return summary;
  const SaturationSystem system(model, z);
  const auto highest = [&](auto key) {
    std::size_t best = 0;
    for (std::size_t k = 1; k < points.size(); ++k)
      if (key(points[k]) > key(points[best])) best = k;
    return best;
  };
  // Each extreme between its neighbours on the curve, from the nearest point.
  const auto around = [&](std::size_t k, std::size_t specified, double (*value)(const SaturationPoint&))
      -> std::optional<SaturationPoint> {
    if (k == 0 || k + 1 >= points.size()) return std::nullopt;
    const EnvelopePoint& mid = points[k];
    const double a = std::min(points[k - 1].x[specified], points[k + 1].x[specified]);
    const double b = std::max(points[k - 1].x[specified], points[k + 1].x[specified]);
    const auto solve = [&](double s) -> std::optional<SaturationPoint> {
      Vector guess = mid.x;
      guess[specified] = s;
      const SaturationPoint p = system.Solve(guess, mid.feed, specified);
      if (!p.converged) return std::nullopt;
      return p;
    };
    return Maximise(a, b, solve, value);
  };
  summary.cricondentherm = around(highest([](const EnvelopePoint& p) { return p.temperature; }),
                                  system.PressureIndex(), TemperatureOf);
  summary.cricondenbar = around(highest([](const EnvelopePoint& p) { return p.pressure; }),
                                system.TemperatureIndex(), PressureOf);
  return summary;
}

std::vector<SaturationPoint> DewPointPressures(const FugacityModel& model, const Composition& z,
                                               const Envelope& envelope, double temperature) {
  std::vector<SaturationPoint> found;
  const SaturationSystem system(model, z);
  const std::size_t t = system.TemperatureIndex();
  const double lnT = cr::Log(temperature);
  const std::vector<EnvelopePoint>& points = envelope.points;
  for (std::size_t k = 0; k + 1 < points.size(); ++k) {
    const EnvelopePoint& a = points[k];
    const EnvelopePoint& b = points[k + 1];
    if (a.feed != FeedPhase::kVapour || b.feed != FeedPhase::kVapour) continue;
    if (!((a.x[t] - lnT) * (b.x[t] - lnT) <= 0.0) || a.x[t] == b.x[t]) continue;
    const double w = (lnT - a.x[t]) / (b.x[t] - a.x[t]);
    Vector guess{};
    for (std::size_t r = 0; r < system.Size(); ++r) guess[r] = (1.0 - w) * a.x[r] + w * b.x[r];
    guess[t] = lnT;
    const SaturationPoint p = system.Solve(guess, FeedPhase::kVapour, t);
    if (p.converged) found.push_back(p);
  }
  std::sort(found.begin(), found.end(),
            [](const SaturationPoint& a, const SaturationPoint& b) { return a.pressure > b.pressure; });
  return found;
}

}  // namespace corvane::phase
