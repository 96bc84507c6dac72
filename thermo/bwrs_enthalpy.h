// Enthalpy of a BWRS mixture: the residual part from the equation of state
// at a solved density, and the ideal-gas part from a fifth-degree polynomial
// in temperature whose coefficients are mole-fraction averages.
//
// Units: T in degrees Rankine, rho in lb-mole/ft3, R in psia ft3/(lb-mole R),
// enthalpies in BTU/lbm.
#pragma once

#include <array>

#include "thermo/component_table.h"

namespace corvane {

// Row s (1..14) holds slot s's ideal-gas coefficients in columns 1..6
// (A, B, C, D, E, F); row 0 the mixture's; column 0 is always 0.
using IdealGasEnthalpyRow = std::array<double, 7>;
using IdealGasEnthalpyTable = std::array<IdealGasEnthalpyRow, 15>;

// The psia ft3 to BTU conversion of the equation's energy terms.
constexpr double kPsiaCubicFootInBtu = 0.185057;

// H_res = (term1 + term2 + term3 + term4) / MW, with k = 0.185057:
//   term1 = k rho (B0 R T - 2 A0 - 4 C0/T^2 + 5 D0/T^3 - 6 E0/T^4)
//   term2 = k (rho^2/2) (2 b R T - 3 a - 4 d/T)
//   term3 = k (alpha rho^5/5) (6 a + 7 d/T)
//   term4 = k (c/(gamma T^2)) (3 - (3 + gamma rho^2/2 - gamma^2 rho^4) exp(-gamma rho^2))
double BwrsResidualEnthalpy(const MixtureCoefficients& m, double R, double T, double rho);

// Stores the component rows 1..14 (constants of the program) and zeroes row 0.
void FillIdealGasComponentRows(IdealGasEnthalpyTable& table);

// Row 0 from zero: x_s times row s added for each present slot s in list
// order (entries below 1 are skipped), with the component rows as `table`
// holds them.
void MixIdealGasEnthalpyRow(IdealGasEnthalpyTable& table, const ComponentTable& components,
                            const PresentList& present);

// H_ig(T) = A + B 1e-2 T + C 1e-4 T^2 + D 1e-7 T^3 + E 1e-10 T^4 + F 1e-13 T^5
double IdealGasEnthalpy(const IdealGasEnthalpyRow& row, double T);

}  // namespace corvane
