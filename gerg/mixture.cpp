#include "gerg/mixture.h"

namespace corvane::gerg {

namespace {

double MolarMassOf(const Gerg2008Parameters& model, const Composition& x) {
  double sum = 0.0;
  for (std::size_t i = 0; i < kComponentCount; ++i) sum += x[i] * model.components[i].molarMass;
  return sum;
}

}  // namespace

Mixture::Mixture(const Composition& x, const Gerg2008Parameters& model)
    : model_(&model),
      x_(x),
      reducingFunctions_(model, x),
      reducing_(reducingFunctions_.At(x)),
      molarMass_(MolarMassOf(model, x)),
      residual_(model, MixtureWeights(model, x)),
      idealGas_(model, x) {}

Isotherm::Isotherm(const Mixture& mixture, double temperature)
    : mixture_(&mixture),
      temperature_(temperature),
      residual_(mixture.Residual(), mixture.Reducing().temperature / temperature),
      idealGas_(mixture.IdealGas().At(temperature)) {}

}  // namespace corvane::gerg
