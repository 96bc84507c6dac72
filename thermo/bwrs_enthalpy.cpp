#include "thermo/bwrs_enthalpy.h"

#include <cmath>

#include "crmath/correctly_rounded.h"

namespace corvane {
namespace {

// Ideal-gas enthalpy coefficients A..F of slots 1 to 14 (BTU/lbm, T in R).
constexpr IdealGasEnthalpyTable kComponentRows = {{
    {0, 0, 0, 0, 0, 0, 0},
    {0, -1798.18, 53.978, -1.345, 0.676, 1.966, -1.037},  // methane
    {0, -993.32, 30.668, -1.427, 4.203, -1.567, 0},       // ethane
    {0, -804.84, 25.477, -1.602, 5.16, -2.11, 0},         // propane
    {0, -739.77, 22.389, -0.601, 3.93, -1.594, 0},        // iso-butane
    {0, -776.11, 6.872, 3.071, 0, 0, 0},                  // n-butane
    {0, -688.09, 22.267, -0.89, 5.018, -3.048, 0.641},    // iso-pentane
    {0, -709.28, 7.482, 2.545, 0.857, -0.464, 0},         // n-pentane
    {0, -618.38, 0.24, 4.148, -0.614, 0, 0},              // n-hexane
    {0, -596.4, 0.549, 3.989, -0.587, 0, 0},              // n-heptane
    {0, -3839.08, 11.951, 0.897, 0.161, 0, 0},            // carbon dioxide
    {0, 0, 0, 0, 0, 0, 0},                                // hydrogen
    {0, -217.92, 23.997, -0.3, 0.472, -0.157, 0},         // hydrogen sulfide
    {0, 0, 0, 0, 0, 0.017, 0},                            // helium
    {0, -0.3394, 24.902, 0.014, -0.095, 0.114, -0.029},   // nitrogen
}};

}  // namespace

double BwrsResidualEnthalpy(const MixtureCoefficients& m, double R, double T, double rho) {
  const double k = kPsiaCubicFootInBtu;
  const double T2 = T * T;
  const double T3 = T2 * T;
  const double T4 = T3 * T;
  const double rho2 = rho * rho;
  const double rho4 = rho2 * rho2;
  const double rho5 = rho4 * rho;
  const double term1 = k * rho * (m.B0 * R * T - 2 * m.A0 - 4 * m.C0 / T2 + 5 * m.D0 / T3 - 6 * m.E0 / T4);
  const double term2 = k * (rho2 / 2) * (2 * m.b * R * T - 3 * m.a - 4 * m.d / T);
  const double term3 = k * (m.alpha * rho5 / 5) * (6 * m.a + 7 * m.d / T);
  const double term4 = k * (m.c / (m.gamma * T2)) *
                       (3 - (3 + m.gamma * rho2 / 2 - m.gamma * m.gamma * rho4) * cr::Exp(-m.gamma * rho2));
  return (term1 + term2 + term3 + term4) / m.molecularWeight;
}

void FillIdealGasComponentRows(IdealGasEnthalpyTable& table) { table = kComponentRows; }

void MixIdealGasEnthalpyRow(IdealGasEnthalpyTable& table, const ComponentTable& components,
                            const PresentList& present) {
  IdealGasEnthalpyRow& mixture = table[0];
  mixture.fill(0.0);
  for (int n = 1; n <= present.count; ++n) {
    const int slot = present.entries[static_cast<std::size_t>(n)];
    if (slot < 1 || slot > kLastMixedSlot) continue;
    const double x = components[static_cast<std::size_t>(slot)].moleFraction;
    const IdealGasEnthalpyRow& row = table[static_cast<std::size_t>(slot)];
    for (std::size_t j = 1; j <= 6; ++j) mixture[j] += x * row[j];
  }
}

double IdealGasEnthalpy(const IdealGasEnthalpyRow& row, double T) {
  const double T2 = T * T;
  const double T3 = T2 * T;
  const double T4 = T3 * T;
  const double T5 = T4 * T;
  return row[1] + row[2] * 1e-2 * T + row[3] * 1e-4 * T2 + row[4] * 1e-7 * T3 + row[5] * 1e-10 * T4 +
         row[6] * 1e-13 * T5;
}

}  // namespace corvane
