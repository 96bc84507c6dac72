// The accuracy tables of the manual and the data of its plots: every
// reference state run through the calculator for each equation, compared
// with GERG-2008.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "validation/program_runs.h"
#include "validation/reference_states.h"

namespace corvane::validation {

// One reference state and the program's runs of it.
struct StateOutcome {
  ReferenceState state;
  ProgramRun bwrs;     // false position, CP, JT and viscosity ticked
  ProgramRun bwrsLow;  // false position at 14.7 psia: the base of the enthalpy difference
  ProgramRun pr;       // Newton
  ProgramRun rks;      // Newton
  ProgramRun bwrsJc, prJc, rksJc;  // Johnson-Culver, compared with the runs above
};

std::vector<StateOutcome> RunStates(const std::vector<ReferenceState>& states);

// The signed deviation of one quantity at one state, in percent of the
// reference value; `applies` is false where the quantity is not defined
// (the enthalpy difference at 14.7 psia), and `percent` empty where the
// program gave no value (`why` then says what it showed).
struct Deviation {
  bool applies = true;
  std::optional<double> percent;
  std::string why;
};

struct Measure {
  std::string label;  // "BWRS Z"
  std::function<Deviation(const StateOutcome&)> deviation;
};

// BWRS Z, density, Cp, JT, enthalpy difference; PR Z, density; RKS Z, density.
const std::vector<Measure>& Measures();
// Viscosity against the rough correlation of the reference file.
const Measure& ViscosityMeasure();

// The HTML of the tables, as the manual carries them between its markers.
std::string AccuracyTablesHtml(const std::vector<StateOutcome>& outcomes);

// One line per measure: "BWRS Z: median 0.05 %, max 1.23 % (330 states)".
std::string HeadlineText(const std::vector<StateOutcome>& outcomes);

// Plot data of one gas: pressure, then the signed deviation (%) at each
// temperature of that gas, "NaN" where there is none; a header line names
// the columns. `measure` is one of Measures().
std::string PlotData(const std::vector<StateOutcome>& outcomes, const std::string& gas, const Measure& measure);

}  // namespace corvane::validation
