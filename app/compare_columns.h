// The equations of state of the Compare view, each run as a Run of the
// calculator would run it: on a fresh calculator, with the inputs the user
// left in the window, the equation and method of its column, and the
// optional boxes the column asks for.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/fresh_calculator.h"
#include "model/chart.h"
#include "model/compare_view.h"

namespace corvane {

// The three equations' columns, in the table's order.
struct EquationColumn {
  CompareColumn column;
  int eosRadio;
  int methodRadio;
  const char* heading;     // the legend's name of its chart line
  ChartColour colour;      // of its chart line
};
extern const std::array<EquationColumn, 3> kEquationColumns;
// GERG-2008's chart line.
constexpr ChartColour kGergColour{0, 0, 0};

// What one equation's run showed.
struct EquationRun {
  bool shown = false;  // the run reached its results (no input or mixture refused it)
  double zFactor = 0;  // 0 when the run stored none
  std::string compressibility, molarDensity, specificVolume, molecularWeight, specificHeat;
  std::string jouleThomson;  // as the Run shows it: negative when the gas cools
  std::string note;          // the method note, then the texts of the message boxes it raised
  bool raisedMessage = false;
};

// Runs `column`'s equation on the window's inputs with CP and JT ticked
// and the report unticked (Viscosity and Polytropic N as the window has them).
EquationRun RunEquation(FreshCalculator& calculator, const TypedInputs& window, const EquationColumn& column);

// Z by `column`'s equation at each of `pressures` (psia) at the window's
// temperature and composition, no optional property ticked; nothing where
// the run stored no Z or raised a message box.
std::vector<std::optional<double>> EquationZAlongIsotherm(FreshCalculator& calculator, const TypedInputs& window,
                                                          const EquationColumn& column,
                                                          const std::vector<double>& pressures);

}  // namespace corvane
