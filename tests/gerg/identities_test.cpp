// Identities over random states of the accepted domain, each property
// against a finite difference of others: Cp against (dH/dT)_P, the
// Joule-Thomson coefficient against -(dH/dP)_T / Cp, the speed of sound
// against (dP/drho)_S along the isentrope, and Z against the pressure it
// reproduces.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "gerg/density_solver.h"
#include "gerg/properties.h"
#include "random_states.h"

namespace corvane::gerg::test {
namespace {

// The properties on the root of the same kind at (T, P), if there is one.
bool SameKindAt(const Mixture& mixture, double T, double P, RootKind kind, StateProperties& out) {
  const Isotherm isotherm(mixture, T);
  const DensityRoot root = DensityAt(isotherm, P);
  if (!root.found || root.kind != kind) return false;
  out = PropertiesAt(isotherm, root.density);
  return true;
}

// The temperature at which S(T, rho) = entropy, by Newton's method with
// (dS/dT)_rho = Cv / T, from T.
StateProperties OnTheIsentrope(const Mixture& mixture, double rho, double entropy, double T) {
  StateProperties p = PropertiesAt(Isotherm(mixture, T), rho);
  for (int i = 0; i < 6; ++i) {
    T -= (p.entropy - entropy) / (p.cv / T);
    p = PropertiesAt(Isotherm(mixture, T), rho);
  }
  return p;
}

TEST(GergIdentities, HoldOverRandomStates) {
  RandomStates states(20260919);
  int compared = 0, closeCp = 0;
  double worstCp = 0, worstJt = 0, worstW = 0;
  for (int n = 0; n < 2000; ++n) {
    const RandomState s = states.Next();
    const Mixture mixture(s.x);
    const Isotherm isotherm(mixture, s.temperature);
    const DensityRoot root = DensityAt(isotherm, s.pressure);
    ASSERT_TRUE(root.found) << "state " << n;
    const StateProperties p = PropertiesAt(isotherm, root.density);
    // Z from the pressure it reproduces: to 1e-13, and what a density 1e-14
    // off the root would add (a stiff liquid's pressure moves a lot).
    EXPECT_NEAR(p.z * root.density * kGasConstant * s.temperature, s.pressure,
                1e-13 * s.pressure + 1e-14 * root.density * p.dPdRho)
        << "state " << n;

    const double dT = 1e-5 * s.temperature;
    const double dP = 1e-6 * s.pressure;
    const double dRho = 1e-4 * root.density;
    StateProperties warmer, colder, higher, lower;
    if (!SameKindAt(mixture, s.temperature + dT, s.pressure, root.kind, warmer) ||
        !SameKindAt(mixture, s.temperature - dT, s.pressure, root.kind, colder) ||
        !SameKindAt(mixture, s.temperature, s.pressure + dP, root.kind, higher) ||
        !SameKindAt(mixture, s.temperature, s.pressure - dP, root.kind, lower))
      continue;  // a neighbour on another branch: no difference across it
    ++compared;
    const double cp = (warmer.enthalpy - colder.enthalpy) / (2 * dT);
    const double dHdP = (higher.enthalpy - lower.enthalpy) / (2 * dP);
    const StateProperties denser = OnTheIsentrope(mixture, root.density + dRho, p.entropy, s.temperature);
    const StateProperties thinner = OnTheIsentrope(mixture, root.density - dRho, p.entropy, s.temperature);
    const double dPdRhoS = (denser.pressure - thinner.pressure) / (2 * dRho);
    const double w = std::sqrt(1000.0 * dPdRhoS / p.molarMass);

    const double cpDeviation = std::abs(cp - p.cp) / p.cp;
    const double jtDeviation = std::abs(-dHdP / p.cp - p.jouleThomson) * p.cp * root.density;
    const double wDeviation = std::abs(w - p.speedOfSound) / p.speedOfSound;
    worstCp = std::max(worstCp, cpDeviation);
    worstJt = std::max(worstJt, jtDeviation);
    worstW = std::max(worstW, wDeviation);
    closeCp += cpDeviation <= 1e-8 ? 1 : 0;
    // The differences' own error grows where Cp does, near the gas
    // branch's end (Cp of several hundred J/(mol K)).
    EXPECT_LE(cpDeviation, 1e-4) << "state " << n << " Cp " << p.cp << " against " << cp;
    // Relative to 1 / (Cp rho), the scale of JT's two cancelling parts.
    EXPECT_LE(jtDeviation, 1e-5) << "state " << n << " JT " << p.jouleThomson << " against " << -dHdP / p.cp;
    EXPECT_LE(wDeviation, 1e-6) << "state " << n << " W " << p.speedOfSound << " against " << w;
  }
  EXPECT_GT(compared, 1800);
  EXPECT_GT(closeCp, compared * 9 / 10);
  RecordProperty("worst_cp", std::to_string(worstCp));
  RecordProperty("worst_jt", std::to_string(worstJt));
  RecordProperty("worst_w", std::to_string(worstW));
}

}  // namespace
}  // namespace corvane::gerg::test
