#include <limits>

#include "dialog_fixture.h"

namespace corvane {
namespace {

using namespace res;

class ResultsDisplayTest : public DialogTest {};

TEST_F(ResultsDisplayTest, BwrsShowsEveryFieldInItsFormat) {
  dlg.eosChoice = kEosBwrs;
  dlg.results = {1000.04, 0.197574, 0.299361, -1542.0951, 0.873789, 0.01264, 0.65774, 16.9088, 0.89064, -0.04843};
  dlg.enthalpyReference = 239.334;
  dlg.ShowResults();
  EXPECT_EQ(Text(IDC_PRESSURE), "1000.0");
  EXPECT_EQ(Text(IDC_MOLAR_DENSITY), "0.19757");
  EXPECT_EQ(Text(IDC_SPECIFIC_VOLUME), "0.29936");
  EXPECT_EQ(Text(IDC_COMPRESSIBILITY), "0.87379");
  EXPECT_EQ(Text(IDC_MOLECULAR_WEIGHT), "16.91");
  EXPECT_EQ(Text(IDC_VISCOSITY), "0.0126");
  EXPECT_EQ(Text(IDC_POLYTROPIC_N), "0.8906");
  EXPECT_EQ(Text(IDC_ENTHALPY), "-1542.10");
  EXPECT_EQ(Text(IDC_ENTHALPY_REF), "239.33");
  EXPECT_EQ(Text(IDC_SPECIFIC_HEAT), "0.6577");
  EXPECT_EQ(Text(IDC_JOULE_THOMSON), "-0.0484");
}

TEST_F(ResultsDisplayTest, FieldsWithoutValueShowTheirFixedTexts) {
  dlg.eosChoice = kEosPengRobinson;
  dlg.results = RunResults{};
  dlg.results.polytropicN = 1.5;
  dlg.entryPressure = 1234.56;
  dlg.ShowResults();
  // No pressure computed: the entered one stays, formatted as after any run.
  EXPECT_EQ(Text(IDC_PRESSURE), "1234.6");
  EXPECT_EQ(Text(IDC_VISCOSITY), "No solution");
  EXPECT_EQ(Text(IDC_POLYTROPIC_N), "No solution");
  for (int id : {IDC_ENTHALPY, IDC_ENTHALPY_REF, IDC_SPECIFIC_HEAT, IDC_JOULE_THOMSON})
    EXPECT_EQ(Text(id), "BWRS only");
  dlg.results.polytropicN = 0.5;
  dlg.results.viscosity = -1.0;
  dlg.ShowResults();
  EXPECT_EQ(Text(IDC_POLYTROPIC_N), "No solution");
  EXPECT_EQ(Text(IDC_VISCOSITY), "No solution");
  dlg.results.polytropicN = 0.5001;
  dlg.ShowResults();
  EXPECT_EQ(Text(IDC_POLYTROPIC_N), "0.5001");
}

TEST_F(ResultsDisplayTest, NonFiniteResultsAreSpelledOut) {
  dlg.eosChoice = kEosBwrs;
  dlg.results = RunResults{};
  dlg.results.density = std::numeric_limits<double>::infinity();
  dlg.results.zFactor = -std::numeric_limits<double>::quiet_NaN();
  dlg.results.viscosity = std::numeric_limits<double>::quiet_NaN();
  dlg.ShowResults();
  EXPECT_EQ(Text(IDC_MOLAR_DENSITY), "inf");
  EXPECT_EQ(Text(IDC_COMPRESSIBILITY), "nan");
  EXPECT_EQ(Text(IDC_VISCOSITY), "No solution");
}

}  // namespace
}  // namespace corvane
