#include "thermo/bwrs_equation.h"

#include <cmath>

#include "crmath/correctly_rounded.h"
#include "thermo/work_counts.h"

namespace corvane {

BwrsIsotherm::BwrsIsotherm(const MixtureCoefficients& m, double R, double T)
    : R_(R), T_(T), T2_(T * T), c_(m.c), gamma_(m.gamma) {
  const double T3 = T2_ * T;
  const double T4 = T3 * T;
  secondVirial_ = m.B0 * R * T - m.A0 - m.C0 / T2_ + m.D0 / T3 - m.E0 / T4;
  thirdVirial_ = m.b * R * T - m.a - m.d / T;
  sixthFactor_ = m.alpha * (m.a + m.d / T);
}

double BwrsIsotherm::Pressure(double rho) const {
  ++threadWorkCounts.bwrsPressures;
  const double rho2 = rho * rho;
  const double rho3 = rho2 * rho;
  const double rho6 = rho3 * rho3;
  const double ideal = rho * R_ * T_;
  const double second = secondVirial_ * rho2;
  const double third = thirdVirial_ * rho3;
  const double sixth = sixthFactor_ * rho6;
  const double exponential = (c_ * rho3 / T2_) * (1 + gamma_ * rho2) * cr::Exp(-gamma_ * rho2);
  return ideal + second + third + sixth + exponential;
}

double BwrsPressure(const MixtureCoefficients& m, double R, double T, double rho) {
  return BwrsIsotherm(m, R, T).Pressure(rho);
}

}  // namespace corvane
