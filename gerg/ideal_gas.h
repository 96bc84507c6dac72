// The ideal-gas Helmholtz energy of GERG-2008 (Kunz and Wagner 2012, eqs.
// 7.5 and 7.6), in the form of the model's parameters as the table holds
// them: with r = R*/R, T0 = 298.15 K, rho0 = 101.325 / (R T0) mol/L and, per
// component, a1..a7 and theta4..theta7 (K; 0: no such term),
//
//   c1 = r a1 - ln rho0,  c2 = r (a2 + T0) - T0,  c3 = r (a3 - 1),  ck = r ak,
//   alpha_0 = sum_i x_i [ ln(x_i rho) + c1 + c2 / T - c3 ln T
//                         + c4 ln|sinh(th4 / T)| - c5 ln cosh(th5 / T)
//                         + c6 ln|sinh(th6 / T)| - c7 ln cosh(th7 / T) ]
//
// rho in mol/L. Its zero: the ideal gas at 298.15 K and 101.325 kPa has
// H = 0 and S = 0.
#pragma once

#include <array>
#include <cstddef>

#include "gerg/composition.h"

namespace corvane::gerg {

// The temperature functions of alpha_0, with tau_0 = 1/T:
//   alpha_0 = ln rho + mixing + value,
//   tau_0 d(alpha_0)/d(tau_0) = tau0_t, tau_0^2 d2(alpha_0)/d(tau_0)^2 = tau0sq_tt.
struct IdealGasAtTemperature {
  double value = 0;      // sum x_i a_0i(T), everything but ln(x_i rho)
  double tau0_t = 0;     // = -T d(alpha_0)/dT
  double tau0sq_tt = 0;  // tau_0^2 d2(alpha_0)/d(tau_0)^2
};

class IdealGasTerms {
 public:
  IdealGasTerms(const Gerg2008Parameters& model, const Composition& x);

  // sum x_i ln x_i.
  double Mixing() const { return mixing_; }

  // With y = theta tau_0 and e = exp(-2 y):
  //   ln sinh y = y + ln((1 - e) / 2),  y coth y = y (1 + e) / (1 - e),
  //   y^2 / sinh^2 y = 4 y^2 e / (1 - e)^2;
  //   ln cosh y = y + ln((1 + e) / 2),  y tanh y = y (1 - e) / (1 + e),
  //   y^2 / cosh^2 y = 4 y^2 e / (1 + e)^2;
  // tau0_t = sum x_i [c2 tau_0 + c3 + c4 y4 coth y4 - c5 y5 tanh y5 + ...],
  // tau0sq_tt = -sum x_i [c3 + c4 y4^2 / sinh^2 y4 + c5 y5^2 / cosh^2 y5 + ...].
  IdealGasAtTemperature At(double temperature) const;

 private:
  struct Hyperbolic {
    double c = 0;      // r a_k
    double theta = 0;  // K
    bool sinh = false;
  };
  struct Present {
    double x = 0;
    double c1 = 0, c2 = 0, c3 = 0;
    std::array<Hyperbolic, 4> terms{};
    std::size_t termCount = 0;
  };
  std::array<Present, kComponentCount> present_{};
  std::size_t presentCount_ = 0;
  double mixing_ = 0;
};

}  // namespace corvane::gerg
