#include "gerg/properties.h"

#include <cmath>

#include "crmath/correctly_rounded.h"

namespace corvane::gerg {

StateProperties PropertiesAt(const Isotherm& isotherm, double density) {
  const double R = kGasConstant;
  const double T = isotherm.Temperature();
  const double rho = density;
  const double M = isotherm.Of().MolarMass();
  const ResidualDerivatives ar = isotherm.Residual().At(isotherm.Delta(rho));
  const IdealGasAtTemperature& a0 = isotherm.IdealGas();
  const double a0Value = cr::Log(rho) + isotherm.Of().IdealGas().Mixing() + a0.value;

  StateProperties p;
  p.temperature = T;
  p.density = rho;
  p.molarMass = M;
  p.z = 1.0 + ar.delta_d;
  p.pressure = rho * R * T * p.z;
  p.dPdRho = R * T * (1.0 + 2.0 * ar.delta_d + ar.delta2_dd);
  p.dPdT = rho * R * (1.0 + ar.delta_d - ar.deltaTau_dt);
  p.d2PdRho2 = R * T * (2.0 * ar.delta_d + 4.0 * ar.delta2_dd + ar.delta3_ddd) / rho;
  p.d2PdTdRho = R * (1.0 + 2.0 * ar.delta_d + ar.delta2_dd - 2.0 * ar.deltaTau_dt - ar.delta2Tau_ddt);
  p.internalEnergy = R * T * (a0.tau0_t + ar.tau_t);
  p.enthalpy = p.internalEnergy + R * T * p.z;
  p.entropy = R * (a0.tau0_t + ar.tau_t - a0Value - ar.value);
  p.helmholtzEnergy = R * T * (a0Value + ar.value);
  p.gibbsEnergy = p.helmholtzEnergy + R * T * p.z;
  p.cv = -R * (a0.tau0sq_tt + ar.tau2_tt);
  const double dPdTPerRho = p.dPdT / rho;
  p.cp = p.cv + T * dPdTPerRho * dPdTPerRho / p.dPdRho;
  p.speedOfSound = std::sqrt(1000.0 * p.cp / p.cv * p.dPdRho / M);
  p.jouleThomson = (T / rho * p.dPdT / p.dPdRho - 1.0) / (p.cp * rho);
  p.isentropicExponent = p.speedOfSound * p.speedOfSound * M / (1000.0 * R * T * p.z);
  return p;
}

double PressureAt(const Isotherm& isotherm, double density) {
  const DensityDerivatives ar = isotherm.Residual().DensityDerivativesAt(isotherm.Delta(density));
  return density * kGasConstant * isotherm.Temperature() * (1.0 + ar.delta_d);
}

}  // namespace corvane::gerg
