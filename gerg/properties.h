// The thermodynamic properties of a GERG-2008 mixture at a temperature and a
// density (Kunz and Wagner 2012, table 7.1), in the model's units: T in K,
// rho in mol/L, P in kPa, energies in J/mol, entropies and heat capacities
// in J/(mol K), W in m/s, M in g/mol. With R = 8.314472 J/(mol K),
// alpha_0 and alpha_r and their scaled derivatives (ideal_gas.h,
// residual_terms.h):
//
//   Z = 1 + delta ar_d                       P = rho R T Z
//   dP/drho    = R T (1 + 2 delta ar_d + delta^2 ar_dd)
//   dP/dT      = rho R (1 + delta ar_d - delta tau ar_dt)
//   d2P/drho2  = R T (2 delta ar_d + 4 delta^2 ar_dd + delta^3 ar_ddd) / rho
//   d2P/dTdrho = R (1 + 2 delta ar_d + delta^2 ar_dd - 2 delta tau ar_dt - delta^2 tau ar_ddt)
//   U = R T (tau0 a0_t + tau ar_t)           H = U + R T Z
//   S = R (tau0 a0_t + tau ar_t - a0 - ar)   A = R T (a0 + ar)     G = A + R T Z
//   Cv = -R (tau0^2 a0_tt + tau^2 ar_tt)     Cp = Cv + T (dP/dT / rho)^2 / (dP/drho)
//   W = sqrt(1000 Cp / Cv dP/drho / M)
//   JT = (T / rho (dP/dT) / (dP/drho) - 1) / (Cp rho)   (K/kPa; > 0: cools on expansion)
//   kappa = W^2 M / (1000 R T Z)
#pragma once

#include "gerg/mixture.h"

namespace corvane::gerg {

struct StateProperties {
  double temperature = 0;              // K
  double density = 0;                  // mol/L
  double pressure = 0;                 // kPa
  double z = 0;                        // compressibility factor
  double dPdRho = 0;                   // kPa L/mol
  double d2PdRho2 = 0;                 // kPa (L/mol)^2
  double d2PdTdRho = 0;                // kPa L/(mol K)
  double dPdT = 0;                     // kPa/K
  double internalEnergy = 0;           // U, J/mol
  double enthalpy = 0;                 // H, J/mol
  double entropy = 0;                  // S, J/(mol K)
  double helmholtzEnergy = 0;          // A, J/mol
  double gibbsEnergy = 0;              // G, J/mol
  double cv = 0;                       // J/(mol K)
  double cp = 0;                       // J/(mol K)
  double speedOfSound = 0;             // m/s
  double jouleThomson = 0;             // K/kPa, positive when the gas cools on expansion
  double isentropicExponent = 0;       // kappa
  double molarMass = 0;                // g/mol
};

// Every property at rho > 0.
StateProperties PropertiesAt(const Isotherm& isotherm, double density);

// P (kPa) at rho, from the density derivatives alone.
double PressureAt(const Isotherm& isotherm, double density);

}  // namespace corvane::gerg
