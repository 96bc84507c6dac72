#include "thermo/finite_differences.h"

#include <cmath>

#include "crmath/correctly_rounded.h"

namespace corvane {

double SpecificHeatFromEnthalpies(double hAbove, double hBelow, double dT) { return (hAbove - hBelow) / (2 * dT); }

std::optional<double> JouleThomsonFromEnthalpies(double h0, double h1, double h2, double T, double dT, double dP) {
  // Written so that a NaN enthalpy, or three equal ones (0/0), store nothing.
  if (!(h1 <= h0 && h2 >= h0 && h1 < h2)) return std::nullopt;
  const double f = (h0 - h1) / (h2 - h1);
  const double isenthalpicT = (T - dT) + 2 * dT * f;
  return (isenthalpicT - T) / dP;
}

double PolytropicExponentFromStates(double p1, double rho1, double p2, double rho2) {
  const double v1 = 1 / rho1;
  const double v2 = 1 / rho2;
  return (cr::Log(p2) - cr::Log(p1)) / (cr::Log(v1) - cr::Log(v2));
}

}  // namespace corvane
