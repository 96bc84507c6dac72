#include "phase/fugacity.h"

#include <array>
#include <cmath>

#include "crmath/correctly_rounded.h"
#include "gerg/density_solver.h"
#include "gerg/mixture.h"
#include "gerg/reducing_functions.h"

namespace corvane::phase {

FugacityModel::FugacityModel(const Composition& feed, const gerg::Gerg2008Parameters& model) : model_(&model) {
  for (std::size_t i = 0; i < gerg::kComponentCount; ++i)
    if (feed[i] > 0.0) present_.push_back(i);
  pure_.reserve(present_.size());
  for (std::size_t i : present_) {
    gerg::ResidualWeights w;
    w.pure[i] = 1.0;
    pure_.emplace_back(model, w);
  }
  const gerg::ReducingFunctions reducing(model, feed);
  for (std::size_t k = 0; k < reducing.PairCount(); ++k) {
    const gerg::ReducingFunctions::Pair& p = reducing.PairAt(k);
    reducingPairs_.push_back({p.i, p.j, p.temperatureWeight, p.temperatureBetaSquared, p.volumeWeight,
                              p.volumeBetaSquared});
  }
  // One ResidualTerms per departure function the present pairs use, made
  // from the first pair that uses it with the weight 1.
  std::vector<int> numbers;
  for (std::size_t p = 0; p < gerg::kPairCount; ++p) {
    const gerg::BinaryParameters& b = model.binaries[p];
    const std::size_t i = gerg::Index(b.i), j = gerg::Index(b.j);
    if (b.departure == 0 || b.F == 0.0 || !(feed[i] > 0.0) || !(feed[j] > 0.0)) continue;
    std::size_t function = 0;
    while (function < numbers.size() && numbers[function] != b.departure) ++function;
    if (function == numbers.size()) {
      numbers.push_back(b.departure);
      gerg::ResidualWeights w;
      w.pair[p] = 1.0;
      departures_.emplace_back(model, w);
    }
    departurePairs_.push_back({i, j, b.F, function});
  }
}

namespace {

// f = x_i x_j (x_i + x_j) / (beta^2 x_i + x_j) and its derivatives by x_i
// and x_j (0 where both are 0: f is homogeneous of degree 2).
struct PairFunction {
  double value = 0, byI = 0, byJ = 0;
};

PairFunction PairTerm(double xi, double xj, double betaSquared) {
  const double d = betaSquared * xi + xj;
  if (!(d > 0.0)) return {};
  const double n = xi * xj * (xi + xj);
  return {n / d, ((2.0 * xi * xj + xj * xj) * d - n * betaSquared) / (d * d),
          ((xi * xi + 2.0 * xi * xj) * d - n) / (d * d)};
}

}  // namespace

ResidualState FugacityModel::ResidualAt(double temperature, double density, const Composition& x) const {
  const gerg::Gerg2008Parameters& model = *model_;
  // The reducing functions and their derivatives by the mole fractions.
  double tr = 0.0, vr = 0.0;
  Composition dTr{}, dVr{};
  for (std::size_t i : present_) {
    const gerg::ComponentParameters& c = model.components[i];
    tr += x[i] * x[i] * c.criticalTemperature;
    vr += x[i] * x[i] / c.criticalDensity;
    dTr[i] = 2.0 * x[i] * c.criticalTemperature;
    dVr[i] = 2.0 * x[i] / c.criticalDensity;
  }
  for (const ReducingPair& p : reducingPairs_) {
    const PairFunction t = PairTerm(x[p.i], x[p.j], p.temperatureBetaSquared);
    const PairFunction v = PairTerm(x[p.i], x[p.j], p.volumeBetaSquared);
    tr += p.temperatureWeight * t.value;
    dTr[p.i] += p.temperatureWeight * t.byI;
    dTr[p.j] += p.temperatureWeight * t.byJ;
    vr += p.volumeWeight * v.value;
    dVr[p.i] += p.volumeWeight * v.byI;
    dVr[p.j] += p.volumeWeight * v.byJ;
  }
  const double tau = tr / temperature;
  const double delta = density * vr;

  double alpha = 0.0, alphaD = 0.0, alphaT = 0.0;
  Composition alphaX{};
  for (std::size_t k = 0; k < present_.size(); ++k) {
    const std::size_t i = present_[k];
    const gerg::ResidualDerivatives r = gerg::ResidualIsotherm(pure_[k], tau).At(delta);
    alpha += x[i] * r.value;
    alphaD += x[i] * r.delta_d;
    alphaT += x[i] * r.tau_t;
    alphaX[i] = r.value;
  }
  std::array<gerg::ResidualDerivatives, gerg::kDepartureFunctionCount> functions{};
  for (std::size_t f = 0; f < departures_.size(); ++f) functions[f] = gerg::ResidualIsotherm(departures_[f], tau).At(delta);
  for (const DeparturePair& p : departurePairs_) {
    const gerg::ResidualDerivatives& r = functions[p.function];
    const double w = x[p.i] * x[p.j] * p.f;
    alpha += w * r.value;
    alphaD += w * r.delta_d;
    alphaT += w * r.tau_t;
    alphaX[p.i] += x[p.j] * p.f * r.value;
    alphaX[p.j] += x[p.i] * p.f * r.value;
  }

  double sumT = 0.0, sumV = 0.0, sumA = 0.0;
  for (std::size_t i : present_) {
    sumT += x[i] * dTr[i];
    sumV += x[i] * dVr[i];
    sumA += x[i] * alphaX[i];
  }
  ResidualState s;
  s.alphaR = alpha;
  s.z = 1.0 + alphaD;
  const double logZ = cr::Log(s.z);
  for (std::size_t i : present_) {
    const double nTr = dTr[i] - sumT;
    const double nVr = dVr[i] - sumV;
    s.nDerivative[i] = alpha + alphaD * (1.0 + nVr / vr) + alphaT * nTr / tr + alphaX[i] - sumA;
    s.lnPhi[i] = s.nDerivative[i] - logZ;
  }
  return s;
}

PhaseState FugacityModel::At(double temperature, double pressure, const Composition& x, RootChoice choice) const {
  PhaseState out;
  if (!(temperature > 0.0) || !(pressure > 0.0) || !std::isfinite(temperature) || !std::isfinite(pressure)) return out;
  const gerg::Mixture mixture(x, *model_);
  const gerg::Isotherm isotherm(mixture, temperature);
  const auto phaseOf = [&](const gerg::DensityRoot& root, bool gasLike) {
    PhaseState p;
    if (!root.found || !std::isfinite(root.density)) return p;
    const ResidualState r = ResidualAt(temperature, root.density, x);
    if (!(r.z > 0.0) || !std::isfinite(r.z)) return p;
    p.found = true;
    p.density = root.density;
    p.z = r.z;
    p.gasLike = gasLike;
    p.lnPhi = r.lnPhi;
    for (std::size_t i : present_) p.residualGibbs += x[i] * r.lnPhi[i];
    for (std::size_t i : present_)
      if (!std::isfinite(p.lnPhi[i])) p.found = false;
    return p;
  };
  const auto sameRoot = [](const gerg::DensityRoot& a, const gerg::DensityRoot& b) {
    return a.found && b.found && std::abs(a.density - b.density) <= 1e-9 * a.density;
  };
  if (choice == RootChoice::kLiquid) {
    const gerg::DensityRoot liquid = gerg::LiquidLikeDensity(isotherm, pressure);
    if (liquid.found) {
      out = phaseOf(liquid, false);
      if (out.found) return out;
    }
    return phaseOf(gerg::GasLikeDensity(isotherm, pressure), true);
  }
  const gerg::DensityRoot gas = gerg::GasLikeDensity(isotherm, pressure);
  // Well above its reducing temperature an isotherm rises all the way and
  // the gas-like root is the only one.
  const bool onlyRoot = temperature > kSingleRootRatio * mixture.Reducing().temperature;
  if ((choice == RootChoice::kVapour || onlyRoot) && gas.found) {
    out = phaseOf(gas, true);
    if (out.found) return out;
  }
  const gerg::DensityRoot liquid = gerg::LiquidLikeDensity(isotherm, pressure);
  const PhaseState dense = liquid.found && !sameRoot(liquid, gas) ? phaseOf(liquid, false) : PhaseState{};
  const PhaseState light = gas.found ? phaseOf(gas, true) : PhaseState{};
  if (!light.found) return dense;
  if (!dense.found) return light;
  return dense.residualGibbs < light.residualGibbs ? dense : light;
}

}  // namespace corvane::phase
