// The three root methods of the cubic equations of state: each finds the
// molar volume V (ft3/lb-mole) at which p(V) equals the given pressure (psia),
// and counts its steps the way the method note reports them.
#pragma once

#include "thermo/cubic_eos.h"

namespace corvane {

enum class CubicRootMethod { JohnsonCulver, FalsePosition, Newton };

enum class CubicRootStatus {
  Converged,
  // The method's own failure test held (its count reached its limit).
  NoConvergence,
  // The arithmetic met a zero denominator or a value that is not finite; the
  // method stops there and counts as not converged.
  Breakdown,
};

struct CubicRoot {
  double volume = 0;  // ft3/lb-mole, meaningful only when converged
  int count = 0;      // the count the method note shows
  CubicRootStatus status = CubicRootStatus::NoConvergence;

  bool Failed() const { return status != CubicRootStatus::Converged; }
};

// Johnson-Culver: a forward march from V = 1.0 in steps of 0.1 V; each
// overshoot below the pressure steps back and divides the step by 10.
// Converged when |p(V) - P| < 0.1 psia. Every step counts, those of the inner
// march too, which does not look at the count; a count of 100 or more fails.
CubicRoot SolveCubicJohnsonCulver(const CubicEquation& eq, double pressure);

// False position with a fixed lower end: V_hi = 1.1 R T / P, V_lo = 0.2 V_hi,
// F(V_lo) taken once; each pass replaces V_hi by
//   V_new = V_lo - (V_lo - V_hi) F_lo / (F_lo - F_hi),  F(V) = p(V) - P,
// until |p(V_new) - P| <= 0.01 psia or 100 passes; 100 passes fail.
CubicRoot SolveCubicFalsePosition(const CubicEquation& eq, double pressure);

// Newton from V = R T / P: V = V0 - F(V0) / F'(V0) for at most 50
// iterations, stopping when |V - V0| < 0.01 ft3/lb-mole; the count is the
// iteration it stopped on, or 51. A count of 50 or more fails.
CubicRoot SolveCubicNewton(const CubicEquation& eq, double pressure);

CubicRoot SolveCubicVolume(const CubicEquation& eq, double pressure, CubicRootMethod method);

}  // namespace corvane
