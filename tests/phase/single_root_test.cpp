// Above kSingleRootRatio T_r no isotherm of the model has a dense root
// apart from its gas-like one, for mixtures from light to very asymmetric:
// the fugacity model relies on it to skip the liquid-like search there.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "gerg/density_solver.h"
#include "gerg/mixture.h"
#include "phase/fugacity.h"
#include "phase_test_gases.h"

namespace corvane::phase {
namespace {

TEST(SingleRoot, NoDenseRootWellAboveTheReducingTemperature) {
  std::vector<Composition> mixtures = {RichGas(), StartupGas(), EveryComponent(), HydrogenWater()};
  Composition methaneDecane{};
  methaneDecane[Index(Component::Methane)] = 0.5;
  methaneDecane[Index(Component::NDecane)] = 0.5;
  mixtures.push_back(methaneDecane);
  Composition heliumDecane{};
  heliumDecane[Index(Component::Helium)] = 0.5;
  heliumDecane[Index(Component::NDecane)] = 0.5;
  mixtures.push_back(heliumDecane);
  for (const Composition& x : mixtures) {
    const gerg::Mixture mixture(x);
    // Distinct dense roots exist just below T_r; none from 1.05 T_r up.
    for (double ratio = 1.05; ratio < 3.0; ratio += 0.1) {
      const gerg::Isotherm isotherm(mixture, ratio * mixture.Reducing().temperature);
      for (double log10P = 0.0; log10P <= 5.0; log10P += 0.25) {
        const double p = std::pow(10.0, log10P);
        const gerg::DensityRoot gas = gerg::GasLikeDensity(isotherm, p);
        const gerg::DensityRoot dense = gerg::LiquidLikeDensity(isotherm, p);
        if (!dense.found) continue;
        EXPECT_TRUE(gas.found) << ratio << " " << p;
        EXPECT_NEAR(dense.density, gas.density, 1e-6 * dense.density) << ratio << " " << p;
      }
    }
  }
}

}  // namespace
}  // namespace corvane::phase
