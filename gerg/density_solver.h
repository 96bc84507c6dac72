// The density of a GERG-2008 mixture at a temperature and a pressure.
//
// In reduced terms, with delta = rho / rho_r, the equation to solve is
//   pi(delta) = delta (1 + delta ar_d) = p,   p = P / (rho_r R T),
// and g = d pi / d delta = 1 + 2 delta ar_d + delta^2 ar_dd is dP/drho / (R T).
//
// A root is gas-like when g > 0 all the way from zero density to it: the
// first crossing of p on the isotherm's rising branch from the ideal gas.
// The search marches from delta = 0 in steps no longer than kLongestStep,
// each step's length chosen by Halley's method on pi - p; over every step it
// checks that g stays positive on the cubic through the two ends' g and
// g' and that this cubic's integral agrees with the rise of pi between them
// (a dip of g that both ends miss would show as a shortfall), halving the
// step where either check fails. Where g falls to zero first (the gas
// branch's pressure maximum, below p), there is no gas-like root.
//
// The liquid-like search does the same from a liquid-like density down: it
// starts at delta = kLiquidStartDelta, or higher in steps of
// kLiquidStartStep up to kHighestLiquidStartDelta until the pressure there
// is at least P on a rising isotherm (above the liquid density of every gas
// of the model at the temperatures of its range). Its root has g > 0 from
// it up to the start. Where the isotherm rises all the way, both searches
// end on the same root.
//
// Work is bounded: at most kMostEvaluations evaluations of the equation per
// search; the solution is a pure function of (T, P): nothing of one call is
// kept for the next.
#pragma once

#include "gerg/mixture.h"

namespace corvane::gerg {

constexpr double kLongestStep = 0.35;        // in delta
constexpr double kLiquidStartDelta = 3.0;
constexpr double kLiquidStartStep = 0.25;
constexpr double kHighestLiquidStartDelta = 4.5;
constexpr int kMostEvaluations = 160;

enum class RootKind {
  kGasLike,  // dP/drho > 0 from zero density to the root
  kDense,    // any other root: a liquid-like density
};

struct DensityRoot {
  bool found = false;
  double density = 0;  // mol/L
  RootKind kind = RootKind::kGasLike;
  int evaluations = 0;  // of the equation, for the benchmark and the tests
};

// The gas-like root of P(rho) = pressure (kPa) on the isotherm, if there is one.
DensityRoot GasLikeDensity(const Isotherm& isotherm, double pressure);

// The root found marching down from the liquid-like density; its kind says
// whether it is also the gas-like root.
DensityRoot LiquidLikeDensity(const Isotherm& isotherm, double pressure);

// The gas-like root, else the liquid-like root (kind kDense), else nothing.
DensityRoot DensityAt(const Isotherm& isotherm, double pressure);

}  // namespace corvane::gerg
