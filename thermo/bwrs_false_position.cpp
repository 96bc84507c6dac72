#include "thermo/bwrs_false_position.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "thermo/bwrs_equation.h"

namespace corvane {
namespace {

constexpr unsigned kPointLimit = 60;
constexpr int kSwitchLimit = 2;
constexpr double kAcentricThreshold = 0.24;
constexpr double kHeavyLiquidStart = 1.0;  // lb-mole/ft3
constexpr double kLightLiquidStart = 2.0;  // lb-mole/ft3
constexpr double kLiquidStep = 0.1;        // lb-mole/ft3
constexpr double kVapourOffset = 1e-8;     // lb-mole/ft3
constexpr double kFlatnessLimit = 1e-8;    // psia
constexpr double kResidualLimit = 0.5;     // psia
constexpr double kStepLimit = 1e-7;        // lb-mole/ft3

// Where the secant through points i and j crosses zero.
double SecantPoint(double rhoI, double fI, double rhoJ, double fJ) { return (rhoI * fJ - rhoJ * fI) / (fJ - fI); }

// One solve as a small state machine that stops wherever it needs the
// pressure at a density. Only the two newest points of a pass take part in a
// test, so it keeps just those. Several machines fed in turn advance in
// lock-step, and their independent evaluations overlap in the processor.
class Solve {
 public:
  Solve(const BwrsIsotherm& isotherm, double T, double P, double R, double acentricFactor)
      : isotherm_(isotherm), T_(T), P_(P), R_(R), acentricFactor_(acentricFactor) {
    StartPass();
  }

  bool Done() const { return done_; }
  const FalsePositionResult& Result() const { return result_; }
  double PendingPressure() const { return isotherm_.Pressure(pending_); }

  // Takes the pressure at the pending density, then runs the tests until the
  // next density to evaluate or the end. `lastPressure` follows every evaluation.
  void Accept(double pressure) {
    result_.lastPressure = pressure;
    const double F = pressure - P_;
    switch (stage_) {
      case Stage::FirstStart:
        olderRho_ = pending_;
        olderF_ = F;
        pending_ = secondStart_;
        stage_ = Stage::SecondStart;
        return;
      case Stage::SecondStart:
        newerRho_ = pending_;
        newerF_ = F;
        k_ = 3;
        break;
      case Stage::InPass:
        olderRho_ = newerRho_;
        olderF_ = newerF_;
        newerRho_ = pending_;
        newerF_ = F;
        ++k_;
        break;
    }
    Test();
  }

 private:
  enum class Stage { FirstStart, SecondStart, InPass };

  void StartPass() {
    if (mode_ == FpMode::Liquid) {
      pending_ = acentricFactor_ > kAcentricThreshold ? kHeavyLiquidStart : kLightLiquidStart;
      secondStart_ = pending_ - kLiquidStep;
    } else {
      pending_ = 0 * P_ / (T_ * R_) + kVapourOffset;
      secondStart_ = P_ / (T_ * R_) + kVapourOffset;
    }
    stage_ = Stage::FirstStart;
  }

  // The tests on points k-2 (older) and k-1 (newer), in their order.
  void Test() {
    if (k_ >= kPointLimit) return Finish(false, 0);
    const double d = newerF_ - olderF_;
    if (std::fabs(d) <= kFlatnessLimit || switches_ >= kSwitchLimit) return Finish(false, 0);
    // Pressure rises with density on the branch a pass follows; the vapour
    // pass moves up from zero density, the liquid pass down from its start.
    const bool offBranch = mode_ == FpMode::Vapour ? d < 0 : d >= 0;
    if (offBranch) return Switch();
    if (newerF_ * olderF_ < 0) {
      // A sign change brackets the root only when the newer residual is small.
      if (std::fabs(newerF_) <= kResidualLimit) return Finish(true, SecantPoint(olderRho_, olderF_, newerRho_, newerF_));
      return Switch();
    }
    const double rho = SecantPoint(olderRho_, olderF_, newerRho_, newerF_);
    if (std::fabs(rho - newerRho_) <= kStepLimit) return Finish(true, rho);
    pending_ = rho;
    stage_ = Stage::InPass;
  }

  // A new pass replaces the points of the old one.
  void Switch() {
    mode_ = mode_ == FpMode::Liquid ? FpMode::Vapour : FpMode::Liquid;
    ++switches_;
    StartPass();
  }

  void Finish(bool found, double root) {
    done_ = true;
    result_.found = found;
    if (!found) return;
    result_.root = root;
    result_.points = k_;
    result_.mode = mode_;
  }

  const BwrsIsotherm& isotherm_;
  double T_, P_, R_, acentricFactor_;
  FalsePositionResult result_;
  FpMode mode_ = FpMode::Liquid;
  int switches_ = 0;
  Stage stage_ = Stage::FirstStart;
  unsigned k_ = 0;
  bool done_ = false;
  double pending_ = 0, secondStart_ = 0;
  double olderRho_ = 0, olderF_ = 0;  // point k-2
  double newerRho_ = 0, newerF_ = 0;  // point k-1
};

constexpr std::size_t kLanes = 8;

}  // namespace

FalsePositionResult SolveFalsePosition(const MixtureCoefficients& m, double R, double T, double P,
                                       double acentricFactor) {
  const BwrsIsotherm isotherm(m, R, T);
  Solve solve(isotherm, T, P, R, acentricFactor);
  while (!solve.Done()) solve.Accept(solve.PendingPressure());
  return solve.Result();
}

void SolveFalsePositionBatch(const MixtureCoefficients& m, double R, double acentricFactor,
                             std::span<const FpState> states, std::span<FalsePositionResult> results) {
  for (std::size_t first = 0; first < states.size() && first < results.size(); first += kLanes) {
    const std::size_t count = std::min({kLanes, states.size() - first, results.size() - first});
    std::array<std::optional<BwrsIsotherm>, kLanes> isotherms;
    std::array<std::optional<Solve>, kLanes> solves;
    for (std::size_t i = 0; i < count; ++i) {
      const FpState& s = states[first + i];
      isotherms[i].emplace(m, R, s.temperature);
      solves[i].emplace(*isotherms[i], s.temperature, s.pressure, R, acentricFactor);
    }
    std::array<double, kLanes> pressures{};
    for (bool running = true; running;) {
      running = false;
      // The evaluations first, free of one another; then the tests.
      for (std::size_t i = 0; i < count; ++i)
        if (!solves[i]->Done()) pressures[i] = solves[i]->PendingPressure();
      for (std::size_t i = 0; i < count; ++i) {
        if (solves[i]->Done()) continue;
        solves[i]->Accept(pressures[i]);
        running = running || !solves[i]->Done();
      }
    }
    for (std::size_t i = 0; i < count; ++i) results[first + i] = solves[i]->Result();
  }
}

}  // namespace corvane
