// The Compare view: its equations' columns show what a Run with that
// equation and method shows, it changes nothing of the dialog, a state a Run
// refuses opens nothing, the messages of its runs go into their notes, and
// its chart and copy text carry the same values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "cli/script_runner.h"
#include "dialog_fixture.h"
#include "res/dialogs.h"
#include "temp_dir.h"
#include "views/compare_text.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

// The Run's Joule-Thomson text with its sign changed, as the view shows it.
std::string Negated(const std::string& shown) {
  if (shown == "0.0000") return shown;
  return shown.front() == '-' ? shown.substr(1) : "-" + shown;
}

class CompareView_ : public DialogTest {
 protected:
  const CompareView& Compare() {
    surface.lastCompare.reset();
    dlg.OnCommand(res::ID_COMPARE);
    EXPECT_TRUE(surface.lastCompare.has_value());
    return *surface.lastCompare;
  }
  static const std::string& Cell(const CompareView& view, int row, CompareColumn column) {
    return view.rows[static_cast<std::size_t>(row)].values[static_cast<std::size_t>(column)];
  }
};

// Every golden sample's script, with `compare` before each `run` and `show`
// after it: wherever the run's equation and method are one of the view's
// columns, that column shows the run's values. The run happens on the
// script's own dialog, with whatever it did before; the view's on a fresh one.
TEST(CompareViewOfGoldenStates, EachEquationColumnShowsWhatTheRunShows) {
  const fs::path golden = fs::path(CORVANE_SOURCE_DIR) / "tests" / "golden" / "data";
  if (!fs::exists(golden)) GTEST_SKIP() << "no golden samples at " << golden;
  const std::map<std::string, int> rowOfShownLabel = {
      {"Compressibility: ", 0}, {"Molar Density: ", 1}, {"Specific volume: ", 2}, {"Molecular Weight: ", 3},
      {"Specific Heat: ", 5},   {"Joule-Thomson: ", 6}};
  const std::map<std::string, std::string> columnOfChoice = {
      {"bwrs fp", "BWRS, FP"}, {"pr newton", "PR, Newton"}, {"rks newton", "RKS, Newton"}};
  int compared = 0;
  for (const auto& entry : fs::directory_iterator(golden)) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream script;
    script << in.rdbuf();
    std::string augmented;
    for (const std::string& line : SplitLines(script.str())) {
      const bool run = line.find_first_not_of(" \t") != std::string::npos &&
                       line.substr(line.find_first_not_of(" \t"), 3) == "run";
      if (run) augmented += "compare\n";
      augmented += line + "\n";
      if (run) augmented += "show\n";
    }
    TempDir dir;
    const fs::path setup = fs::path(entry.path()).replace_extension(".setup");
    if (fs::exists(setup)) fs::copy_file(setup, dir / "setup.dat");
    const fs::path here = fs::current_path();
    fs::current_path(fs::path(dir / "setup.dat").parent_path());
    std::ostringstream out, err;
    RunScript(augmented, out, err);
    fs::current_path(here);

    // Walk the output: a compare table, then the run's messages and show.
    const std::vector<std::string> lines = SplitLines(out.str());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].rfind("\tBWRS, FP\t", 0) != 0) continue;
      const std::vector<std::string> headings = SplitTabs(lines[i]);
      std::vector<std::vector<std::string>> rows;
      for (std::size_t r = 1; r <= static_cast<std::size_t>(res::kCompareRowCount); ++r) rows.push_back(SplitTabs(lines[i + r]));
      std::size_t s = i + 1;
      while (s < lines.size() && lines[s].rfind("pressure: ", 0) != 0) ++s;
      if (s + 5 >= lines.size()) break;
      const std::string choice = lines[s + 2].substr(5) + " " + lines[s + 3].substr(8);
      const std::string ticked = lines[s + 4];
      const auto column = columnOfChoice.find(choice);
      if (column == columnOfChoice.end()) continue;
      const std::size_t c =
          static_cast<std::size_t>(std::find(headings.begin(), headings.end(), column->second) - headings.begin());
      // A run stopped before its results (a refused mixture) leaves the
      // previous run's on the script's dialog; a fresh one shows none.
      if (rows[0][c].empty()) continue;
      const bool cpAndJt = ticked.find(" cp") != std::string::npos && ticked.find(" jt") != std::string::npos;
      const bool bwrs = choice == "bwrs fp";
      for (std::size_t k = s + 5; k < lines.size() && k < s + 16; ++k) {
        for (const auto& [label, row] : rowOfShownLabel) {
          if (lines[k].rfind(label, 0) != 0) continue;
          if ((row == 5 || row == 6) && bwrs && !cpAndJt) continue;
          std::string shown = lines[k].substr(label.size());
          if (row == 6 && bwrs) shown = Negated(shown);
          EXPECT_EQ(rows[static_cast<std::size_t>(row)][c], shown)
              << entry.path().filename() << " " << choice << " " << label;
          ++compared;
        }
      }
    }
  }
  EXPECT_GT(compared, 100);
}

TEST_F(CompareView_, ChangesNothingOfTheDialogAndWritesNoReport) {
  TempDir dir;
  Type(res::IDC_REPORT_FILE, dir / "report.txt");
  surface.SetChecked(res::IDC_WRITE, true);
  dlg.OnRun();
  ASSERT_TRUE(fs::exists(dir / "report.txt"));
  const auto reportSize = fs::file_size(dir / "report.txt");
  const RunResults results = dlg.results;
  const double enthalpyReference = dlg.enthalpyReference;
  const MixtureCoefficients mixture = dlg.mixture;
  std::map<int, std::string> texts;
  for (const res::ControlResource& control : res::CalculatorDialog().controls)
    if (control.id != res::IDC_STATIC) texts[control.id] = Text(control.id);
  // Another state typed but not run: the view takes it, the dialog keeps its run.
  Type(res::IDC_PRESSURE, "2000");
  texts[res::IDC_PRESSURE] = "2000";
  const CompareView& view = Compare();
  EXPECT_EQ(view.zChart.marks.at(0).label, "2000.0 psia");
  EXPECT_EQ(fs::file_size(dir / "report.txt"), reportSize);
  EXPECT_EQ(std::memcmp(&dlg.results, &results, sizeof results), 0);
  EXPECT_EQ(dlg.enthalpyReference, enthalpyReference);
  EXPECT_EQ(std::memcmp(&dlg.mixture, &mixture, sizeof mixture), 0);
  for (const auto& [id, text] : texts) EXPECT_EQ(Text(id), text) << id;
  EXPECT_TRUE(surface.messages.empty());
}

TEST_F(CompareView_, AStateARunRefusesOpensNothingAndSaysWhy) {
  for (auto [pressure, composition, message] :
       {std::tuple{"10", "0.96000", res::kPressureOutOfRange.text}, {"1000", "0.5", res::kCompositionSumNotOne.text}}) {
    Type(res::IDC_PRESSURE, pressure);
    Type(res::IDC_METHANE, composition);
    surface.messages.clear();
    surface.lastCompare.reset();
    dlg.OnCommand(res::ID_COMPARE);
    EXPECT_FALSE(surface.lastCompare.has_value());
    ASSERT_EQ(surface.messages.size(), 1u);
    EXPECT_EQ(surface.messages[0].text, message);
    // Nothing of the refused inputs was taken into the dialog's members.
    EXPECT_EQ(dlg.entryPressure, 1000.0);
  }
}

TEST_F(CompareView_, MessagesOfItsRunsGoIntoTheNotesAndTheirPointsAreGaps) {
  // Carbon dioxide at -100 F and 1000 psia: BWRS false position finds no root.
  SetComposition({{res::IDC_CO2, "1.0"}});
  SetState("-100", "1000");
  const CompareView& view = Compare();
  EXPECT_TRUE(surface.messages.empty());
  EXPECT_NE(Cell(view, 9, CompareColumn::Bwrs).find(res::kNoFalsePositionRoot.text), std::string::npos);
  const ChartSeries& bwrs = view.zChart.series.at(0);
  ASSERT_EQ(bwrs.name, "BWRS");
  for (const auto& run : bwrs.runs)
    for (const ChartPoint& p : run) EXPECT_NE(p.x, 1000.0);
}

TEST_F(CompareView_, ChartAndCopyTextCarryTheTableValues) {
  const CompareView& view = Compare();
  ASSERT_EQ(view.zChart.series.size(), 3u + 1u);
  // At the entered pressure each equation's line passes through its Z.
  for (std::size_t c = 0; c < 3; ++c) {
    bool found = false;
    for (const auto& run : view.zChart.series[c].runs)
      for (const ChartPoint& p : run)
        if (p.x == 1000.0) {
          found = true;
          EXPECT_EQ(FormatFixed(p.y, 5), view.rows[0].values[c]) << view.zChart.series[c].name;
        }
    EXPECT_TRUE(found);
  }
  const std::vector<std::string> copy = SplitLines(CompareTableText(view));
  ASSERT_EQ(copy.size(), 1u + static_cast<std::size_t>(res::kCompareRowCount));
  for (std::size_t r = 0; r < view.rows.size(); ++r) {
    const std::vector<std::string> fields = SplitTabs(copy[r + 1]);
    ASSERT_EQ(fields.size(), 6u);
    EXPECT_EQ(fields[0], view.rows[r].label);
    EXPECT_EQ(fields[1], view.rows[r].values[0]);
    EXPECT_EQ(fields[5], view.rows[r].unit);
  }
}

TEST_F(CompareView_, TheReferenceColumnSaysWhereTheGasIsNotAGasAndWhatItTakesAsItself) {
  // A tenth hydrogen: the three equations count it as nitrogen (17.23),
  // the reference as itself (14.6).
  SetComposition({{res::IDC_METHANE, "0.9"}, {res::IDC_HYDROGEN, "0.1"}});
  const CompareView& hydrogen = Compare();
  EXPECT_EQ(Cell(hydrogen, 3, CompareColumn::Bwrs), "17.23");
  EXPECT_EQ(Cell(hydrogen, 3, CompareColumn::Gerg2008).substr(0, 4), "14.6");
  bool said = false;
  for (const std::string& line : hydrogen.lines) said = said || line.find("hydrogen, helium and oxygen as nitrogen") != std::string::npos;
  EXPECT_TRUE(said);
  // The deviation is the equation's Z against the reference's.
  const double z = ParseNumber(Cell(hydrogen, 0, CompareColumn::PengRobinson));
  const double zg = ParseNumber(Cell(hydrogen, 0, CompareColumn::Gerg2008));
  EXPECT_NEAR(ParseNumber(Cell(hydrogen, 4, CompareColumn::PengRobinson)), 100 * (z - zg) / zg, 0.01);
  EXPECT_EQ(Cell(hydrogen, 9, CompareColumn::Gerg2008), "Gas-like root");

  // The rich gas at -100 F and 1500 psia has a dense root only: above its
  // cricondenbar, a single liquid-like phase.
  SetComposition({{res::IDC_METHANE, "0.80"}, {res::IDC_ETHANE, "0.10"}, {res::IDC_PROPANE, "0.05"},
                  {res::IDC_ISOBUTANE, "0.01"}, {res::IDC_NBUTANE, "0.01"}, {res::IDC_CO2, "0.015"},
                  {res::IDC_NITROGEN, "0.015"}});
  SetState("-100", "1500");
  const CompareView& dense = Compare();
  EXPECT_EQ(Cell(dense, 9, CompareColumn::Gerg2008), "Dense (liquid-like) root");
  ASSERT_FALSE(dense.lines.empty());
  EXPECT_EQ(dense.lines[0], "Liquid-like");
  EXPECT_EQ(dense.lines[1].rfind("Dew point at 1500.0 psia: none (above the cricondenbar)", 0), 0u) << dense.lines[1];
  EXPECT_EQ(dense.lines[2].rfind("Cricondentherm ", 0), 0u) << dense.lines[2];
  // Below its dew point at 1000 psia it splits, most of it vapour.
  SetState("15", "1000");
  const CompareView& split = Compare();
  EXPECT_EQ(split.lines[0].rfind("Two-phase: vapour fraction 0.9", 0), 0u) << split.lines[0];
  EXPECT_EQ(split.lines[1].rfind("Dew point at 1000.0 psia: 19.22 F", 0), 0u) << split.lines[1];
  // Methane at the start-up state is a gas, its curve the vapour pressure.
  SetComposition({{res::IDC_METHANE, "1"}});
  SetState("80", "1000");
  const CompareView& gas = Compare();
  EXPECT_EQ(gas.lines[0], "Single-phase gas (GERG-2008)");
  EXPECT_LE(gas.lines.size(), static_cast<std::size_t>(res::kCompareLineCount));
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

// A window shows the view at once and completes it after: before, the phase
// check's line is pending and there is no envelope; completing fills both,
// once, and what a window then shows is the headless view.
TEST_F(CompareView_, ThePhaseCheckComesWhenTheShownViewIsCompleted) {
  // A face that keeps the view as it arrives (the headless surface completes it).
  struct Keeping final : HeadlessSurface {
    std::optional<CompareView> arrived;
    void ShowCompare(const CompareView& view) override { arrived = view; }
  } face;
  CCalcDlg window(face);
  window.OnInitDialog();
  window.OnCommand(res::ID_COMPARE);
  ASSERT_TRUE(face.arrived.has_value());
  CompareView& view = *face.arrived;
  ASSERT_TRUE(static_cast<bool>(view.complete));
  EXPECT_EQ(view.lines.front(), kPhaseCheckPending);
  EXPECT_FALSE(view.envelopeChart.has_value());
  CompleteView(view);
  EXPECT_FALSE(static_cast<bool>(view.complete));
  EXPECT_TRUE(view.envelopeChart.has_value());
  CompleteView(view);  // once only: nothing changes

  const CompareView& headless = Compare();
  EXPECT_FALSE(static_cast<bool>(headless.complete));
  EXPECT_EQ(view.lines, headless.lines);
  EXPECT_EQ(view.lines.front().rfind("Single-phase gas (GERG-2008)", 0), 0u);
}

}  // namespace
}  // namespace corvane
