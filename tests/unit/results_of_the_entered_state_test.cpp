// Every result a run shows belongs to the state and the gas entered: the
// false-position solution carries the entered pressure, a cubic run's
// polytropic exponent comes from its own composition, and a failed solve
// leaves the entered pressure in its box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "res/dialogs.h"

namespace corvane {
namespace {

using res::IDC_CO2;
using res::IDC_ETHANE;
using res::IDC_METHANE;
using res::IDC_PRESSURE;

class EnteredState : public DialogTest {
 protected:
  void Choose(int eos, int method) {
    surface.SetChecked(eos, true);
    surface.SetChecked(method, true);
  }
  // The eleven texts of the constants view, as View shows them now.
  std::vector<std::string> ConstantsView() {
    surface.lastConstants.reset();
    dlg.OnCommand(res::ID_VIEW);
    if (!surface.lastConstants) return {};
    return {surface.lastConstants->begin(), surface.lastConstants->end()};
  }
};

TEST_F(EnteredState, RepeatedFalsePositionRunsKeepThePressureAndItsZ) {
  // 70 % methane, 30 % ethane at 1000 psia used to lose 0.3 psi a Run.
  SetComposition({{IDC_METHANE, "0.7"}, {IDC_ETHANE, "0.3"}});
  SetState("80", "1000");
  dlg.OnRun();
  const RunResults first = dlg.results;
  for (int run = 0; run < 5; ++run) {
    dlg.OnRun();
    EXPECT_EQ(Text(IDC_PRESSURE), "1000.0");
    EXPECT_EQ(dlg.results.pressure, 1000.0);
    EXPECT_EQ(dlg.results.zFactor, first.zFactor);
    EXPECT_EQ(dlg.results.density, first.density);
  }
  EXPECT_DOUBLE_EQ(dlg.results.zFactor, 1000.0 / (dlg.results.density * dlg.gasConstant * dlg.stateTemperature));
  EXPECT_TRUE(surface.messages.empty());
}

TEST_F(EnteredState, LowPressureZIsTheGasOwnAndTheNextRunIsAccepted) {
  // Amarillo gas at 250 F and 14.7 psia: the reference equation's Z is
  // 0.99939; the last point the solver evaluated had given 0.96706 and a
  // pressure of 14.2, which the next Run refused.
  SetComposition({{IDC_METHANE, "0.906724"},        {IDC_ETHANE, "0.045279"},        {res::IDC_PROPANE, "0.00828"},
                  {res::IDC_ISOBUTANE, "0.001037"}, {res::IDC_NBUTANE, "0.001563"},  {res::IDC_ISOPENTANE, "0.000321"},
                  {res::IDC_NPENTANE, "0.000443"},  {res::IDC_NHEXANE, "0.000393"},  {IDC_CO2, "0.004676"},
                  {res::IDC_NITROGEN, "0.031284"}});
  SetState("250", "14.7");
  dlg.OnRun();
  EXPECT_EQ(Text(IDC_PRESSURE), "14.7");
  EXPECT_NEAR(dlg.results.zFactor, 0.99939, 0.0005);
  dlg.OnRun();
  EXPECT_TRUE(surface.messages.empty());
  EXPECT_EQ(Text(IDC_PRESSURE), "14.7");
}

TEST_F(EnteredState, CubicRunsTakeThePolytropicExponentOfTheirOwnGas) {
  // What a BWRS run of the start-up gas gives, worked out by its own procedure.
  Choose(res::IDC_BWRS, res::IDC_FP);
  dlg.OnRun();
  const double startUpGasN = dlg.results.polytropicN;
  const std::string startUpGasShown = Text(res::IDC_POLYTROPIC_N);
  ASSERT_NE(startUpGasShown, res::kNoSolutionText);

  for (int eos : {res::IDC_PR, res::IDC_RKS}) {
    // A fresh calculator: no BWRS run yet, so no constants were left behind.
    HeadlessSurface freshSurface;
    CCalcDlg fresh(freshSurface);
    fresh.OnInitDialog();
    freshSurface.SetChecked(eos, true);
    freshSurface.SetChecked(res::IDC_NEWTON, true);
    fresh.OnRun();
    EXPECT_EQ(fresh.results.polytropicN, startUpGasN);
    EXPECT_EQ(freshSurface.GetText(res::IDC_POLYTROPIC_N), startUpGasShown);
    EXPECT_TRUE(freshSurface.messages.empty());
    // Nothing of the BWRS constants shows: the view still has none to show.
    fresh.OnCommand(res::ID_VIEW);
    EXPECT_FALSE(freshSurface.lastConstants.has_value());
  }

  // After a BWRS run of another gas, a PR run of the start-up gas still
  // gets the start-up gas's N, and the view keeps the other gas's constants.
  SetComposition({{IDC_METHANE, "0.7"}, {IDC_ETHANE, "0.3"}});
  dlg.OnRun();
  const double otherGasN = dlg.results.polytropicN;
  const std::vector<std::string> otherGasConstants = ConstantsView();
  ASSERT_EQ(otherGasConstants.size(), 11u);
  SetComposition({{IDC_METHANE, "0.96"},        {IDC_ETHANE, "0.02"},         {res::IDC_PROPANE, "0.005"},
                  {res::IDC_ISOBUTANE, "0.002"}, {res::IDC_NBUTANE, "0.002"},  {res::IDC_ISOPENTANE, "0.0005"},
                  {res::IDC_NPENTANE, "0.0005"}, {IDC_CO2, "0.007"},           {res::IDC_NITROGEN, "0.003"}});
  Choose(res::IDC_PR, res::IDC_NEWTON);
  dlg.OnRun();
  EXPECT_NE(otherGasN, startUpGasN);
  EXPECT_EQ(dlg.results.polytropicN, startUpGasN);
  EXPECT_EQ(ConstantsView(), otherGasConstants);
  EXPECT_TRUE(surface.messages.empty());
}

TEST_F(EnteredState, ACubicRunOfAGasBwrsCannotMixHasNoExponentAndNoMessage) {
  Choose(res::IDC_PR, res::IDC_NEWTON);
  SetComposition({{IDC_ETHANE, "0.5"}, {res::IDC_PROPANE, "0.5"}});
  dlg.OnRun();
  EXPECT_EQ(Text(res::IDC_POLYTROPIC_N), res::kNoSolutionText);
  EXPECT_TRUE(surface.messages.empty());
  // A gas of one component is its own BWRS mixture.
  SetComposition({{IDC_ETHANE, "1.0"}});
  SetState("80", "500");
  dlg.OnRun();
  EXPECT_NE(Text(res::IDC_POLYTROPIC_N), res::kNoSolutionText);
}

TEST_F(EnteredState, AFailedSolveLeavesTheEnteredPressureAndTheNextRunGoesOn) {
  // Peng-Robinson by false position at 2000 psia and 60 F does not converge.
  Choose(res::IDC_PR, res::IDC_FP);
  SetState("60", "2000");
  dlg.OnRun();
  ASSERT_EQ(Text(res::IDC_METHOD_NOTE), "PR False Position - Failed to converge");
  EXPECT_EQ(Text(IDC_PRESSURE), "2000.0");
  // BWRS false position without a root (carbon dioxide at -100 F, 1000 psia).
  Choose(res::IDC_BWRS, res::IDC_FP);
  SetComposition({{IDC_CO2, "1.0"}});
  SetState("-100", "1000psia");
  surface.messages.clear();
  dlg.OnRun();
  ASSERT_FALSE(surface.messages.empty());
  EXPECT_EQ(surface.messages.front().text, res::kNoFalsePositionRoot.text);
  EXPECT_EQ(Text(IDC_PRESSURE), "1000.0");
  // The next run reads the pressure back and is not refused.
  surface.messages.clear();
  dlg.OnRun();
  for (const auto& message : surface.messages) EXPECT_NE(message.text, res::kPressureOutOfRange.text);
}

}  // namespace
}  // namespace corvane
