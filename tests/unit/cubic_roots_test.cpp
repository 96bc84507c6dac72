#include "thermo/cubic_roots.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace corvane {
namespace {

constexpr double kR = 10.7335;

ComponentTable DefaultGas() {
  ComponentTable table{};
  FillComponentTable(table);
  for (int s = kFirstSlot; s <= kLastMixedSlot; ++s) table[static_cast<std::size_t>(s)].moleFraction = 0.0;
  table[kMethane].moleFraction = 0.96;
  table[kEthane].moleFraction = 0.02;
  table[kPropane].moleFraction = 0.005;
  table[kIsoButane].moleFraction = 0.002;
  table[kNButane].moleFraction = 0.002;
  table[kIsoPentane].moleFraction = 0.0005;
  table[kNPentane].moleFraction = 0.0005;
  table[kCarbonDioxide].moleFraction = 0.007;
  table[kNitrogen].moleFraction = 0.003;
  return table;
}

CubicEquation Equation(const CubicEquationForm& form, const ComponentTable& table, double temperature) {
  return *MakeCubicEquation(form, AveragePseudoComponent(table), temperature, kR);
}

std::string Name(const CubicEquationForm& form) { return &form == &kPengRobinsonForm ? "PR" : "RKS"; }

// Every converged root over the whole accepted range of states lies within
// its method's tolerance of the input pressure, and its count is below the
// failure limit.
TEST(CubicRoots, ConvergedRootsReproduceThePressure) {
  const ComponentTable gas = DefaultGas();
  int converged = 0;
  for (const CubicEquationForm* form : {&kPengRobinsonForm, &kRedlichKwongSoaveForm}) {
    for (double tF = -100.0; tF <= 300.0; tF += 50.0) {
      const CubicEquation eq = Equation(*form, gas, tF + 459.67);
      for (double p : {14.7, 100.0, 500.0, 1000.0, 2000.0, 3000.0}) {
        const std::string where = Name(*form) + " T=" + std::to_string(tF) + " P=" + std::to_string(p);
        const CubicRoot jc = SolveCubicJohnsonCulver(eq, p);
        if (!jc.Failed()) {
          ++converged;
          EXPECT_LT(std::fabs(*CubicPressure(eq, jc.volume) - p), 0.1) << where;
          EXPECT_LT(jc.count, 100) << where;
        }
        const CubicRoot fp = SolveCubicFalsePosition(eq, p);
        if (!fp.Failed()) {
          ++converged;
          EXPECT_LE(std::fabs(*CubicPressure(eq, fp.volume) - p), 0.01) << where;
          EXPECT_LT(fp.count, 100) << where;
        }
        const CubicRoot newton = SolveCubicNewton(eq, p);
        if (!newton.Failed()) {
          ++converged;
          // Newton stops on the volume step; the pressure follows within a step's worth.
          const double slope = std::fabs(*CubicPressureSlope(eq, newton.volume));
          EXPECT_LT(std::fabs(*CubicPressure(eq, newton.volume) - p), 0.01 * slope + 1e-9) << where;
          EXPECT_LT(newton.count, 50) << where;
        }
      }
    }
  }
  EXPECT_GT(converged, 250);  // nearly all 324 solutions exist for this gas
}

TEST(CubicRoots, DefaultStateCountsAndTheMethodsAgree) {
  const ComponentTable gas = DefaultGas();
  const CubicEquation pr = Equation(kPengRobinsonForm, gas, 539.67);
  const CubicEquation rks = Equation(kRedlichKwongSoaveForm, gas, 539.67);
  struct Case {
    const CubicEquation* eq;
    CubicRootMethod method;
    int count;
  };
  for (const Case& c : {Case{&pr, CubicRootMethod::JohnsonCulver, 34}, Case{&pr, CubicRootMethod::FalsePosition, 38},
                        Case{&pr, CubicRootMethod::Newton, 3}, Case{&rks, CubicRootMethod::JohnsonCulver, 31},
                        Case{&rks, CubicRootMethod::FalsePosition, 42}, Case{&rks, CubicRootMethod::Newton, 3}}) {
    const CubicRoot root = SolveCubicVolume(*c.eq, 1000.0, c.method);
    EXPECT_EQ(root.status, CubicRootStatus::Converged);
    EXPECT_EQ(root.count, c.count);
    // All three land on the same gas root, about 5 ft3/lb-mole.
    const CubicRoot reference = SolveCubicNewton(*c.eq, 1000.0);
    EXPECT_NEAR(root.volume, reference.volume, 0.01);
  }
}

// States where a method meets its tolerance exactly on its limiting count:
// these are failures all the same.
TEST(CubicRoots, ConvergenceOnTheLimitingCountFails) {
  const CubicEquation newtonAt50{&kPengRobinsonForm, kR, 455.30416871059532, 33550.396137316362, 2.0791318866687729};
  const CubicRoot n50 = SolveCubicNewton(newtonAt50, 2400.2169064624618);
  EXPECT_EQ(n50.count, 50);
  EXPECT_EQ(n50.status, CubicRootStatus::NoConvergence);

  const CubicEquation newtonAt49{&kPengRobinsonForm, kR, 655.38584121356587, 31958.34132569077, 0.67693613961191923};
  const CubicRoot n49 = SolveCubicNewton(newtonAt49, 634.49418328397473);
  EXPECT_EQ(n49.count, 49);
  EXPECT_EQ(n49.status, CubicRootStatus::Converged);

  // False position meets 0.01 psia on its 100th pass: still a failure.
  const CubicEquation fpAt100{&kPengRobinsonForm, kR, 739.50340212488049, 24547.290215894231, 0.5618580304524512};
  const double p = 2245.2797171383909;
  const CubicRoot fp = SolveCubicFalsePosition(fpAt100, p);
  EXPECT_EQ(fp.count, 100);
  EXPECT_LE(std::fabs(*CubicPressure(fpAt100, fp.volume) - p), 0.01);
  EXPECT_EQ(fp.status, CubicRootStatus::NoConvergence);
}

TEST(CubicRoots, ExhaustedMethodsFailWithTheirCounts) {
  // Pure iso-butane at 80 F and 1000 psia is a liquid the forward march
  // from 1.0 ft3/lb-mole never settles on.
  ComponentTable isobutane{};
  FillComponentTable(isobutane);
  for (int s = kFirstSlot; s <= kLastMixedSlot; ++s) isobutane[static_cast<std::size_t>(s)].moleFraction = 0.0;
  isobutane[kIsoButane].moleFraction = 1.0;
  const CubicRoot jc = SolveCubicJohnsonCulver(Equation(kPengRobinsonForm, isobutane, 539.67), 1000.0);
  EXPECT_GE(jc.count, 100);
  EXPECT_EQ(jc.status, CubicRootStatus::NoConvergence);

  // Newton that runs all 50 iterations reports 51.
  const CubicEquation wandering{&kPengRobinsonForm, kR, 698.37100931918667, 12038.503739856069, 0.11845897023724199};
  const CubicRoot newton = SolveCubicNewton(wandering, 1452.3766951903538);
  EXPECT_EQ(newton.count, 51);
  EXPECT_EQ(newton.status, CubicRootStatus::NoConvergence);

  // b above 2.41 puts PR's attractive pole above the start volume: the march
  // refines its step against the pole until the step no longer moves V. It
  // ends as a failure instead of marching in place for ever.
  const CubicEquation poleAhead{&kPengRobinsonForm, kR, 557.61160382999117, 9019.9673133469896, 2.6231707427995445};
  const CubicRoot stuck = SolveCubicJohnsonCulver(poleAhead, 1856.5980591859625);
  EXPECT_GE(stuck.count, 100);
  EXPECT_EQ(stuck.status, CubicRootStatus::NoConvergence);
}

TEST(CubicRoots, AZeroDenominatorEndsTheMethod) {
  const double t = 539.67;
  const double p = 1000.0;
  // Johnson-Culver's first step lands on 1.0 + 0.1 * 1.0.
  const CubicEquation jcHitsB{&kPengRobinsonForm, kR, t, 20000.0, 1.0 + 0.1 * 1.0};
  const CubicRoot jc = SolveCubicJohnsonCulver(jcHitsB, p);
  EXPECT_EQ(jc.status, CubicRootStatus::Breakdown);
  EXPECT_TRUE(jc.Failed());
  // False position's fixed end is 0.2 x 1.1 R T / P.
  const CubicEquation fpHitsB{&kRedlichKwongSoaveForm, kR, t, 20000.0, 0.2 * (1.1 * kR * t / p)};
  EXPECT_EQ(SolveCubicFalsePosition(fpHitsB, p).status, CubicRootStatus::Breakdown);
  // Newton starts at R T / P.
  const CubicEquation newtonHitsB{&kPengRobinsonForm, kR, t, 20000.0, kR * t / p};
  EXPECT_EQ(SolveCubicNewton(newtonHitsB, p).status, CubicRootStatus::Breakdown);
  // Pure ethane at 80 F and 2000 psia: Newton runs off to ever larger
  // negative volumes until the slope's V^4 overflows on iteration 8.
  ComponentTable ethane{};
  FillComponentTable(ethane);
  for (int s = kFirstSlot; s <= kLastMixedSlot; ++s) ethane[static_cast<std::size_t>(s)].moleFraction = 0.0;
  ethane[kEthane].moleFraction = 1.0;
  const CubicRoot runaway = SolveCubicNewton(Equation(kPengRobinsonForm, ethane, 539.67), 2000.0);
  EXPECT_EQ(runaway.status, CubicRootStatus::Breakdown);
  EXPECT_EQ(runaway.count, 8);
  // With no attraction and b = 0, p(V) = R T / V: Newton's first step
  // V0 - (RT/V0 - P) / (-RT/V0^2) from V0 = RT/P stays put, so it converges at once.
  const CubicEquation ideal{&kRedlichKwongSoaveForm, kR, t, 0.0, 0.0};
  const CubicRoot idealRoot = SolveCubicNewton(ideal, p);
  EXPECT_EQ(idealRoot.status, CubicRootStatus::Converged);
  EXPECT_EQ(idealRoot.count, 1);
}

}  // namespace
}  // namespace corvane
