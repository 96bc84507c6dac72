// What the Compare view shows: the three equations of state and GERG-2008
// side by side for the entered state, the lines that say how far to trust
// them, and the chart of Z against pressure. The core forms it; a window
// puts each text into the static the resource table names and paints the
// charts; corvane-cli prints it.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/chart.h"

namespace corvane {

// The table's columns, left to right.
enum class CompareColumn : std::size_t { Bwrs, PengRobinson, RedlichKwongSoave, Gerg2008 };
constexpr std::size_t kCompareColumnCount = 4;

struct CompareRow {
  std::string label;
  std::array<std::string, kCompareColumnCount> values;  // "" where the column has no value
  std::string unit;
};

struct CompareView {
  std::array<std::string, kCompareColumnCount> headings;
  std::vector<CompareRow> rows;    // the resource table's rows, in order
  std::vector<std::string> lines;  // below the table, at most kCompareLineCount
  ChartContent zChart;             // Z against pressure at the entered temperature
  // The phase envelope, when it has been computed.
  std::optional<ChartContent> envelopeChart;
  // What takes longer than the dialog may wait (the phase check and its
  // envelope, a tenth of a second for a new composition): a window shows
  // the view first, then calls this once and shows the view again; the
  // headless surface calls it before it shows anything. CompleteView calls
  // it and leaves it empty.
  std::function<void(CompareView&)> complete;
};

// Completes `view` (above), once.
inline void CompleteView(CompareView& view) {
  if (!view.complete) return;
  const std::function<void(CompareView&)> complete = std::move(view.complete);
  view.complete = nullptr;
  complete(view);
}

// The line that stands for the phase check until it is complete.
inline constexpr const char* kPhaseCheckPending = "Phase check (GERG-2008): computing...";

}  // namespace corvane
