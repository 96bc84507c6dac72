// The cubic equations as the dialog runs them; the notes and displays of
// ordinary runs are covered by the golden samples.
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
  void RunWith(int eos, int method) {
    surface.SetChecked(eos, true);
    surface.SetChecked(method, true);
    dlg.OnRun();
  }
  std::string Note() const { return surface.GetText(res::IDC_METHOD_NOTE); }

  HeadlessSurface surface;
  CCalcDlg dlg{surface};
};

TEST_F(CubicDialog, ASolutionStoresItsFieldsAndLeavesTheOthers) {
  RunWith(res::IDC_PR, res::IDC_NEWTON);
  dlg.results.enthalpy = dlg.results.viscosity = dlg.results.specificHeat = 7.0;
  dlg.results.polytropicN = 0.9;
  dlg.results.jouleThomson = -0.05;
  dlg.compressibility = 0.123;
  ASSERT_EQ(dlg.SolvePengRobinson(), 1);

  EXPECT_EQ(dlg.results.pressure, 1000.0);  // the input pressure, not recomputed
  EXPECT_EQ(dlg.calculatedPressure, 1000.0);
  EXPECT_EQ(dlg.results.density, dlg.molarDensity);
  EXPECT_EQ(dlg.results.specVolume, dlg.specificVolume);
  EXPECT_DOUBLE_EQ(dlg.molarDensity * dlg.results.molWeight * dlg.specificVolume, 1.0);
  EXPECT_DOUBLE_EQ(dlg.results.zFactor, 1000.0 / (dlg.molarDensity * 10.7335 * 539.67));
  EXPECT_EQ(dlg.results.enthalpy, 0.0);
  EXPECT_EQ(dlg.results.viscosity, 0.0);
  EXPECT_EQ(dlg.results.specificHeat, 0.0);
  EXPECT_EQ(dlg.results.polytropicN, 0.9);
  EXPECT_EQ(dlg.results.jouleThomson, -0.05);
  EXPECT_EQ(dlg.compressibility, 0.123);  // Z goes to the results only
}

TEST_F(CubicDialog, AFailureNotesItAndStoresNothing) {
  dlg.OnReset();
  surface.SetText(res::IDC_ISOBUTANE, "1.0");
  dlg.molarDensity = 0.25;
  RunWith(res::IDC_PR, res::IDC_JC);
  EXPECT_EQ(Note(), "PR Johnson-Culver - Failed to converge");
  EXPECT_EQ(dlg.molarDensity, 0.25);
  EXPECT_EQ(dlg.results.density, 0.0);
  EXPECT_TRUE(surface.messages.empty());  // the note is the only word of it

  // Averages that are not numbers (fractions no run would accept, put in
  // directly) and a zero molecular weight leave nothing fit to store.
  RunWith(res::IDC_RKS, res::IDC_FP);
  const RunResults before = dlg.results;
  dlg.components[kIsoButane].moleFraction = std::numeric_limits<double>::infinity();
  EXPECT_EQ(dlg.SolveRedlichKwongSoave(), 0);
  EXPECT_EQ(Note(), "RKS False Position - Failed to converge");
  dlg.components[kIsoButane].moleFraction = 0.0;
  dlg.components[kMethane].moleFraction = 1.0;
  dlg.components[kMethane].molecularWeight = 0.0;
  EXPECT_EQ(dlg.SolvePengRobinson(), 0);
  EXPECT_EQ(Note(), "PR False Position - Failed to converge");
  EXPECT_EQ(dlg.results.density, before.density);
  EXPECT_EQ(dlg.results.specVolume, before.specVolume);
}

// Roots no fluid can have: a volume inside the co-volume b (here a Newton
// step lands below zero), and a mixture of negative molecular weight.
TEST_F(CubicDialog, ImpossibleRootsFailToConverge) {
  dlg.OnReset();
  surface.SetText(res::IDC_METHANE, "0.6361095350472266");
  surface.SetText(res::IDC_NBUTANE, "0.3638904649527734");
  surface.SetText(res::IDC_TEMPERATURE, "80.80589447605826");
  surface.SetText(res::IDC_PRESSURE, "2999.9");
  RunWith(res::IDC_RKS, res::IDC_NEWTON);
  EXPECT_EQ(Note(), "RKS Newton - Failed to converge");
  EXPECT_EQ(dlg.results.density, 0.0);

  dlg.OnReset();
  surface.SetText(res::IDC_METHANE, "2");
  surface.SetText(res::IDC_ETHANE, "1");
  surface.SetText(res::IDC_NHEPTANE, "-2");
  surface.SetText(res::IDC_PRESSURE, "1000");
  for (int method : {res::IDC_JC, res::IDC_FP, res::IDC_NEWTON}) {
    RunWith(res::IDC_PR, method);
    EXPECT_EQ(Note().substr(Note().size() - 18), "Failed to converge");
    EXPECT_EQ(dlg.results.molWeight, 0.0);
  }
}

TEST_F(CubicDialog, ARejectedCompositionComputesNothing) {
  surface.SetChecked(res::IDC_JC, true);
  dlg.compositionAccepted = 0;
  dlg.solveMethod = kMethodNotChosen;
  EXPECT_EQ(dlg.SolveRedlichKwongSoave(), 1);
  EXPECT_EQ(dlg.eosChoice, kEosRedlichKwongSoave);  // written before the guard
  EXPECT_EQ(dlg.solveMethod, kMethodNotChosen);
  EXPECT_EQ(Note(), "Method and iterations note.");
}

}  // namespace
}  // namespace corvane
