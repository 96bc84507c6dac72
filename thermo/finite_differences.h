// Properties from BWRS solutions at neighbouring states: the specific heat
// at constant pressure, the Joule-Thomson coefficient and the polytropic
// exponent. Enthalpies in BTU/lbm, temperatures in R, pressures in psia,
// densities in lb-mole/ft3.
#pragma once

#include <optional>

namespace corvane {

// Cp = (H(T + dT, P) - H(T - dT, P)) / (2 dT), BTU/(lbm R).
double SpecificHeatFromEnthalpies(double hAbove, double hBelow, double dT);

// The temperature at P - dP that has the enthalpy H0 of (T, P), by linear
// interpolation between H1 at T - dT and H2 at T + dT:
//   f = (H0 - H1) / (H2 - H1),  T_iso = (T - dT) + 2 dT f,  mu = (T_iso - T) / dP  (R/psi).
// Negative for a gas that cools on expansion. Nothing when H0 is not
// bracketed by H1 <= H0 <= H2 with H1 < H2 (a coefficient above 1 R/psi in
// size, enthalpies out of order or not numbers).
std::optional<double> JouleThomsonFromEnthalpies(double h0, double h1, double h2, double T, double dT, double dP);

// N of P V^N = constant between (P1, rho1) and (P2, rho2) at one temperature,
// with molar volumes V = 1/rho:  N = (ln P2 - ln P1) / (ln V1 - ln V2).
double PolytropicExponentFromStates(double p1, double rho1, double p2, double rho2);

}  // namespace corvane
