// The View command and the texts of the constants view.
#include "views/constants_view.h"

#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "res/resource.h"

namespace corvane {
namespace {

MixtureCoefficients MethaneConstants() {
  ComponentTable table{};
  FillComponentTable(table);
  const ComponentRecord& m = table[kMethane];
  return {m.B0, m.A0, m.C0, m.D0, m.E0, m.b, m.a, m.d, m.alpha, m.c, m.gamma, m.molecularWeight};
}

TEST(ConstantsView, PureMethaneShowsItsPublishedConstantsInFixedNotation) {
  const std::array<std::string, 11> expected = {"0.723251",  "7520.29",     "271092000.", "10773700000.",
                                                "30112200000.", "0.925404", "2574.89",    "47489.1",
                                                "0.468828",  "437222000.",  "1.4864"};
  EXPECT_EQ(FormatBwrsConstants(MethaneConstants()), expected);
}

TEST(ConstantsView, EachConstantHasItsOwnDigitCount) {
  const double third = 1.0 / 3.0;
  const MixtureCoefficients m{third, third, third, third, third, third, third, third, third, third, third, 0};
  const std::array<std::size_t, 11> digits = {8, 7, 12, 14, 16, 7, 7, 10, 7, 13, 7};
  const std::array<std::string, 11> texts = FormatBwrsConstants(m);
  for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(texts[i], "0." + std::string(digits[i], '3')) << i;
}

class ViewCommand : public DialogTest {};

TEST_F(ViewCommand, BeforeAnyBwrsRunSaysSo) {
  dlg.OnCommand(res::ID_VIEW);
  ASSERT_EQ(surface.messages.size(), 1u);
  EXPECT_EQ(surface.messages[0].text, "BWRS coefficients not yet computed.");
  EXPECT_EQ(surface.messages[0].caption, "View BWRS Coefficients");
  EXPECT_EQ(surface.messages[0].icon, MessageIcon::Error);
  EXPECT_FALSE(surface.lastConstants.has_value());
}

TEST_F(ViewCommand, ShowsTheLastMixedConstants) {
  dlg.mixture = MethaneConstants();
  dlg.OnCommand(res::ID_VIEW);
  EXPECT_TRUE(surface.messages.empty());
  ASSERT_TRUE(surface.lastConstants.has_value());
  EXPECT_EQ(*surface.lastConstants, FormatBwrsConstants(dlg.mixture));
  // The test is on the sum of the first five alone.
  dlg.mixture = MixtureCoefficients{1.0, -1.0, 0, 0, 0, 5.0, 5.0, 5.0, 5.0, 5.0, 5.0, 16.0};
  dlg.OnCommand(res::ID_VIEW);
  EXPECT_EQ(LastMessage(), "BWRS coefficients not yet computed.");
}

}  // namespace
}  // namespace corvane
