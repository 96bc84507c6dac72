#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>

#include "thermo/cubic_eos.h"
#include "thermo/cubic_roots.h"

namespace corvane {
namespace {

constexpr double kR = kGasConstant;
constexpr const CubicEquationForm* kForms[] = {&kPengRobinsonForm, &kRedlichKwongSoaveForm};

ComponentTable Mixture(std::initializer_list<std::pair<int, double>> fractions) {
  ComponentTable table{};
  FillComponentTable(table);
  for (int s = kFirstSlot; s <= kLastMixedSlot; ++s) table[static_cast<std::size_t>(s)].moleFraction = 0.0;
  for (auto [slot, x] : fractions) table[static_cast<std::size_t>(slot)].moleFraction = x;
  return table;
}

CubicEquation Equation(const CubicEquationForm& form, const ComponentTable& table, double temperature) {
  return *MakeCubicEquation(form, AveragePseudoComponent(table), temperature, kR);
}

TEST(CubicEquation, SingleComponentKeepsItsOwnConstants) {
  for (int slot : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14}) {
    const ComponentTable table = Mixture({{slot, 1.0}});
    const ComponentRecord& c = table[static_cast<std::size_t>(slot)];
    const PseudoComponent m = AveragePseudoComponent(table);
    EXPECT_EQ(m.criticalTemperature, c.criticalTemperature) << slot;
    EXPECT_EQ(m.criticalPressure, c.criticalPressure) << slot;
    EXPECT_EQ(m.acentricFactor, c.acentricFactor) << slot;
    EXPECT_EQ(m.molecularWeight, c.molecularWeight) << slot;
  }
  // At T = Tc alpha is 1 for either equation.
  const PseudoComponent methane = AveragePseudoComponent(Mixture({{kMethane, 1.0}}));
  for (const CubicEquationForm* form : kForms)
    EXPECT_DOUBLE_EQ(MakeCubicEquation(*form, methane, 343.0, kR)->a, form->omegaA * kR * kR * 343.0 * 343.0 / 667.8);
}

// a = omegaA R^2 Tc^2 alpha / Pc, alpha = (1 + kappa (1 - sqrt(T / Tc)))^2,
// worked to 30 digits by hand from the published constants, far from Tc so
// that every digit of kappa shows: n-heptane at -100 F, methane at 300 F.
TEST(CubicEquation, AttractionAwayFromTheCriticalTemperature) {
  const PseudoComponent heptane = AveragePseudoComponent(Mixture({{kNHeptane, 1.0}}));
  const PseudoComponent methane = AveragePseudoComponent(Mixture({{kMethane, 1.0}}));
  const struct {
    const CubicEquationForm* form;
    const PseudoComponent* gas;
    double temperature, a;
  } cases[] = {
      {&kPengRobinsonForm, &heptane, 359.67, 226368.16839056000},
      {&kPengRobinsonForm, &methane, 759.67, 6053.3076862864008},
      {&kRedlichKwongSoaveForm, &heptane, 359.67, 227705.11540974442},
      {&kRedlichKwongSoaveForm, &methane, 759.67, 4958.7316180212240},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(MakeCubicEquation(*c.form, *c.gas, c.temperature, kR)->a, c.a, 1e-13 * c.a) << c.temperature;
}

TEST(CubicEquation, SlopeAgreesWithTheDifferenceOfPressures) {
  for (const CubicEquationForm* form : kForms) {
    const CubicEquation eq{form, kR, 540.0, 20000.0, 0.4};
    for (double v : {0.6, 1.3, 5.0, 40.0}) {
      const double h = 1e-6 * v;
      const double numeric = (*CubicPressure(eq, v + h) - *CubicPressure(eq, v - h)) / (2 * h);
      EXPECT_NEAR(*CubicPressureSlope(eq, v), numeric, 1e-5 * std::fabs(numeric)) << v;
    }
  }
}

TEST(CubicEquation, ZeroDenominatorsAndNonFiniteValuesGiveNothing) {
  const double inf = std::numeric_limits<double>::infinity();
  const CubicEquation pr{&kPengRobinsonForm, kR, 540.0, 20000.0, 0.4};
  const CubicEquation rks{&kRedlichKwongSoaveForm, kR, 540.0, 20000.0, 0.4};
  EXPECT_FALSE(CubicPressure(pr, 0.4));  // V at b
  EXPECT_FALSE(CubicPressureSlope(pr, 0.4));
  EXPECT_FALSE(CubicPressure(rks, 0.0));     // RKS's V (V + b)
  EXPECT_FALSE(CubicPressure(pr, 1e200));    // V^2 overflows
  EXPECT_FALSE(CubicPressureSlope(rks, 1e160));
  EXPECT_FALSE(CubicPressure(pr, std::nan("")));
  EXPECT_TRUE(CubicPressure(pr, 0.1));  // below b: unphysical, but a value
  // Averages of a mixture with zero, negative or infinite constants.
  EXPECT_FALSE(MakeCubicEquation(kPengRobinsonForm, {0.01, 343.0, 0.0, 16.0}, 540.0, kR));
  EXPECT_FALSE(MakeCubicEquation(kPengRobinsonForm, {0.01, inf, 667.8, 16.0}, 540.0, kR));
  EXPECT_FALSE(MakeCubicEquation(kRedlichKwongSoaveForm, {0.01, -343.0, 667.8, 16.0}, 540.0, kR));
}

// Every converged root over the accepted range of states lies within its
// method's tolerance of the input pressure, with a count below the limit.
TEST(CubicRoots, ConvergedRootsReproduceThePressure) {
  const ComponentTable gas = Mixture({{1, 0.96}, {2, 0.02}, {3, 0.005}, {4, 0.002}, {5, 0.002}, {6, 0.0005},
                                      {7, 0.0005}, {10, 0.007}, {14, 0.003}});
  int converged = 0;
  for (const CubicEquationForm* form : kForms) {
    for (double tF = -100.0; tF <= 300.0; tF += 50.0) {
      const CubicEquation eq = Equation(*form, gas, tF + 459.67);
      for (double p : {14.7, 100.0, 500.0, 1000.0, 2000.0, 3000.0}) {
        const CubicRoot jc = SolveCubicJohnsonCulver(eq, p);
        const CubicRoot fp = SolveCubicFalsePosition(eq, p);
        const CubicRoot newton = SolveCubicNewton(eq, p);
        SCOPED_TRACE(testing::Message() << (form == &kPengRobinsonForm ? "PR" : "RKS") << " " << tF << " F " << p);
        if (!jc.Failed()) {
          EXPECT_LT(std::fabs(*CubicPressure(eq, jc.volume) - p), 0.1);
        }
        if (!fp.Failed()) {
          EXPECT_LE(std::fabs(*CubicPressure(eq, fp.volume) - p), 0.01);
        }
        if (!newton.Failed()) {
          // Newton stops on the volume step; the pressure follows within a step's worth.
          const double slope = std::fabs(*CubicPressureSlope(eq, newton.volume));
          EXPECT_LT(std::fabs(*CubicPressure(eq, newton.volume) - p), 0.01 * slope);
        }
        for (const CubicRoot* root : {&jc, &fp, &newton}) {
          if (root->Failed()) continue;
          ++converged;
          EXPECT_LT(root->count, root == &newton ? 50 : 100);
        }
      }
    }
  }
  EXPECT_GT(converged, 250);  // of 324
}

// States found by search where a method meets its tolerance on its limiting
// count, or runs out of it: failures all the same.
TEST(CubicRoots, TheLimitingCountsFail) {
  const CubicEquation newtonAt50{&kPengRobinsonForm, kR, 455.30416871059532, 33550.396137316362, 2.0791318866687729};
  const CubicRoot n50 = SolveCubicNewton(newtonAt50, 2400.2169064624618);
  EXPECT_EQ(n50.count, 50);
  EXPECT_EQ(n50.status, CubicRootStatus::NoConvergence);

  const CubicEquation newtonAt49{&kPengRobinsonForm, kR, 655.38584121356587, 31958.34132569077, 0.67693613961191923};
  const CubicRoot n49 = SolveCubicNewton(newtonAt49, 634.49418328397473);
  EXPECT_EQ(n49.count, 49);
  EXPECT_EQ(n49.status, CubicRootStatus::Converged);

  const CubicEquation wandering{&kPengRobinsonForm, kR, 698.37100931918667, 12038.503739856069, 0.11845897023724199};
  const CubicRoot n51 = SolveCubicNewton(wandering, 1452.3766951903538);
  EXPECT_EQ(n51.count, 51);
  EXPECT_EQ(n51.status, CubicRootStatus::NoConvergence);

  const CubicEquation fpAt100{&kPengRobinsonForm, kR, 739.50340212488049, 24547.290215894231, 0.5618580304524512};
  const CubicRoot fp = SolveCubicFalsePosition(fpAt100, 2245.2797171383909);
  EXPECT_EQ(fp.count, 100);
  EXPECT_LE(std::fabs(*CubicPressure(fpAt100, fp.volume) - 2245.2797171383909), 0.01);
  EXPECT_EQ(fp.status, CubicRootStatus::NoConvergence);

  // Pure iso-butane at 80 F and 1000 psia: b lies above the start volume.
  const CubicRoot jc = SolveCubicJohnsonCulver(Equation(kPengRobinsonForm, Mixture({{kIsoButane, 1.0}}), 539.67), 1000.0);
  EXPECT_GE(jc.count, 100);
  EXPECT_EQ(jc.status, CubicRootStatus::NoConvergence);

  // PR with b above 2.41 has its attractive pole ahead of the start volume:
  // the march refines against it until the step no longer moves V, and must
  // then end as a failure rather than march in place for ever.
  const CubicEquation poleAhead{&kPengRobinsonForm, kR, 557.61160382999117, 9019.9673133469896, 2.6231707427995445};
  const CubicRoot stuck = SolveCubicJohnsonCulver(poleAhead, 1856.5980591859625);
  EXPECT_GE(stuck.count, 100);
  EXPECT_EQ(stuck.status, CubicRootStatus::NoConvergence);
}

TEST(CubicRoots, AZeroDenominatorOrAnOverflowEndsTheMethod) {
  const double t = 539.67;
  const double p = 1000.0;
  // Each method's first volume placed exactly on b.
  EXPECT_EQ(SolveCubicJohnsonCulver({&kPengRobinsonForm, kR, t, 20000.0, 1.0 + 0.1 * 1.0}, p).status,
            CubicRootStatus::Breakdown);
  EXPECT_EQ(SolveCubicFalsePosition({&kRedlichKwongSoaveForm, kR, t, 20000.0, 0.2 * (1.1 * kR * t / p)}, p).status,
            CubicRootStatus::Breakdown);
  EXPECT_EQ(SolveCubicNewton({&kPengRobinsonForm, kR, t, 20000.0, kR * t / p}, p).status, CubicRootStatus::Breakdown);
  // Pure ethane at 80 F and 2000 psia: Newton runs off to ever larger
  // negative volumes until the slope's V^4 overflows on iteration 8.
  const CubicRoot runaway = SolveCubicNewton(Equation(kPengRobinsonForm, Mixture({{kEthane, 1.0}}), t), 2000.0);
  EXPECT_EQ(runaway.status, CubicRootStatus::Breakdown);
  EXPECT_EQ(runaway.count, 8);
}

}  // namespace
}  // namespace corvane
