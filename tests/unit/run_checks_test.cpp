#include <filesystem>

#include "dialog_fixture.h"
#include "files/working_directory.h"
#include "temp_dir.h"

namespace corvane {
namespace {

using namespace res;

class RunChecksTest : public DialogTest {
 protected:
  // Runs with everything but the state rejected later by the sum, so that
  // only the state checks decide what happens.
  std::string RunWithState(const char* pressure, const char* temperature) {
    surface.messages.clear();
    Type(IDC_PRESSURE, pressure);
    Type(IDC_TEMPERATURE, temperature);
    Type(IDC_METHANE, "0");  // the sum test refuses the run after the state checks
    dlg.OnRun();
    Type(IDC_METHANE, "0.96");
    return LastMessage();
  }
};

const std::string kPressureMessage{res::kPressureOutOfRange.text};
const std::string kTemperatureMessage{res::kTemperatureOutOfRange.text};
const std::string kSumMessage{res::kCompositionSumNotOne.text};

TEST_F(RunChecksTest, StateLimitsAreInclusive) {
  EXPECT_EQ(RunWithState("14.7", "80"), kSumMessage);
  EXPECT_EQ(RunWithState("3000", "80"), kSumMessage);
  EXPECT_EQ(RunWithState("1000", "-100"), kSumMessage);
  EXPECT_EQ(RunWithState("1000", "300"), kSumMessage);
  EXPECT_EQ(RunWithState("1000", ""), kSumMessage);  // empty reads as 0 F
  EXPECT_EQ(RunWithState("1000psia", "80F"), kSumMessage);
}

TEST_F(RunChecksTest, StatesOutsideTheLimitsStopTheRun) {
  EXPECT_EQ(RunWithState("14.69", "80"), kPressureMessage);
  EXPECT_EQ(RunWithState("3000.1", "80"), kPressureMessage);
  EXPECT_EQ(RunWithState("", "80"), kPressureMessage);
  EXPECT_EQ(RunWithState("1e999", "80"), kPressureMessage);
  EXPECT_EQ(RunWithState("inf", "80"), kPressureMessage);
  EXPECT_EQ(RunWithState("1000", "-100.01"), kTemperatureMessage);
  EXPECT_EQ(RunWithState("1000", "300.01"), kTemperatureMessage);
  EXPECT_EQ(surface.messages.back().caption, "User Inputs");
  EXPECT_EQ(surface.messages.back().icon, MessageIcon::Error);
}

TEST_F(RunChecksTest, RejectedStateIsStoredAndResultsCleared) {
  dlg.results.density = 1.0;
  dlg.enthalpyReference = 2.0;
  dlg.cpProbe = 1;
  EXPECT_EQ(RunWithState("2.5", "70"), kPressureMessage);
  EXPECT_EQ(dlg.entryPressure, 2.5);
  EXPECT_EQ(dlg.entryTemperatureF, 70.0);
  EXPECT_EQ(dlg.stateTemperature, 70.0 + 459.67);
  EXPECT_EQ(dlg.results.density, 0.0);
  EXPECT_EQ(dlg.enthalpyReference, 0.0);
  EXPECT_EQ(dlg.cpProbe, 0);
  // The result controls keep what they showed.
  EXPECT_EQ(Text(IDC_MOLAR_DENSITY), "");
  EXPECT_EQ(Text(IDC_PRESSURE), "2.5");
}

TEST_F(RunChecksTest, NewtonIsRefusedForBwrs) {
  surface.SetChecked(IDC_NEWTON, true);
  dlg.OnRun();
  EXPECT_EQ(LastMessage(), "Newton method not available for BWRS.");
  EXPECT_EQ(surface.messages.back().caption, "BWRS Roots");
  EXPECT_EQ(dlg.eosChoice, kEosBwrs);
  EXPECT_EQ(dlg.solveMethod, kMethodNewton);
  EXPECT_EQ(Text(IDC_MOLAR_DENSITY), "");
}

TEST_F(RunChecksTest, StartUpTexts) {
  EXPECT_EQ(Text(IDC_PRESSURE), "1000.");
  EXPECT_EQ(Text(IDC_TEMPERATURE), "80.");
  EXPECT_EQ(Text(IDC_METHANE), "0.96000");
  EXPECT_EQ(Text(IDC_NHEXANE), "0.00000");
  EXPECT_EQ(Text(IDC_METHOD_NOTE), "Method and iterations note.");
  EXPECT_TRUE(surface.IsChecked(IDC_BWRS));
  EXPECT_TRUE(surface.IsChecked(IDC_FP));
  for (int box : {IDC_POLYTROPIC_BOX, IDC_VISCOSITY_BOX, IDC_CP, IDC_JT}) EXPECT_TRUE(surface.IsChecked(box));
  EXPECT_FALSE(surface.IsChecked(IDC_WRITE));
  EXPECT_FALSE(surface.IsChecked(IDC_APPEND));
  EXPECT_EQ(dlg.reportFileIsNew, 1);
  EXPECT_EQ(dlg.gasConstant, 10.7335);
}

// The report goes beside the program's working directory; when that
// directory has been removed the name must not fall back to the root.
TEST(ReportFileName, IsTheWorkingDirectoryOrNothingElse) {
  const std::filesystem::path start = std::filesystem::current_path();
  {
    HeadlessSurface surface;
    CCalcDlg dlg(surface);
    dlg.OnInitDialog();
    EXPECT_EQ(surface.GetText(IDC_REPORT_FILE), start.string() + kPathSeparator + "corvanetest.txt");
  }
#ifndef _WIN32  // Windows keeps a process's working directory from being removed.
  const bool rootHadOne = std::filesystem::exists("/corvanetest.txt");
  {
    TempDir dir;
    const std::string gone = dir / "gone";
    std::filesystem::create_directory(gone);
    std::filesystem::current_path(gone);
    std::filesystem::remove(gone);
    HeadlessSurface surface;
    CCalcDlg dlg(surface);
    dlg.OnInitDialog();
    surface.SetChecked(IDC_WRITE, true);
    dlg.OnRun();
    EXPECT_EQ(surface.GetText(IDC_REPORT_FILE), "corvanetest.txt");
    std::filesystem::current_path(start);
  }
  if (!rootHadOne) {
    EXPECT_FALSE(std::filesystem::exists("/corvanetest.txt"));
  }
#endif
}

}  // namespace
}  // namespace corvane
