// Writing the report through the dialog: which record replaces the file and
// which extends it, and names that open nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "dialog_fixture.h"
#include "res/resource.h"
#include "temp_dir.h"

namespace corvane {
namespace {

class ReportFile : public DialogTest {
 protected:
  ReportFile() {
    // A stand-in for a completed BWRS run by false position.
    dlg.eosChoice = kEosBwrs;
    dlg.solveMethod = kMethodFalsePosition;
    dlg.entryPressure = 1000.0;
    dlg.entryTemperatureF = 80.0;
    Type(res::IDC_REPORT_FILE, report);
  }
  void WriteRecord() {
    dlg.WriteReportRecord();
  }
  static std::size_t Records(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t at = text.find("BWRS False Position\r\n"); at != std::string::npos;
         at = text.find("BWRS False Position\r\n", at + 1))
      ++count;
    return count;
  }
  TempDir dir;
  std::string report = dir / "report.txt";
};

TEST_F(ReportFile, FirstRecordReplacesTheFileLaterOnesAreAppended) {
  // Longer than a record: the new record must not leave its tail behind.
  WriteBytes(report, std::string(4000, '#'));
  WriteRecord();
  const std::string one = ReadBytes(report);
  EXPECT_EQ(one.rfind("BWRS False Position\r\n\r\n0.96000\tmethane\r\n", 0), 0u);
  EXPECT_EQ(one.find('#'), std::string::npos);
  EXPECT_EQ(dlg.reportFileIsNew, 0);
  WriteRecord();
  EXPECT_EQ(ReadBytes(report), one + one);
}

TEST_F(ReportFile, EditingTheNameCreatesTheNewFileAfresh) {
  WriteRecord();
  const std::string second = dir / "second.txt";
  WriteBytes(second, "old");
  Type(res::IDC_REPORT_FILE, second);
  EXPECT_EQ(dlg.reportFileIsNew, 1);
  WriteRecord();
  WriteRecord();
  EXPECT_EQ(Records(ReadBytes(second)), 2u);
  EXPECT_EQ(ReadBytes(second).find("old"), std::string::npos);
  EXPECT_EQ(Records(ReadBytes(report)), 1u);
}

TEST_F(ReportFile, AppendNeverCreatesAndLeavesTheFileNew) {
  surface.SetChecked(res::IDC_APPEND, true);
  WriteRecord();
  EXPECT_FALSE(std::filesystem::exists(report));
  WriteBytes(report, "kept\r\n");
  WriteRecord();
  EXPECT_EQ(ReadBytes(report).rfind("kept\r\nBWRS False Position\r\n", 0), 0u);
  EXPECT_EQ(dlg.reportFileIsNew, 1);
  // Unticked again, the next record still replaces the file.
  surface.SetChecked(res::IDC_APPEND, false);
  WriteRecord();
  EXPECT_EQ(ReadBytes(report).rfind("BWRS False Position\r\n", 0), 0u);
  EXPECT_EQ(Records(ReadBytes(report)), 1u);
}

TEST_F(ReportFile, ResultsAreNotWrittenWhereTheHeaderCouldNotBe) {
  // Both halves open the file themselves: a missing file stays missing.
  dlg.reportFileIsNew = 0;
  WriteRecord();
  EXPECT_FALSE(std::filesystem::exists(report));
}

TEST_F(ReportFile, NamesThatNameNoFileWriteNothing) {
  const std::string withNul = report + std::string(1, '\0') + ".txt";
  for (const std::string& name : {std::string(), dir / "", dir / "missing/report.txt", withNul}) {
    Type(res::IDC_REPORT_FILE, name);
    WriteRecord();
    EXPECT_EQ(dlg.reportFileIsNew, 1) << name;
  }
  EXPECT_FALSE(std::filesystem::exists(report));
  EXPECT_TRUE(std::filesystem::is_empty(dir / ""));
  EXPECT_TRUE(surface.messages.empty());
}

}  // namespace
}  // namespace corvane
