// The Compare view as text: the table as tab-separated lines, which Ctrl+C
// copies in every window and corvane-cli prints, and the charts' series,
// which corvane-cli prints so that a script sees what the windows draw.
#pragma once

#include <string>

#include "model/chart.h"
#include "model/compare_view.h"

namespace corvane {

// A line of the column headings (an empty name first, an empty unit last),
// then a line per row: name, one value per column, unit; tabs between the
// fields, "\n" after each line.
std::string CompareTableText(const CompareView& view);

// "chart: TITLE", then per series "series: NAME: X Y, X Y, ..." with " | "
// at a gap, then per mark "mark: LABEL"; x with one decimal, y with five.
std::string ChartText(const ChartContent& chart);

}  // namespace corvane
