// The BWRS operations of the dialog: what a run stores and shows, the
// messages, and the routing of probe results to their own slots.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "dialog_fixture.h"
#include "thermo/bwrs_equation.h"

namespace corvane {
namespace {

// A BWRS run with no optional property ticked, on a composition and state
// typed in as a user would.
class BwrsRun : public DialogTest {
 protected:
  BwrsRun() {
    for (int id : {res::IDC_CP, res::IDC_JT, res::IDC_VISCOSITY_BOX, res::IDC_POLYTROPIC_BOX})
      surface.SetChecked(id, false);
  }
  void PureMethane() { SetComposition({{res::IDC_METHANE, "1.0"}}); }
  void Check(int id) { surface.SetChecked(id, true); }
  void Run() { dlg.OnRun(); }
};

TEST_F(BwrsRun, TheDefaultGasByFalsePositionShowsDensityEnthalpyAndNote) {
  Run();
  EXPECT_TRUE(surface.messages.empty());
  EXPECT_EQ(Text(res::IDC_METHOD_NOTE), "BWRS False Position, Vapor Root iterations - 6");
  EXPECT_EQ(Text(res::IDC_MOLAR_DENSITY), "0.19757");
  EXPECT_EQ(Text(res::IDC_SPECIFIC_VOLUME), "0.29936");
  EXPECT_EQ(Text(res::IDC_COMPRESSIBILITY), "0.87379");
  EXPECT_EQ(Text(res::IDC_MOLECULAR_WEIGHT), "16.91");
  EXPECT_EQ(Text(res::IDC_ENTHALPY), "-1542.10");
  EXPECT_EQ(dlg.enthalpyReference, dlg.results.enthalpy - dlg.idealGasEnthalpy[0][1]);
  // The stored pressure is the entered one, and Z is formed from it.
  EXPECT_EQ(dlg.results.pressure, 1000.0);
  EXPECT_DOUBLE_EQ(dlg.results.zFactor, 1000.0 / (dlg.molarDensity * dlg.gasConstant * dlg.stateTemperature));
  EXPECT_EQ(dlg.results.specVolume, dlg.specificVolume);
}

TEST_F(BwrsRun, PureMethaneCopiesItsRecordAndJohnsonCulverComputesNoEnthalpy) {
  PureMethane();
  Check(res::IDC_JC);
  Run();
  const ComponentRecord& methane = dlg.components[kMethane];
  const MixtureCoefficients& m = dlg.mixture;
  for (auto [got, want] : {std::pair{m.B0, methane.B0}, {m.A0, methane.A0}, {m.C0, methane.C0}, {m.D0, methane.D0},
                           {m.E0, methane.E0}, {m.b, methane.b}, {m.a, methane.a}, {m.d, methane.d},
                           {m.alpha, methane.alpha}, {m.c, methane.c}, {m.gamma, methane.gamma},
                           {m.molecularWeight, methane.molecularWeight}})
    EXPECT_EQ(got, want);
  EXPECT_EQ(dlg.mixtureAcentricFactor, 0.0126);
  EXPECT_EQ(Text(res::IDC_METHOD_NOTE).rfind("BWRS Johnson-Culver, Vapor Root iterations - ", 0), 0u);
  EXPECT_LT(std::fabs(dlg.calculatedPressure - 1000.0), 0.00001 * 1000.0);
  EXPECT_EQ(dlg.results.enthalpy, 0.0);
  EXPECT_EQ(Text(res::IDC_ENTHALPY), "0.00");
}

TEST_F(BwrsRun, TheLiquidRootSelectorStepsUpAndSaysSo) {
  PureMethane();
  SetState("80", "1000");
  Run();  // fills the state and the constants
  const double fpDensity = dlg.molarDensity;
  dlg.SolveBwrsJohnsonCulver(2);
  EXPECT_EQ(Text(res::IDC_METHOD_NOTE).rfind("BWRS Johnson-Culver, Liquid Root iterations - ", 0), 0u);
  EXPECT_NEAR(dlg.molarDensity, fpDensity, 1e-4 * fpDensity);
}

TEST_F(BwrsRun, AMixtureWithoutMethaneIsRefusedAndTheRunStops) {
  Run();
  const std::string note = Text(res::IDC_METHOD_NOTE);
  const std::string density = Text(res::IDC_MOLAR_DENSITY);
  SetComposition({{res::IDC_ETHANE, "0.5"}, {res::IDC_PROPANE, "0.5"}});
  Check(res::IDC_NEWTON);  // refused before the method is looked at
  Run();
  ASSERT_EQ(surface.messages.size(), 1u);
  EXPECT_EQ(surface.messages[0].text, "Sorry, only methane component mixes are presently supported.");
  EXPECT_EQ(surface.messages[0].caption, "Calc");
  EXPECT_EQ(surface.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(dlg.mixture.molecularWeight, 0.0);
  EXPECT_EQ(dlg.mixture.A0, 0.0);
  EXPECT_EQ(dlg.mixtureAcentricFactor, 0.0);
  EXPECT_EQ(Text(res::IDC_METHOD_NOTE), note);
  EXPECT_EQ(Text(res::IDC_MOLAR_DENSITY), density);
  EXPECT_EQ(dlg.results.density, 0.0);
}

TEST_F(BwrsRun, MixingWithAnEmptyPresentListSaysTheMixtureIsNotSupported) {
  dlg.presentList = PresentList{};
  dlg.MixBwrsCoefficients();
  ASSERT_EQ(surface.messages.size(), 1u);
  EXPECT_EQ(surface.messages[0].text, "This mixture is not supported.");
  EXPECT_EQ(surface.messages[0].caption, "Mixture computation");
  EXPECT_EQ(dlg.mixture.B0, 0.0);
}

TEST_F(BwrsRun, AFalsePositionFailureStoresNothingAndSkipsTheEnthalpy) {
  SetComposition({{res::IDC_CO2, "1.0"}});
  SetState("-100", "1000");
  Run();
  ASSERT_EQ(surface.messages.size(), 1u);
  EXPECT_EQ(surface.messages[0].text, "No root found in fp method.");
  EXPECT_EQ(surface.messages[0].caption, "FP root warning");
  EXPECT_EQ(Text(res::IDC_METHOD_NOTE), "Method and iterations note.");
  EXPECT_EQ(dlg.results.density, 0.0);
  EXPECT_EQ(dlg.results.enthalpy, 0.0);
  EXPECT_EQ(dlg.enthalpyReference, 0.0);
}

TEST_F(BwrsRun, AMixtureWithoutAPositiveMolecularWeightIsRefusedAndTheRunStops) {
  Run();
  const std::string note = Text(res::IDC_METHOD_NOTE);
  const std::string density = Text(res::IDC_MOLAR_DENSITY);
  // The fractions sum to 1; the molecular weight mixes to about -138.
  SetComposition({{res::IDC_METHANE, "2"}, {res::IDC_ETHANE, "1"}, {res::IDC_NHEPTANE, "-2"}});
  Run();
  ASSERT_EQ(surface.messages.size(), 1u);
  EXPECT_EQ(surface.messages[0].text, "This mixture is not supported.");
  EXPECT_EQ(surface.messages[0].caption, "Mixture computation");
  EXPECT_EQ(dlg.mixture.molecularWeight, 0.0);
  EXPECT_EQ(dlg.mixture.A0, 0.0);
  EXPECT_EQ(dlg.mixtureAcentricFactor, 0.0);
  EXPECT_EQ(Text(res::IDC_METHOD_NOTE), note);
  EXPECT_EQ(Text(res::IDC_MOLAR_DENSITY), density);
}

// A density either solver ends on is no root when the state it would show
// is impossible: both say so and store nothing.
TEST_F(BwrsRun, ADensityGivingAnImpossibleStateIsNoRoot) {
  // Liquid hydrogen sulfide: Johnson-Culver stops at its start density under
  // a relaxed tolerance, where the equation's pressure is negative.
  SetComposition({{res::IDC_H2S, "1"}});
  SetState("0", "522.7");
  Check(res::IDC_JC);
  Run();
  ASSERT_EQ(surface.messages.size(), 1u);
  EXPECT_EQ(surface.messages[0].text, "No root found in jc method.");
  EXPECT_EQ(surface.messages[0].caption, "JC root warning");
  EXPECT_EQ(Text(res::IDC_METHOD_NOTE), "Method and iterations note.");
  EXPECT_EQ(dlg.results.zFactor, 0.0);
  EXPECT_EQ(dlg.results.pressure, 0.0);

  // Constants no composition gives, put in directly: a molecular weight of
  // zero (no specific volume) and an A0 that makes every pressure infinite.
  SetState("0", "522.7");  // the failed run showed its cleared pressure
  Check(res::IDC_FP);
  Run();
  const RunResults before = dlg.results;
  surface.messages.clear();
  dlg.mixture.molecularWeight = 0.0;
  EXPECT_EQ(dlg.SolveBwrsFalsePosition(), 0);
  dlg.SolveBwrsJohnsonCulver(1);
  dlg.mixture.molecularWeight = 34.08;
  dlg.mixture.A0 = std::numeric_limits<double>::infinity();
  dlg.SolveBwrsJohnsonCulver(1);
  ASSERT_EQ(surface.messages.size(), 3u);
  EXPECT_EQ(surface.messages[0].text, "No root found in fp method.");
  EXPECT_EQ(surface.messages[1].text, "No root found in jc method.");
  EXPECT_EQ(surface.messages[2].text, "No root found in jc method.");
  EXPECT_EQ(dlg.results.density, before.density);
  EXPECT_EQ(dlg.results.specVolume, before.specVolume);
  EXPECT_EQ(dlg.molarDensity, before.density);
}

// While a probe flag is set, the root and the enthalpy go to the probe's
// slot; the main results, the note and the working density stay.
TEST_F(BwrsRun, ProbeFlagsRouteRootsAndEnthalpiesToTheirSlots) {
  Run();
  const RunResults before = dlg.results;
  const double density = dlg.molarDensity;
  const std::string note = Text(res::IDC_METHOD_NOTE);

  struct Route {
    std::int8_t cp, jt, n;
    double* densitySlot;
    double* enthalpySlot;  // nullptr: the n probe computes no enthalpy
  };
  const Route routes[] = {
      {1, 0, 0, &dlg.cpProbeDensity[0], &dlg.cpProbeEnthalpy[0]},
      {2, 0, 0, &dlg.cpProbeDensity[1], &dlg.cpProbeEnthalpy[1]},
      {5, 0, 0, &dlg.cpProbeDensity[1], &dlg.cpProbeEnthalpy[1]},
      {0, 1, 0, &dlg.jtProbeDensity[1], &dlg.jtProbeEnthalpy[1]},
      {0, 2, 0, &dlg.jtProbeDensity[2], &dlg.jtProbeEnthalpy[2]},
      {0, 3, 0, &dlg.jtProbeDensity[0], &dlg.jtProbeEnthalpy[0]},
      {0, 0, 1, &dlg.nProbeDensity[0], nullptr},
      {0, 0, 2, &dlg.nProbeDensity[1], nullptr},
      {1, 2, 1, &dlg.cpProbeDensity[0], &dlg.cpProbeEnthalpy[0]},  // cp is tested first
  };
  double temperature = dlg.stateTemperature;
  for (const Route& route : routes) {
    dlg.cpProbe = route.cp;
    dlg.jtProbe = route.jt;
    dlg.nProbe = route.n;
    temperature += 3;  // a new state each time, so each slot gets a new value
    dlg.stateTemperature = temperature;
    *route.densitySlot = -1;
    ASSERT_EQ(dlg.SolveBwrsFalsePosition(), 1);
    EXPECT_NEAR(BwrsPressure(dlg.mixture, dlg.gasConstant, temperature, *route.densitySlot), 1000.0, 0.5);
    if (route.enthalpySlot != nullptr) {
      *route.enthalpySlot = 0;
      dlg.ComputeEnthalpy();
      EXPECT_NE(*route.enthalpySlot, 0.0);
      EXPECT_EQ(dlg.enthalpyReference, *route.enthalpySlot - dlg.idealGasEnthalpy[0][1]);
    }
    EXPECT_EQ(dlg.molarDensity, density);
    EXPECT_EQ(dlg.results.density, before.density);
    EXPECT_EQ(dlg.results.enthalpy, before.enthalpy);
    EXPECT_EQ(Text(res::IDC_METHOD_NOTE), note);
  }
}

TEST_F(BwrsRun, AProbeWithoutARootShowsTheWarningAndKeepsItsSlot) {
  SetComposition({{res::IDC_CO2, "1.0"}});
  SetState("-99", "1000");
  Run();
  surface.messages.clear();
  dlg.stateTemperature = 359.67;  // -100 F: no root
  dlg.jtProbe = 2;
  dlg.jtProbeDensity[2] = 0.123;
  EXPECT_EQ(dlg.SolveBwrsFalsePosition(), 0);
  EXPECT_EQ(dlg.jtProbeDensity[2], 0.123);
  ASSERT_EQ(surface.messages.size(), 1u);
  EXPECT_EQ(surface.messages[0].text, "No root found in fp method.");
}

}  // namespace
}  // namespace corvane
