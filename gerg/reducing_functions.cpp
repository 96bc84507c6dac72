#include "gerg/reducing_functions.h"

#include <cmath>

#include "crmath/correctly_rounded.h"

namespace corvane::gerg {

double ReducingFunction::operator()(const Composition& x) const {
  double sum = 0.0;
  for (std::size_t i = 0; i < kComponentCount; ++i) sum += x[i] * x[i] * pure_[i];
  for (const Pair& p : pairs_) {
    const double xi = x[p.i];
    const double xj = x[p.j];
    if (xi == 0.0 || xj == 0.0) continue;
    sum += p.weight * xi * xj * (xi + xj) / (p.betaSquared * xi + xj);
  }
  return sum;
}

namespace {

// beta of one function of a pair, and gamma Y_c,ij.
struct PairFactor {
  double beta;
  double gammaTimesY;
};

template <typename PairFactorOf>
ReducingFunction MakeReducing(const std::array<double, kComponentCount>& pure, PairFactorOf pairFactor) {
  std::array<ReducingFunction::Pair, kPairCount> pairs{};
  for (std::size_t k = 0; k < kPairCount; ++k) {
    const BinaryParameters& b = kBinaries[k];
    const PairFactor f = pairFactor(b, kComponents[Index(b.i)], kComponents[Index(b.j)]);
    pairs[k] = {Index(b.i), Index(b.j), 2.0 * f.beta * f.gammaTimesY, f.beta * f.beta};
  }
  return ReducingFunction(pure, pairs);
}

}  // namespace

const ReducingFunction& TemperatureReducing() {
  static const ReducingFunction function = [] {
    std::array<double, kComponentCount> pure{};
    for (std::size_t i = 0; i < kComponentCount; ++i) pure[i] = kComponents[i].criticalTemperature;
    return MakeReducing(pure, [](const BinaryParameters& b, const ComponentParameters& ci,
                                 const ComponentParameters& cj) {
      return PairFactor{b.betaT, b.gammaT * std::sqrt(ci.criticalTemperature * cj.criticalTemperature)};
    });
  }();
  return function;
}

const ReducingFunction& VolumeReducing() {
  static const ReducingFunction function = [] {
    std::array<double, kComponentCount> pure{};
    for (std::size_t i = 0; i < kComponentCount; ++i) pure[i] = 1.0 / kComponents[i].criticalDensity;
    return MakeReducing(pure, [](const BinaryParameters& b, const ComponentParameters& ci,
                                 const ComponentParameters& cj) {
      const double third = 1.0 / 3.0;
      const double sum = 1.0 / cr::Pow(ci.criticalDensity, third) + 1.0 / cr::Pow(cj.criticalDensity, third);
      return PairFactor{b.betaV, b.gammaV * sum * sum * sum / 8.0};
    });
  }();
  return function;
}

ReducingPoint Reduce(const Composition& x) {
  return {TemperatureReducing()(x), 1.0 / VolumeReducing()(x)};
}

}  // namespace corvane::gerg
