// The Compare command: the entered state by BWRS, PR, RKS and GERG-2008 side
// by side, with Z against pressure for each. Every run is made on a fresh
// calculator with what the user typed, so this dialog's results, controls,
// report and note stay as they are.
#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/calc_dlg.h"
#include "app/compare_columns.h"
#include "app/fresh_calculator.h"
#include "app/phase_lines.h"
#include "gerg/reference.h"
#include "model/gases.h"
#include "res/dialogs.h"
#include "text/number_text.h"
#include "views/chart.h"

namespace corvane {

namespace {

// The rows of the table, as the resource table has them.
enum CompareRowIndex : int {
  kRowZ,
  kRowMolarDensity,
  kRowSpecificVolume,
  kRowMolecularWeight,
  kRowZDeviation,
  kRowSpecificHeat,
  kRowJouleThomson,
  kRowSpeedOfSound,
  kRowIsentropicExponent,
  kRowNote,
};
static_assert(kRowNote + 1 == res::kCompareRowCount);

std::string ResourceText(int id) {
  const res::ControlResource* control = res::FindControl(res::CompareDialog(), id);
  return control != nullptr ? std::string(control->text) : std::string();
}

// Z against pressure is drawn from the lowest to the highest pressure a Run
// accepts, at these pressures (psia).
std::vector<double> ChartPressures() {
  std::vector<double> pressures{14.7};
  for (int p = 50; p <= 3000; p += 50) pressures.push_back(p);
  return pressures;
}

constexpr ChartColour kEnteredStateColour{120, 120, 120};

// GERG-2008's note: which root its values are of, or why it has none.
std::string ReferenceNote(const gerg::ReferenceResult& result) {
  switch (result.status) {
    case gerg::ReferenceStatus::kGasLike: return "Gas-like root";
    case gerg::ReferenceStatus::kDense: return "Dense (liquid-like) root";
    default: return result.StatusText();
  }
}

}  // namespace

void CCalcDlg::OnCompare() {
  TypedInputs window;
  window.texts.emplace_back(res::IDC_PRESSURE, surface_.GetText(res::IDC_PRESSURE));
  window.texts.emplace_back(res::IDC_TEMPERATURE, surface_.GetText(res::IDC_TEMPERATURE));
  for (int edit : res::kGasEdits) window.texts.emplace_back(edit, surface_.GetText(edit));
  for (int box : {res::IDC_VISCOSITY_BOX, res::IDC_POLYTROPIC_BOX}) window.checks.emplace_back(box, surface_.IsChecked(box));

  FreshCalculator calculator(TypedInputs{});
  // A state a Run would refuse opens nothing: its message, as the Run shows it.
  if (!calculator.Accepts(window)) {
    for (const ShownMessage& message : calculator.surface().messages)
      surface_.ShowMessage(message.text, message.caption, message.icon);
    return;
  }
  const CCalcDlg& accepted = calculator.dialog();
  const double temperatureF = accepted.entryTemperatureF;
  const double pressure = accepted.entryPressure;

  CompareView view;
  for (std::size_t c = 0; c < kCompareColumnCount; ++c)
    view.headings[c] = ResourceText(res::IDC_COMPARE_HEADING_FIRST + static_cast<int>(c));
  view.rows.resize(res::kCompareRowCount);
  for (int r = 0; r < res::kCompareRowCount; ++r) {
    view.rows[static_cast<std::size_t>(r)].label = ResourceText(res::IDC_COMPARE_LABEL_FIRST + r);
    view.rows[static_cast<std::size_t>(r)].unit = ResourceText(res::IDC_COMPARE_UNIT_FIRST + r);
  }
  auto cell = [&](int row, CompareColumn column) -> std::string& {
    return view.rows[static_cast<std::size_t>(row)].values[static_cast<std::size_t>(column)];
  };

  // GERG-2008 takes every gas as itself, the fractions normalised.
  gerg::ReferenceCalculator reference;
  const std::array<double, kGasCount>& fractions = accepted.entryFractions;
  const gerg::ReferenceRoots roots = reference.CalculateRoots(fractions, pressure, temperatureF);
  const gerg::ReferenceResult& gerg2008 = roots.primary;
  if (gerg2008.HasValues()) {
    const gerg::ReferenceValues& us = gerg2008.us;
    cell(kRowZ, CompareColumn::Gerg2008) = FormatFixed(us.z, 5);
    cell(kRowMolarDensity, CompareColumn::Gerg2008) = FormatFixed(us.density, 5);
    cell(kRowSpecificVolume, CompareColumn::Gerg2008) = FormatFixed(us.specificVolume, 5);
    cell(kRowMolecularWeight, CompareColumn::Gerg2008) = FormatFixed(us.molecularWeight, 2);
    cell(kRowSpecificHeat, CompareColumn::Gerg2008) = FormatFixed(us.cp, 4);
    // The reference's values are on the dialog's sign; this row is on the textbook one.
    cell(kRowJouleThomson, CompareColumn::Gerg2008) = FormatFixed(-us.jouleThomson == 0 ? 0.0 : -us.jouleThomson, 4);
    cell(kRowSpeedOfSound, CompareColumn::Gerg2008) = FormatFixed(us.speedOfSound, 1);
    cell(kRowIsentropicExponent, CompareColumn::Gerg2008) = FormatFixed(us.isentropicExponent, 4);
  }
  cell(kRowNote, CompareColumn::Gerg2008) = ReferenceNote(gerg2008);

  bool bwrsPassNamed = false;
  for (const EquationColumn& column : kEquationColumns) {
    const EquationRun run = RunEquation(calculator, window, column);
    cell(kRowZ, column.column) = run.compressibility;
    cell(kRowMolarDensity, column.column) = run.molarDensity;
    cell(kRowSpecificVolume, column.column) = run.specificVolume;
    cell(kRowMolecularWeight, column.column) = run.molecularWeight;
    cell(kRowSpecificHeat, column.column) = run.specificHeat;
    cell(kRowJouleThomson, column.column) = run.jouleThomson;
    cell(kRowNote, column.column) = run.note;
    if (run.zFactor > 0 && gerg2008.HasValues())
      cell(kRowZDeviation, column.column) = FormatFixed(gerg::ZDeviationPercent(run.zFactor, gerg2008.us.z), 2);
    if (column.column == CompareColumn::Bwrs && run.note.find(" Root iterations") != std::string::npos)
      bwrsPassNamed = true;
  }

  // The phase by GERG-2008's stability test, the dew points and the
  // envelope's extremes come when the view is completed, after it is shown.
  view.lines.push_back(kPhaseCheckPending);
  if (fractions[Index(Gas::Hydrogen)] > 0 || fractions[Index(Gas::Helium)] > 0 || fractions[Index(Gas::Oxygen)] > 0)
    view.lines.push_back("BWRS, PR and RKS compute hydrogen, helium and oxygen as nitrogen; GERG-2008 computes each as "
                         "itself.");
  if (bwrsPassNamed)
    view.lines.push_back("BWRS \"Liquid Root\" and \"Vapor Root\" name the solver's pass that settled, not the phase.");
  view.lines.push_back(
      "Joule-Thomson here is positive when the gas cools on expansion: the BWRS value is the Run's with its sign "
      "changed.");

  // Z against pressure at the entered temperature.
  const std::vector<double> pressures = ChartPressures();
  ChartContent& chart = view.zChart;
  chart.title = "Z at " + FormatFixed(temperatureF, 1) + " F";
  double lowest = 1.0, highest = 1.0;
  for (const EquationColumn& column : kEquationColumns) {
    const std::vector<std::optional<double>> z = EquationZAlongIsotherm(calculator, window, column, pressures);
    for (const std::optional<double>& value : z) {
      if (!value) continue;
      lowest = std::min(lowest, *value);
      highest = std::max(highest, *value);
    }
    chart.series.push_back({column.heading, column.colour, RunsWithGaps(pressures, z)});
  }
  std::vector<std::optional<double>> referenceZ;
  for (double p : pressures) {
    const gerg::ReferenceResult at = reference.Calculate(fractions, p, temperatureF);
    referenceZ.push_back(at.HasValues() ? std::optional<double>(at.us.z) : std::nullopt);
    if (at.HasValues()) {
      lowest = std::min(lowest, at.us.z);
      highest = std::max(highest, at.us.z);
    }
  }
  chart.series.push_back({"GERG-2008", kGergColour, RunsWithGaps(pressures, referenceZ)});
  chart.x = NiceAxis("Pressure, psia", 0, 3000, 7);
  chart.y = NiceAxis("Z", lowest, highest, 7);
  chart.marks.push_back({ChartMarkKind::VerticalLine, {pressure, 0}, FormatFixed(pressure, 1) + " psia",
                         kEnteredStateColour});

  view.complete = [fractions, pressure, temperatureF](CompareView& shown) {
    std::vector<std::string> lines = PhaseLines(fractions, pressure, temperatureF);
    shown.lines.erase(shown.lines.begin());
    shown.lines.insert(shown.lines.begin(), lines.begin(), lines.end());
    shown.envelopeChart = EnvelopeChart(fractions, pressure, temperatureF);
  };

  surface_.ShowCompare(view);
}

}  // namespace corvane
