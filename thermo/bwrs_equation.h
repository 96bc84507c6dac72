// The BWRS (Benedict-Webb-Rubin-Starling) pressure equation of a mixture.
//
// Units: molar density rho in lb-mole/ft3, temperature T in degrees Rankine,
// R in psia ft3/(lb-mole R), pressure in psia.
#pragma once

#include "thermo/component_table.h"

namespace corvane {

// The equation at one temperature. Every factor that depends on T alone is
// formed once here, with exactly the operations the full equation uses, so
// a solver that evaluates many densities at one temperature gets the same
// bits as evaluating the whole equation each time.
class BwrsIsotherm {
 public:
  BwrsIsotherm(const MixtureCoefficients& m, double R, double T);

  // P(rho, T) = rho R T
  //           + (B0 R T - A0 - C0/T^2 + D0/T^3 - E0/T^4) rho^2
  //           + (b R T - a - d/T) rho^3
  //           + alpha (a + d/T) rho^6
  //           + (c rho^3 / T^2) (1 + gamma rho^2) exp(-gamma rho^2)
  // The five terms are added in the order written; powers are repeated
  // products (rho^2 = rho rho, rho^3 = rho^2 rho, rho^6 = rho^3 rho^3).
  double Pressure(double rho) const;

 private:
  double R_, T_, T2_;
  double secondVirial_;  // B0 R T - A0 - C0/T^2 + D0/T^3 - E0/T^4
  double thirdVirial_;   // b R T - a - d/T
  double sixthFactor_;   // alpha (a + d/T)
  double c_, gamma_;
};

// The pressure of the mixture at density rho and temperature T (psia).
double BwrsPressure(const MixtureCoefficients& m, double R, double T, double rho);

}  // namespace corvane
