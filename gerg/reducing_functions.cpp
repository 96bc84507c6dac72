#include "gerg/reducing_functions.h"

#include <cmath>

#include "crmath/correctly_rounded.h"

namespace corvane::gerg {

ReducingFunctions::ReducingFunctions(const Gerg2008Parameters& model, const Composition& present) {
  std::array<double, kComponentCount> cubeRootVolume{};  // rho_c^(-1/3)
  for (std::size_t i = 0; i < kComponentCount; ++i) {
    if (!(present[i] > 0.0)) continue;
    const ComponentParameters& c = model.components[i];
    present_[presentCount_++] = i;
    criticalTemperature_[i] = c.criticalTemperature;
    criticalVolume_[i] = 1.0 / c.criticalDensity;
    cubeRootVolume[i] = 1.0 / cr::Pow(c.criticalDensity, 1.0 / 3.0);
  }
  for (const BinaryParameters& b : model.binaries) {
    const std::size_t i = Index(b.i);
    const std::size_t j = Index(b.j);
    if (!(present[i] > 0.0) || !(present[j] > 0.0)) continue;
    const double sum = cubeRootVolume[i] + cubeRootVolume[j];
    pairs_[pairCount_++] = {
        i, j,
        2.0 * b.betaT * b.gammaT * std::sqrt(criticalTemperature_[i] * criticalTemperature_[j]), b.betaT * b.betaT,
        2.0 * b.betaV * b.gammaV * (sum * sum * sum / 8.0), b.betaV * b.betaV};
  }
}

ReducingPoint ReducingFunctions::At(const Composition& x) const {
  double temperature = 0.0;
  double volume = 0.0;
  for (std::size_t k = 0; k < presentCount_; ++k) {
    const std::size_t i = present_[k];
    const double xx = x[i] * x[i];
    temperature += xx * criticalTemperature_[i];
    volume += xx * criticalVolume_[i];
  }
  for (std::size_t k = 0; k < pairCount_; ++k) {
    const Pair& p = pairs_[k];
    const double xi = x[p.i];
    const double xj = x[p.j];
    const double product = xi * xj * (xi + xj);
    if (product == 0.0) continue;
    temperature += p.temperatureWeight * product / (p.temperatureBetaSquared * xi + xj);
    volume += p.volumeWeight * product / (p.volumeBetaSquared * xi + xj);
  }
  return {temperature, 1.0 / volume};
}

}  // namespace corvane::gerg
