#include "gerg/mixture.h"

namespace corvane::gerg {

namespace {

double MolarMassOf(const Composition& x) {
  double sum = 0.0;
  for (std::size_t i = 0; i < kComponentCount; ++i) sum += x[i] * kComponents[i].molarMass;
  return sum;
}

}  // namespace

Mixture::Mixture(const Composition& x)
    : x_(x), reducing_(Reduce(x)), molarMass_(MolarMassOf(x)), residual_(MixtureWeights(x)), idealGas_(x) {}

Isotherm::Isotherm(const Mixture& mixture, double temperature)
    : mixture_(&mixture),
      temperature_(temperature),
      residual_(mixture.Residual(), mixture.Reducing().temperature / temperature),
      idealGas_(mixture.IdealGas().At(temperature)) {}

}  // namespace corvane::gerg
