// The cubic equations as the dialog runs them: method from the radio
// buttons, the method note, the stores and their order of effects, failures.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "app/calc_dlg.h"
#include "platform/headless_surface.h"
#include "res/resource.h"

namespace corvane {
namespace {

class CubicDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    dlg.OnInitDialog();
    for (int box : {res::IDC_CP, res::IDC_JT, res::IDC_VISCOSITY_BOX, res::IDC_POLYTROPIC_BOX})
      surface.SetChecked(box, false);
  }
  void Choose(int eos, int method) {
    surface.SetChecked(eos, true);
    surface.SetChecked(method, true);
  }
  std::string Note() const { return surface.GetText(res::IDC_METHOD_NOTE); }
  void PureComponent(int edit) {
    dlg.OnReset();
    surface.SetText(edit, "1.0");
  }

  HeadlessSurface surface;
  CCalcDlg dlg{surface};
};

TEST_F(CubicDialog, NotesCarryTheEquationTheMethodAndAPlainCount) {
  struct Case {
    int eos, method;
    const char* note;
    std::int8_t solveMethod;
  };
  for (const Case& c : {Case{res::IDC_PR, res::IDC_JC, "PR Johnson-Culver - 34", kMethodJohnsonCulver},
                        Case{res::IDC_PR, res::IDC_FP, "PR False Position - 38", kMethodFalsePosition},
                        Case{res::IDC_PR, res::IDC_NEWTON, "PR Newton - 3", kMethodNewton},
                        Case{res::IDC_RKS, res::IDC_JC, "RKS Johnson-Culver - 31", kMethodJohnsonCulver},
                        Case{res::IDC_RKS, res::IDC_FP, "RKS False Position - 42", kMethodFalsePosition},
                        Case{res::IDC_RKS, res::IDC_NEWTON, "RKS Newton - 3", kMethodNewton}}) {
    Choose(c.eos, c.method);
    dlg.OnRun();
    EXPECT_EQ(Note(), c.note);
    EXPECT_EQ(dlg.solveMethod, c.solveMethod) << c.note;
    EXPECT_EQ(dlg.eosChoice, c.eos == res::IDC_PR ? kEosPengRobinson : kEosRedlichKwongSoave);
  }
  // No method button checked reads as Newton.
  surface.SetChecked(res::IDC_NEWTON, false);
  EXPECT_EQ(dlg.SolveRedlichKwongSoave(), 1);
  EXPECT_EQ(Note(), "RKS Newton - 3");
}

TEST_F(CubicDialog, ASolutionStoresTheInputPressureAndClearsTheBwrsOnlyFields) {
  Choose(res::IDC_PR, res::IDC_NEWTON);
  dlg.OnRun();  // reads the state and the composition
  dlg.results.enthalpy = dlg.results.viscosity = dlg.results.specificHeat = 7.0;
  dlg.results.polytropicN = 0.9;
  dlg.results.jouleThomson = -0.05;
  dlg.compressibility = 0.123;
  ASSERT_EQ(dlg.SolvePengRobinson(), 1);

  EXPECT_EQ(dlg.calculatedPressure, 1000.0);
  EXPECT_EQ(dlg.results.pressure, 1000.0);
  EXPECT_EQ(dlg.results.density, dlg.molarDensity);
  EXPECT_EQ(dlg.results.specVolume, dlg.specificVolume);
  EXPECT_DOUBLE_EQ(dlg.molarDensity * dlg.results.molWeight * dlg.specificVolume, 1.0);
  EXPECT_DOUBLE_EQ(dlg.results.zFactor, 1000.0 / (dlg.molarDensity * 10.7335 * 539.67));
  EXPECT_NEAR(dlg.results.molWeight, 16.908, 0.001);
  EXPECT_EQ(dlg.results.enthalpy, 0.0);
  EXPECT_EQ(dlg.results.viscosity, 0.0);
  EXPECT_EQ(dlg.results.specificHeat, 0.0);
  EXPECT_EQ(dlg.results.polytropicN, 0.9);     // not the cubic's to touch
  EXPECT_EQ(dlg.results.jouleThomson, -0.05);  // nor this
  EXPECT_EQ(dlg.compressibility, 0.123);       // Z goes to the results only

  dlg.ShowResults();
  EXPECT_EQ(surface.GetText(res::IDC_PRESSURE), "1000.0");
  for (int id : {res::IDC_ENTHALPY, res::IDC_ENTHALPY_REF, res::IDC_SPECIFIC_HEAT, res::IDC_JOULE_THOMSON})
    EXPECT_EQ(surface.GetText(id), "BWRS only");
}

TEST_F(CubicDialog, AFailureNotesItStoresNothingAndEndsTheRun) {
  // Pure iso-butane at 80 F and 1000 psia: the march exhausts its count.
  PureComponent(res::IDC_ISOBUTANE);
  Choose(res::IDC_PR, res::IDC_JC);
  surface.SetChecked(res::IDC_VISCOSITY_BOX, true);
  dlg.molarDensity = 0.25;
  dlg.OnRun();
  EXPECT_EQ(Note(), "PR Johnson-Culver - Failed to converge");
  EXPECT_EQ(dlg.molarDensity, 0.25);
  EXPECT_EQ(dlg.results.density, 0.0);
  EXPECT_EQ(dlg.results.pressure, 0.0);
  EXPECT_EQ(dlg.viscosityRequested, 1);  // the run stopped before the optional boxes were read...
  EXPECT_EQ(surface.GetText(res::IDC_PRESSURE), "0.0");  // ...and showed the cleared results
  EXPECT_TRUE(surface.messages.empty());

  // Pure ethane at 80 F and 2000 psia: Newton runs out of iterations.
  PureComponent(res::IDC_ETHANE);
  surface.SetText(res::IDC_PRESSURE, "2000");
  Choose(res::IDC_RKS, res::IDC_NEWTON);
  dlg.OnRun();
  EXPECT_EQ(Note(), "RKS Newton - Failed to converge");
}

TEST_F(CubicDialog, UnusableAveragesEndAsAFailure) {
  Choose(res::IDC_PR, res::IDC_FP);
  dlg.OnRun();
  const RunResults before = dlg.results;
  // Fractions the run would never accept, put in directly: averages that
  // are not numbers must not reach the results.
  dlg.components[kMethane].moleFraction = std::numeric_limits<double>::infinity();
  EXPECT_EQ(dlg.SolvePengRobinson(), 0);
  EXPECT_EQ(Note(), "PR False Position - Failed to converge");
  EXPECT_EQ(dlg.results.density, before.density);

  // A zero average molecular weight leaves no specific volume.
  for (int s = kFirstSlot; s <= kLastMixedSlot; ++s) dlg.components[static_cast<std::size_t>(s)].moleFraction = 0.0;
  dlg.components[kMethane].moleFraction = 1.0;
  dlg.components[kHydrogen].moleFraction = 0.0;
  dlg.components[kMethane].molecularWeight = 0.0;
  EXPECT_EQ(dlg.SolveRedlichKwongSoave(), 0);
  EXPECT_EQ(Note(), "RKS False Position - Failed to converge");
}

TEST_F(CubicDialog, ARejectedCompositionComputesNothing) {
  Choose(res::IDC_PR, res::IDC_JC);
  dlg.compositionAccepted = 0;
  dlg.solveMethod = kMethodNotChosen;
  EXPECT_EQ(dlg.SolveRedlichKwongSoave(), 1);
  EXPECT_EQ(dlg.eosChoice, kEosRedlichKwongSoave);  // written before the guard
  EXPECT_EQ(dlg.solveMethod, kMethodNotChosen);
  EXPECT_EQ(Note(), "Method and iterations note.");
  EXPECT_EQ(dlg.results.density, 0.0);
}

}  // namespace
}  // namespace corvane
