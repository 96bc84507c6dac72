// The density searches against a second method, a fine scan of the
// isotherm from zero density: a root is gas-like exactly when the scan
// reaches the pressure before dP/drho falls to zero. Also at the edge,
// just below and just above the gas branch's highest pressure; and over
// the whole accepted domain, bounded work and a finite value or a status.
#include <gtest/gtest.h>

#include <cmath>

#include "gerg/density_solver.h"
#include "gerg/properties.h"
#include "gerg/reference.h"
#include "random_states.h"

namespace corvane::gerg::test {
namespace {

constexpr double kScanStep = 2e-3;  // in delta

struct Scan {
  bool gasLike = false;
  double delta = 0;          // the crossing, or where g fell to zero
  double highestPi = 0;      // reduced pressure there
};

// pi = delta (1 + delta ar_d) and g = 1 + 2 delta ar_d + delta^2 ar_dd,
// stepped from zero density to the crossing of p or to g <= 0 (whose zero
// then is bisected).
Scan ScanFromZero(const Isotherm& isotherm, double p, double highest = 5.0) {
  Scan scan;
  double before = 0.0;
  for (double delta = kScanStep; delta < highest; delta += kScanStep) {
    const DensityDerivatives d = isotherm.Residual().DensityDerivativesAt(delta);
    const double pi = delta * (1.0 + d.delta_d);
    const double g = 1.0 + 2.0 * d.delta_d + d.delta2_dd;
    if (g <= 0.0) {
      double low = before, high = delta;
      for (int i = 0; i < 60; ++i) {
        const double middle = (low + high) / 2.0;
        const DensityDerivatives m = isotherm.Residual().DensityDerivativesAt(middle);
        (1.0 + 2.0 * m.delta_d + m.delta2_dd > 0.0 ? low : high) = middle;
      }
      const DensityDerivatives m = isotherm.Residual().DensityDerivativesAt(low);
      scan.delta = low;
      scan.highestPi = low * (1.0 + m.delta_d);
      return scan;
    }
    if (pi >= p) {
      scan.gasLike = true;
      scan.delta = delta;
      return scan;
    }
    before = delta;
  }
  return scan;
}

double Reduced(const Isotherm& isotherm, double pressure) {
  return pressure / (isotherm.Of().Reducing().density * kGasConstant * isotherm.Temperature());
}

TEST(GergRootClassification, AgreesWithAScanFromZeroDensity) {
  RandomStates states(7);
  int gasLike = 0, none = 0;
  for (int n = 0; n < 300; ++n) {
    const RandomState s = states.Next();
    const Mixture mixture(s.x);
    const Isotherm isotherm(mixture, s.temperature);
    const DensityRoot root = GasLikeDensity(isotherm, s.pressure);
    const Scan scan = ScanFromZero(isotherm, Reduced(isotherm, s.pressure));
    ASSERT_EQ(root.found, scan.gasLike) << "state " << n << " at " << s.temperature << " K, " << s.pressure << " kPa";
    if (root.found) {
      ++gasLike;
      EXPECT_NEAR(isotherm.Delta(root.density), scan.delta, kScanStep) << "state " << n;
    } else {
      ++none;
    }
  }
  EXPECT_GT(gasLike, 150);
  EXPECT_GT(none, 30);
}

TEST(GergRootClassification, AtTheEndOfTheGasBranch) {
  RandomStates states(11);
  int edges = 0;
  for (int n = 0; n < 300 && edges < 60; ++n) {
    const RandomState s = states.Next();
    const Mixture mixture(s.x);
    const Isotherm isotherm(mixture, s.temperature);
    const Scan end = ScanFromZero(isotherm, INFINITY, 3.0);  // to the branch's highest pressure, if any
    if (end.highestPi <= 0.0) continue;
    ++edges;
    const double P = end.highestPi * isotherm.Of().Reducing().density * kGasConstant * s.temperature;
    for (const double side : {-1.0, 1.0}) {
      const double shift = std::pow(10.0, -2.0 - 4.0 * (n % 5) / 4.0);  // 1e-2 .. 1e-6
      const DensityRoot root = GasLikeDensity(isotherm, P * (1.0 + side * shift));
      EXPECT_EQ(root.found, side < 0) << "state " << n << " at " << s.temperature << " K, " << shift << " "
                                      << (side < 0 ? "below" : "above") << " the highest pressure";
      EXPECT_LE(root.evaluations, 40);
    }
  }
  EXPECT_GE(edges, 40);
}

// -100 to 300 F by 40 F, 14.7 to 3000 psia at twelve pressures, every pure
// gas and forty mixtures: both roots, through the dialog's inputs.
TEST(GergRootClassification, BoundedAndFiniteOverTheDomain) {
  std::vector<std::array<double, kGasCount>> mixtures;
  for (Gas gas : kEntryOrder) {
    std::array<double, kGasCount> f{};
    f[Index(gas)] = 1.0;
    mixtures.push_back(f);
  }
  RandomStates random(3);
  for (int k = 0; k < 40; ++k) {
    const Composition x = random.NextMixture();
    std::array<double, kGasCount> f{};
    for (Gas gas : kEntryOrder) f[Index(gas)] = x[Index(ComponentOf(gas))];
    mixtures.push_back(f);
  }
  int dense = 0, gas = 0;
  for (const auto& f : mixtures) {
    ReferenceCalculator calculator;
    for (double T = -100.0; T <= 300.0; T += 40.0) {
      for (int k = 0; k < 12; ++k) {
        const double P = 14.7 * std::pow(3000.0 / 14.7, k / 11.0);
        const ReferenceRoots roots = calculator.CalculateRoots(f, P, T);
        const ReferenceResult& r = roots.primary;
        ASSERT_TRUE(r.HasValues()) << T << " F " << P << " psia: " << r.StatusText();
        (r.status == ReferenceStatus::kDense ? dense : gas) += 1;
        EXPECT_LE(r.evaluations, 2 * kMostEvaluations);
        for (const ReferenceResult* each : {&r, roots.other ? &*roots.other : nullptr}) {
          if (!each) continue;
          for (double v : {each->us.z, each->us.density, each->us.specificVolume, each->us.enthalpy, each->us.entropy,
                           each->us.cp, each->us.cv, each->us.speedOfSound, each->us.jouleThomson,
                           each->us.isentropicExponent, each->us.gibbsEnergy})
            ASSERT_TRUE(std::isfinite(v)) << T << " F " << P << " psia";
          EXPECT_GT(each->model.dPdRho, 0.0);
          const double kPa = P * 6.894757293168361;
          EXPECT_NEAR(each->model.pressure, kPa, 1e-13 * kPa + 1e-14 * each->model.density * each->model.dPdRho);
        }
      }
    }
  }
  EXPECT_GT(dense, 50);
  EXPECT_GT(gas, 2500);
}

}  // namespace
}  // namespace corvane::gerg::test
