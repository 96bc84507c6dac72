// The fugacity coefficients against three independent checks: central
// differences of n alpha_r in the mole numbers at fixed T and V, the
// Gibbs-Duhem relation at fixed T and P, and the mean of ln phi.
#include "phase/fugacity.h"

#include <gtest/gtest.h>

#include <cmath>

#include "crmath/correctly_rounded.h"
#include "phase_test_gases.h"

namespace corvane::phase {
namespace {

using gerg::Component;

struct Case {
  const char* name;
  Composition x;
  double temperature;  // K
  double density;      // mol/L
};

std::vector<Case> Cases() {
  return {{"rich gas, gas-like", RichGas(), 280.0, 3.0},
          {"rich gas, dense", RichGas(), 230.0, 14.0},
          {"start-up gas", StartupGas(), 299.8, 3.2},
          {"every component", EveryComponent(), 400.0, 5.0},
          {"hydrogen and water", HydrogenWater(), 350.0, 20.0}};
}

// n alpha_r at the mole numbers n in a volume V (L).
double TotalResidual(const FugacityModel& model, double temperature, const Composition& n, double volume) {
  double total = 0.0;
  for (double v : n) total += v;
  Composition x{};
  for (std::size_t i = 0; i < x.size(); ++i) x[i] = n[i] / total;
  return total * model.ResidualAt(temperature, total / volume, x).alphaR;
}

TEST(Fugacity, MoleNumberDerivativesMatchCentralDifferences) {
  for (const Case& c : Cases()) {
    const FugacityModel model(c.x);
    const ResidualState s = model.ResidualAt(c.temperature, c.density, c.x);
    const double volume = 1.0 / c.density;  // one mole in all
    for (std::size_t k = 0; k < model.PresentCount(); ++k) {
      const std::size_t i = model.Present(k);
      const double h = 1e-5;
      Composition up = c.x, down = c.x;
      up[i] += h;
      down[i] -= h;
      const double numeric = (TotalResidual(model, c.temperature, up, volume) -
                              TotalResidual(model, c.temperature, down, volume)) / (2.0 * h);
      EXPECT_NEAR(s.nDerivative[i], numeric, 1e-8 * (1.0 + std::abs(numeric))) << c.name << ", component " << i;
    }
  }
}

TEST(Fugacity, MeanOfLnPhiIsTheResidualGibbsEnergy) {
  for (const Case& c : Cases()) {
    const FugacityModel model(c.x);
    const ResidualState s = model.ResidualAt(c.temperature, c.density, c.x);
    double mean = 0.0;
    for (std::size_t k = 0; k < model.PresentCount(); ++k) mean += c.x[model.Present(k)] * s.lnPhi[model.Present(k)];
    const double expected = s.alphaR + s.z - 1.0 - cr::Log(s.z);
    EXPECT_NEAR(mean, expected, 1e-13 * (1.0 + std::abs(expected))) << c.name;
  }
}

// sum_i x_i d ln phi_i / d n_j = 0 at fixed T and P, for each j.
TEST(Fugacity, GibbsDuhemAtFixedTemperatureAndPressure) {
  for (const Case& c : Cases()) {
    const FugacityModel model(c.x);
    const double pressure = c.density * gerg::kGasConstant * c.temperature *
                            model.ResidualAt(c.temperature, c.density, c.x).z;
    const PhaseState base = model.At(c.temperature, pressure, c.x, RootChoice::kLowestGibbs);
    ASSERT_TRUE(base.found) << c.name;
    const RootChoice same = base.gasLike ? RootChoice::kVapour : RootChoice::kLiquid;
    for (std::size_t kj = 0; kj < model.PresentCount(); ++kj) {
      const std::size_t j = model.Present(kj);
      const double h = 1e-5;
      const auto shifted = [&](double by) {
        Composition n = c.x;
        n[j] += by;
        double total = 0.0;
        for (double v : n) total += v;
        for (double& v : n) v /= total;
        return model.At(c.temperature, pressure, n, same);
      };
      const PhaseState up = shifted(h), down = shifted(-h);
      ASSERT_TRUE(up.found && down.found) << c.name;
      double sum = 0.0, scale = 0.0;
      for (std::size_t k = 0; k < model.PresentCount(); ++k) {
        const std::size_t i = model.Present(k);
        const double derivative = (up.lnPhi[i] - down.lnPhi[i]) / (2.0 * h);
        sum += c.x[i] * derivative;
        scale += std::abs(c.x[i] * derivative);
      }
      EXPECT_NEAR(sum, 0.0, 1e-7 * (1.0 + scale)) << c.name << ", by component " << j;
    }
  }
}

// A pure fluid's ln phi does not depend on which other components the model
// was composed for.
TEST(Fugacity, PureFluidIsTheSameInAnyComponentSet) {
  const Composition propane = gerg::Pure(Component::Propane);
  const FugacityModel alone(propane);
  const FugacityModel inRich(RichGas());
  const ResidualState a = alone.ResidualAt(300.0, 11.3, propane);
  const ResidualState b = inRich.ResidualAt(300.0, 11.3, propane);
  EXPECT_NEAR(a.lnPhi[gerg::Index(Component::Propane)], b.lnPhi[gerg::Index(Component::Propane)], 1e-14);
  EXPECT_NEAR(a.z, b.z, 1e-14);
}

}  // namespace
}  // namespace corvane::phase
