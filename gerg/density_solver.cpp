#include "gerg/density_solver.h"

#include <cmath>

namespace corvane::gerg {

namespace {

// pi, g = d pi / d delta and g' = d g / d delta at delta:
//   pi = delta (1 + delta ar_d),  g = 1 + 2 delta ar_d + delta^2 ar_dd,
//   g' = (2 delta ar_d + 4 delta^2 ar_dd + delta^3 ar_ddd) / delta.
struct Sample {
  double delta = 0;
  double pi = 0;
  double g = 0;
  double gPrime = 0;
};

// Tolerances, in delta: the Halley step after which the root is taken
// (its error is of the order of the step's cube), the width at which a
// search for a zero of g stops, and the shortest interval checked.
constexpr double kAcceptedStep = 1e-7;
constexpr double kSpinodalWidth = 1e-11;
constexpr double kShortestInterval = 1e-12;
// The cubic's integral against the rise of pi: relative, and a floor.
constexpr double kIntegralTolerance = 1e-3;
constexpr double kIntegralFloor = 1e-14;

// The cubic Hermite interpolant of g on [a, b] through the two ends' g and
// g', in s in [0, 1] with h = b - a:
//   H(s) = c0 + c1 s + c2 s^2 + c3 s^3,  c0 = g_a, c1 = h g'_a,
//   c2 = 3 (g_b - g_a) - h (2 g'_a + g'_b),  c3 = 2 (g_a - g_b) + h (g'_a + g'_b);
// its least and greatest values on [0, 1] and its integral times h,
//   h (g_a + g_b) / 2 + h^2 (g'_a - g'_b) / 12.
struct CubicOfG {
  double least = 0;
  double greatest = 0;
  double integral = 0;
};

CubicOfG CubicBetween(const Sample& a, const Sample& b) {
  const double h = b.delta - a.delta;
  const double c0 = a.g;
  const double c1 = h * a.gPrime;
  const double c2 = 3.0 * (b.g - a.g) - h * (2.0 * a.gPrime + b.gPrime);
  const double c3 = 2.0 * (a.g - b.g) + h * (a.gPrime + b.gPrime);
  CubicOfG cubic{a.g < b.g ? a.g : b.g, a.g < b.g ? b.g : a.g,
                 h * (a.g + b.g) / 2.0 + h * h * (a.gPrime - b.gPrime) / 12.0};
  // H'(s) = c1 + 2 c2 s + 3 c3 s^2 = 0 inside (0, 1).
  const auto consider = [&](double s) {
    if (s > 0.0 && s < 1.0) {
      const double value = c0 + s * (c1 + s * (c2 + s * c3));
      if (value < cubic.least) cubic.least = value;
      if (value > cubic.greatest) cubic.greatest = value;
    }
  };
  if (c3 == 0.0) {
    if (c2 != 0.0) consider(-c1 / (2.0 * c2));
  } else {
    const double discriminant = c2 * c2 - 3.0 * c1 * c3;
    if (discriminant >= 0.0) {
      const double root = std::sqrt(discriminant);
      consider((-c2 + root) / (3.0 * c3));
      consider((-c2 - root) / (3.0 * c3));
    }
  }
  return cubic;
}

// An interval passes when g's cubic stays positive on it and its integral
// agrees with the rise of pi, pi(b) - pi(a), a < b.
bool RisesThroughout(const Sample& a, const Sample& b) {
  const CubicOfG cubic = CubicBetween(a, b);
  const double rise = b.pi - a.pi;
  return cubic.least > 0.0 && std::abs(cubic.integral - rise) <= kIntegralTolerance * std::abs(rise) + kIntegralFloor;
}

// Halley's step towards pi = p from s: with N = (p - pi) / g,
//   step = N / (1 + N g' / (2 g)),
// Newton's N where the correction would more than double it or turn it.
double HalleyStep(const Sample& s, double p) {
  const double newton = (p - s.pi) / s.g;
  const double denominator = 1.0 + newton * s.gPrime / (2.0 * s.g);
  return denominator >= 0.5 ? newton / denominator : newton;
}

// One search: from a start where g > 0, along `direction` (+1 up from
// zero density, -1 down from the liquid-like density), over intervals on
// which g is checked positive, to the first crossing of p; or to the first
// zero of g, where it gives up.
class Search {
 public:
  Search(const Isotherm& isotherm, double p, double direction)
      : residual_(isotherm.Residual()), p_(p), direction_(direction) {}

  int Evaluations() const { return evaluations_; }

  Sample At(double delta) {
    ++evaluations_;
    const DensityDerivatives d = residual_.DensityDerivativesAt(delta);
    return {delta, delta * (1.0 + d.delta_d), 1.0 + 2.0 * d.delta_d + d.delta2_dd,
            (2.0 * d.delta_d + 4.0 * d.delta2_dd + d.delta3_ddd) / delta};
  }

  // The root's delta, or a negative number for none.
  double From(const Sample& start) {
    Sample near = start;  // checked from the start to here, not yet across p
    double x = near.delta + Limited(HalleyStep(near, p_), near);
    while (evaluations_ < kMostEvaluations) {
      const Sample s = At(x);
      // Extend the checked range to s, or stop short at a zero of g.
      Sample far = s;
      if (!Reach(near, far)) return -1.0;
      if (Crossed(far)) return Polish(near, far);
      near = far;
      const double step = HalleyStep(near, p_);
      if (std::abs(step) <= kAcceptedStep * near.delta) return near.delta + step;
      x = near.delta + Limited(step, near);
    }
    return -1.0;
  }

 private:
  bool Crossed(const Sample& s) const { return direction_ * (s.pi - p_) >= 0.0; }

  // A step from `from` along the direction, at most kLongestStep, and
  // downwards at most 90 % of the way to zero density.
  double Limited(double step, const Sample& from) const {
    double along = direction_ * step;
    if (!(along > 0.0)) along = kLongestStep;
    if (along > kLongestStep) along = kLongestStep;
    if (direction_ < 0.0 && along > 0.9 * from.delta) along = 0.9 * from.delta;
    return direction_ * along;
  }

  bool Checked(const Sample& a, const Sample& b) const {
    return a.delta < b.delta ? RisesThroughout(a, b) : RisesThroughout(b, a);
  }

  // From the checked `near` towards `far`: true with `far` the first sample
  // of the way that crosses p, or `far` itself, all checked; false where g
  // reaches zero before p is crossed. Intervals that fail the check are
  // halved; where g <= 0 at the far end, the zero of g is closed in on
  // (NarrowedTowardsZero) until either p is crossed before it or pi cannot
  // reach p on the way: pi changes by at most the interval's width times
  // the greatest g on it, taken as half as much again as the greater of
  // g(near) and the cubic's greatest value.
  bool Reach(Sample& near, Sample& far) {
    Sample target = far;
    while (evaluations_ < kMostEvaluations) {
      const double width = std::abs(target.delta - near.delta);
      if (target.g > 0.0 && (width <= kShortestInterval * near.delta || Checked(near, target))) {
        if (Crossed(target) || target.delta == far.delta) {
          far = target;
          return true;
        }
        near = target;
        target = far;
        continue;
      }
      double split = (near.delta + target.delta) / 2.0;
      if (target.g <= 0.0) {
        far = target;  // nothing beyond a zero of g counts
        const CubicOfG cubic = near.delta < target.delta ? CubicBetween(near, target) : CubicBetween(target, near);
        const double greatest = 1.5 * (cubic.greatest > near.g ? cubic.greatest : near.g);
        const bool reachable = direction_ * (near.pi - p_) + greatest * width >= 0.0;
        if (!reachable || width <= kSpinodalWidth * near.delta) return false;
        split = NarrowedTowardsZero(near, target);
      }
      target = At(split);
    }
    return false;
  }

  // A point between `near` (g > 0) and `beyond` (g <= 0) close to the zero
  // of g: the mean of Newton's step from `near` and the secant through both
  // where both lie inside (for a g curved either way they fall on the two
  // sides of the zero), else the one that does, else the midpoint.
  static double NarrowedTowardsZero(const Sample& near, const Sample& beyond) {
    const double lowest = near.delta < beyond.delta ? near.delta : beyond.delta;
    const double highest = near.delta < beyond.delta ? beyond.delta : near.delta;
    const double margin = 1e-3 * (highest - lowest);
    const auto inside = [&](double x) { return x > lowest + margin && x < highest - margin; };
    const double newton = near.gPrime != 0.0 ? near.delta - near.g / near.gPrime : near.delta;
    const double secant = near.delta + near.g * (beyond.delta - near.delta) / (near.g - beyond.g);
    if (inside(newton) && inside(secant)) return (newton + secant) / 2.0;
    if (inside(newton)) return newton;
    if (inside(secant)) return secant;
    return (lowest + highest) / 2.0;
  }

  // The root between the checked `near` (not across p) and `far` (across):
  // Halley's method kept inside the bracket, bisection where it leaves it.
  double Polish(Sample near, Sample far) {
    Sample s = std::abs(near.pi - p_) / near.g < std::abs(far.pi - p_) / far.g ? near : far;
    while (evaluations_ < kMostEvaluations) {
      const double step = HalleyStep(s, p_);
      double x = s.delta + step;
      const double lowest = near.delta < far.delta ? near.delta : far.delta;
      const double highest = near.delta < far.delta ? far.delta : near.delta;
      const bool inside = x >= lowest && x <= highest;
      if (inside && std::abs(step) <= kAcceptedStep * s.delta) return x;
      if (!inside) x = (lowest + highest) / 2.0;
      if (highest - lowest <= kShortestInterval * highest) return x;
      s = At(x);
      (Crossed(s) ? far : near) = s;
    }
    return -1.0;
  }

  const ResidualIsotherm& residual_;
  double p_;
  double direction_;
  int evaluations_ = 0;
};

double ReducedPressure(const Isotherm& isotherm, double pressure) {
  return pressure / (isotherm.Of().Reducing().density * kGasConstant * isotherm.Temperature());
}

DensityRoot Found(const Isotherm& isotherm, double delta, RootKind kind, int evaluations) {
  if (!(delta > 0.0) || !std::isfinite(delta)) return {false, 0.0, kind, evaluations};
  return {true, delta * isotherm.Of().Reducing().density, kind, evaluations};
}

}  // namespace

DensityRoot GasLikeDensity(const Isotherm& isotherm, double pressure) {
  const double p = ReducedPressure(isotherm, pressure);
  if (!(p > 0.0) || !std::isfinite(p)) return {};
  Search search(isotherm, p, +1.0);
  // At zero density pi = 0, g = 1 and g' = 2 ar_d(0).
  const Sample zero{0.0, 0.0, 1.0, 2.0 * isotherm.Residual().DeltaDerivativeAtZero()};
  const double delta = search.From(zero);
  return Found(isotherm, delta, RootKind::kGasLike, search.Evaluations());
}

DensityRoot LiquidLikeDensity(const Isotherm& isotherm, double pressure) {
  const double p = ReducedPressure(isotherm, pressure);
  if (!(p > 0.0) || !std::isfinite(p)) return {false, 0.0, RootKind::kDense, 0};
  Search search(isotherm, p, -1.0);
  // The start: the first of kLiquidStartDelta, and steps of
  // kLiquidStartStep above it, where pi >= p on a rising isotherm (heavy
  // alkanes near their triple point are liquid above delta = 3).
  Sample start = search.At(kLiquidStartDelta);
  while (!(start.g > 0.0 && start.pi >= p) && start.delta + kLiquidStartStep <= kHighestLiquidStartDelta)
    start = search.At(start.delta + kLiquidStartStep);
  if (!(start.g > 0.0) || !(start.pi >= p)) return {false, 0.0, RootKind::kDense, search.Evaluations()};
  const double delta = start.pi == p ? start.delta : search.From(start);
  return Found(isotherm, delta, RootKind::kDense, search.Evaluations());
}

DensityRoot DensityAt(const Isotherm& isotherm, double pressure) {
  const DensityRoot gas = GasLikeDensity(isotherm, pressure);
  if (gas.found) return gas;
  DensityRoot dense = LiquidLikeDensity(isotherm, pressure);
  dense.evaluations += gas.evaluations;
  return dense;
}

}  // namespace corvane::gerg
