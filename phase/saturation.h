// Saturation points of a feed z: the dew point (the feed a vapour y = z
// with an incipient liquid x) and the bubble point (the feed a liquid x = z
// with an incipient vapour y). Unknowns X = (ln K_1 .. ln K_m, ln T, ln P),
// K_i = y_i / x_i over the m present components; equations (Michelsen 1980)
//
//   F_i     = ln K_i + ln phi_i^V(y) - ln phi_i^L(x)          i = 1..m
//   F_m+1   = sum_i (y_i - x_i)
//   F_m+2   = X_s - S                                     (one variable held at S)
//
// with x_i = z_i / K_i at a dew point and y_i = K_i z_i at a bubble point,
// the incipient phase normalised for its fugacities. Newton's method, the
// Jacobian by forward differences; each step is limited in ln T and ln P.
// T in K, P in kPa.
#pragma once

#include "phase/fugacity.h"
#include "phase/linear_solve.h"

namespace corvane::phase {

constexpr int kMostSaturationSteps = 40;

enum class FeedPhase { kVapour, kLiquid };  // dew point, bubble point

struct SaturationPoint {
  bool converged = false;
  FeedPhase feed = FeedPhase::kVapour;
  double temperature = 0;  // K
  double pressure = 0;     // kPa
  Composition lnK{};       // ln (y_i / x_i)
  Composition incipient{}; // the new phase's mole fractions
  PhaseState feedPhase;
  PhaseState incipientPhase;
  double fugacityResidual = 0;  // max |ln f_i^L - ln f_i^V|
  int iterations = 0;
};

class SaturationSystem {
 public:
  SaturationSystem(const FugacityModel& model, const Composition& z) : model_(&model), z_(z) {}

  std::size_t Size() const { return model_->PresentCount() + 2; }
  std::size_t TemperatureIndex() const { return model_->PresentCount(); }
  std::size_t PressureIndex() const { return model_->PresentCount() + 1; }

  // F at X (its first m + 1 equations; the equation holding one variable fixed is the caller's);
  // false where a phase has no density.
  bool Residual(const Vector& x, FeedPhase feed, Vector& f, SaturationPoint* point = nullptr) const;
  // dF/dX by forward differences, the fixed variable's row left out.
  bool Jacobian(const Vector& x, FeedPhase feed, const Vector& f, Matrix& j) const;

  // Newton's method from X with X_specified held at its value.
  SaturationPoint Solve(Vector x, FeedPhase feed, std::size_t specified) const;

  // X of a point.
  Vector Unknowns(const SaturationPoint& p) const;

 private:
  // Residual, with the feed's phase at X's (T, P) given where known.
  bool Evaluate(const Vector& x, FeedPhase feed, Vector& f, const PhaseState* knownFeed, SaturationPoint* point) const;

  const FugacityModel* model_;
  Composition z_;
};

// Wilson's K at (T, P) as X, the feed's compositions.
Vector WilsonStart(const FugacityModel& model, double temperature, double pressure);

}  // namespace corvane::phase
