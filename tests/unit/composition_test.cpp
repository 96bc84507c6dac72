#include <cmath>

#include "dialog_fixture.h"

namespace corvane {
namespace {

using namespace res;

class CompositionTest : public DialogTest {
 protected:
  void SetAllFractions(const char* text) {
    for (int id : {IDC_METHANE, IDC_ETHANE, IDC_PROPANE, IDC_ISOBUTANE, IDC_NBUTANE, IDC_ISOPENTANE,
                   IDC_NPENTANE, IDC_NHEXANE, IDC_NHEPTANE, IDC_CO2, IDC_H2S, IDC_NITROGEN, IDC_HELIUM,
                   IDC_HYDROGEN, IDC_OXYGEN})
      Type(id, text);
  }
  std::vector<int> Present() const {
    std::vector<int> slots;
    for (int i = 1; i <= dlg.presentList.count; ++i) slots.push_back(dlg.presentList.entries[i]);
    return slots;
  }
};

TEST_F(CompositionTest, StartUpCompositionIsAcceptedWithNinePresentSlots) {
  dlg.ReadComposition();
  EXPECT_EQ(dlg.compositionAccepted, 1);
  EXPECT_EQ(Present(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 10, 14}));
  EXPECT_EQ(dlg.presentList.entries[0], 9);
  EXPECT_EQ(dlg.presentList.entries[10], 0);
  EXPECT_TRUE(surface.messages.empty());
}

TEST_F(CompositionTest, FourLumpedGasesShareTheNitrogenSlot) {
  SetAllFractions("0");
  Type(IDC_METHANE, "0.9");
  Type(IDC_NITROGEN, "0.01");
  Type(IDC_HYDROGEN, "0.02");
  Type(IDC_HELIUM, "0.03");
  Type(IDC_OXYGEN, "0.04");
  dlg.ReadComposition();
  EXPECT_EQ(dlg.components[kNitrogen].moleFraction, ((0.01 + 0.02) + 0.03) + 0.04);
  EXPECT_EQ(Present(), (std::vector<int>{1, 14}));
  EXPECT_EQ(dlg.components[kHydrogen].moleFraction, 0.0);  // the hydrogen slot itself stays empty
  EXPECT_EQ(dlg.entryFractions[10], 0.02);                 // entered hydrogen, entry order
  EXPECT_EQ(dlg.compositionAccepted, 1);
}

// Without nitrogen of its own, a lumped gas still makes a mixture: 0.9 x
// 16.031 + 0.1 x 28.016 = 17.23, where methane alone would be 16.03.
TEST_F(CompositionTest, ALumpedGasWithoutNitrogenStillMixesAsNitrogen) {
  for (int lumped : {IDC_HYDROGEN, IDC_HELIUM, IDC_OXYGEN}) {
    SetComposition({{IDC_METHANE, "0.9"}, {lumped, "0.1"}});
    dlg.OnRun();
    EXPECT_EQ(Present(), (std::vector<int>{1, 14})) << lumped;
    EXPECT_EQ(Text(IDC_MOLECULAR_WEIGHT), "17.23") << lumped;
  }
}

TEST_F(CompositionTest, NegativeFractionsCountInTheSumButAreNotPresent) {
  SetAllFractions("0");
  Type(IDC_METHANE, "1.1");
  Type(IDC_ETHANE, "-0.1");
  dlg.ReadComposition();
  EXPECT_EQ(dlg.compositionAccepted, 1);
  EXPECT_EQ(Present(), (std::vector<int>{1}));
  EXPECT_EQ(dlg.components[kEthane].moleFraction, -0.1);
}

TEST_F(CompositionTest, SumToleranceIsOneTenThousandth) {
  SetAllFractions("0");
  Type(IDC_METHANE, "1.0001");
  dlg.ReadComposition();
  EXPECT_EQ(dlg.compositionAccepted, 1);
  Type(IDC_METHANE, "0.9999");
  dlg.ReadComposition();
  EXPECT_EQ(dlg.compositionAccepted, 1);
  Type(IDC_METHANE, "1.00011");
  dlg.ReadComposition();
  EXPECT_EQ(dlg.compositionAccepted, 0);
  ASSERT_EQ(surface.messages.size(), 1u);
  EXPECT_EQ(surface.messages[0].text, "Mixture component sum not equal to 1.0 - Process aborted.");
  EXPECT_EQ(surface.messages[0].caption, "Reading mixture");
  EXPECT_EQ(surface.messages[0].icon, MessageIcon::Error);
  // The refused composition stays stored.
  EXPECT_EQ(dlg.entryFractions[0], 1.00011);
}

TEST_F(CompositionTest, NonFiniteSumsAreRefused) {
  Type(IDC_METHANE, "1e999");
  dlg.ReadComposition();
  EXPECT_EQ(dlg.compositionAccepted, 0);
  EXPECT_EQ(Text(IDC_SUM), "inf");
  Type(IDC_ETHANE, "-1e999");
  EXPECT_EQ(Text(IDC_SUM), "nan");
  dlg.ReadComposition();
  EXPECT_EQ(dlg.compositionAccepted, 0);
  EXPECT_EQ(surface.messages.size(), 2u);
}

TEST_F(CompositionTest, SumFollowsEveryEditAndResetClearsTheBoxes) {
  EXPECT_EQ(Text(IDC_SUM), "1.00000");
  Type(IDC_METHANE, "abc");
  EXPECT_EQ(Text(IDC_SUM), "0.04000");
  Type(IDC_METHANE, "0.95xyz");
  EXPECT_EQ(Text(IDC_SUM), "0.99000");
  dlg.OnCommand(IDC_RESET);
  EXPECT_EQ(Text(IDC_HELIUM), "0.00");
  EXPECT_EQ(Text(IDC_SUM), "0.00000");
  // Reset touches no member: the last read composition stays.
  EXPECT_EQ(dlg.entryFractions[0], 0.96);
}

TEST_F(CompositionTest, EditingTheReportNameMarksTheFileNew) {
  dlg.reportFileIsNew = 0;
  Type(IDC_REPORT_FILE, "other.txt");
  EXPECT_EQ(dlg.reportFileIsNew, 1);
  dlg.reportFileIsNew = 0;
  Type(IDC_METHANE, "0.5");
  EXPECT_EQ(dlg.reportFileIsNew, 0);
}

}  // namespace
}  // namespace corvane
