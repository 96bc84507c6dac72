// The two cubic equations of state, Peng-Robinson and Redlich-Kwong-Soave,
// for a mixture treated as one pseudo-component.
//
// Both have the form
//   p(V) = R T / (V - b) - a / D(V)
// with molar volume V in ft3/lb-mole, pressure in psia, temperature in R and
// R = 10.7335 psia ft3/(lb-mole R). They differ only in the constants of
// kappa, a and b and in the attractive-term denominator D(V):
//   Peng-Robinson         D(V) = V^2 + 2 b V - b^2
//   Redlich-Kwong-Soave   D(V) = V^2 + b V
// The arithmetic follows the published formulas operation by operation: the
// iteration counts of the root methods depend on the last bits.
#pragma once

#include <optional>

#include "thermo/component_table.h"

namespace corvane {

// What sets one cubic equation apart from the other.
struct CubicEquationForm {
  // kappa = kappa0 + kappa1 w - kappa2 w^2, w the acentric factor.
  double kappa0;
  double kappa1;
  double kappa2;
  // a = omegaA R^2 Tc^2 alpha / Pc, in psia (ft3/lb-mole)^2.
  double omegaA;
  // b = omegaB R Tc / Pc, in ft3/lb-mole.
  double omegaB;
  // D(V) and dD/dV, in (ft3/lb-mole)^2 and ft3/lb-mole.
  double (*denominator)(double volume, double b);
  double (*denominatorSlope)(double volume, double b);
};

extern const CubicEquationForm kPengRobinsonForm;
extern const CubicEquationForm kRedlichKwongSoaveForm;

// Mole-fraction averages (Kay's rule) of the component constants.
struct PseudoComponent {
  double acentricFactor = 0;       // -
  double criticalTemperature = 0;  // R
  double criticalPressure = 0;     // psia
  double molecularWeight = 0;      // lbm/lb-mole
};

// Sums x times each constant over slots 1 to 14 in slot order; slots without
// a mole fraction add zero.
PseudoComponent AveragePseudoComponent(const ComponentTable& table);

// One equation at one temperature: everything p(V) needs.
struct CubicEquation {
  const CubicEquationForm* form = nullptr;
  double gasConstant = 0;  // psia ft3/(lb-mole R)
  double temperature = 0;  // R
  double a = 0;            // psia (ft3/lb-mole)^2
  double b = 0;            // ft3/lb-mole
};

// The equation of `form` for the pseudo-component at `temperature`:
//   Tr = T / Tc, alpha = (1 + kappa (1 - sqrt(Tr)))^2,
//   a = omegaA R^2 Tc^2 alpha / Pc, b = omegaB R Tc / Pc.
// Nothing when Tc or Pc is zero or a or b is not finite (a mixture of
// negative fractions can average to such constants).
std::optional<CubicEquation> MakeCubicEquation(const CubicEquationForm& form, const PseudoComponent& mixture, double temperature,
                                double gasConstant);

// p(V) = R T / (V - b) - a / D(V), psia. Nothing when a denominator is zero
// or any operand or result is not finite.
std::optional<double> CubicPressure(const CubicEquation& eq, double volume);

// dp/dV = -R T / (V - b)^2 + a D'(V) / D(V)^2, psia lb-mole/ft3. Nothing when
// a denominator is zero or any operand or result is not finite.
std::optional<double> CubicPressureSlope(const CubicEquation& eq, double volume);

}  // namespace corvane
