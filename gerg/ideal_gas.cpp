#include "gerg/ideal_gas.h"

#include "crmath/correctly_rounded.h"

namespace corvane::gerg {

namespace {

constexpr double kReferenceTemperature = 298.15;  // K
constexpr double kReferencePressure = 101.325;    // kPa

}  // namespace

IdealGasTerms::IdealGasTerms(const Gerg2008Parameters& model, const Composition& x) {
  const double r = kIdealGasGasConstant / kGasConstant;
  const double T0 = kReferenceTemperature;
  const double logRho0 = cr::Log(kReferencePressure / (kGasConstant * T0));
  for (std::size_t i = 0; i < kComponentCount; ++i) {
    if (x[i] <= 0.0) continue;
    const ComponentParameters& c = model.components[i];
    Present& p = present_[presentCount_++];
    p.x = x[i];
    p.c1 = r * c.idealGasA[0] - logRho0;
    p.c2 = r * (c.idealGasA[1] + T0) - T0;
    p.c3 = r * (c.idealGasA[2] - 1.0);
    for (std::size_t k = 0; k < 4; ++k) {
      if (c.idealGasTheta[k] == 0.0) continue;
      p.terms[p.termCount++] = {r * c.idealGasA[k + 3], c.idealGasTheta[k], k % 2 == 0};
    }
    mixing_ += x[i] * cr::Log(x[i]);
  }
}

IdealGasAtTemperature IdealGasTerms::At(double temperature) const {
  const double tau0 = 1.0 / temperature;
  const double logT = cr::Log(temperature);
  IdealGasAtTemperature out;
  for (std::size_t i = 0; i < presentCount_; ++i) {
    const Present& p = present_[i];
    double value = p.c1 + p.c2 * tau0 - p.c3 * logT;
    double first = p.c2 * tau0 + p.c3;
    double second = p.c3;
    for (std::size_t k = 0; k < p.termCount; ++k) {
      const Hyperbolic& h = p.terms[k];
      const double y = h.theta * tau0;
      const double e = cr::Exp(-2.0 * y);
      const double sign = h.sinh ? 1.0 : -1.0;
      const double oneMinusE = 1.0 - e;
      const double onePlusE = 1.0 + e;
      // sinh: ln sinh, y coth, y^2/sinh^2; cosh: ln cosh, y tanh, y^2/cosh^2.
      const double near = h.sinh ? oneMinusE : onePlusE;
      const double far = h.sinh ? onePlusE : oneMinusE;
      value += sign * h.c * (y + cr::Log(near / 2.0));
      first += sign * h.c * y * far / near;
      second += h.c * 4.0 * y * y * e / (near * near);
    }
    out.value += p.x * value;
    out.tau0_t += p.x * first;
    out.tau0sq_tt -= p.x * second;
  }
  return out;
}

}  // namespace corvane::gerg
