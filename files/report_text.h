// The report record as text: the header line, the composition block and the
// results block of one run. Every line ends in "\r\n" on every platform, so
// the stored bytes are the same wherever the report is written.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/run.h"

namespace corvane {

// What the results block prints, copied from the dialog's state of the run.
struct ReportResultValues {
  EosChoice eosChoice{};
  double entryPressure = 0;        // psia, as entered
  double entryTemperatureF = 0;    // F, as entered
  RunResults results;
  double enthalpyReference = 0;    // BTU/lbm
  std::int32_t viscosityRequested = 0;
  std::int32_t cpRequested = 0;
  std::int32_t jtRequested = 0;
};

// Block 1 and 2: "BWRS False Position", an empty line, then the fifteen
// entered fractions ("%.5f", a tab, the gas's report name) and an empty line.
std::string ReportHeaderAndComposition(EosChoice eosChoice, SolveMethod solveMethod,
                                       const std::array<double, 15>& entryFractions);

// Block 3: the state and result lines, a message line where a value is
// missing or does not apply, and an empty line.
std::string ReportResultsBlock(const ReportResultValues& values);

}  // namespace corvane
