// Runs a reference state through the calculator exactly as a user would:
// a fresh dialog on the headless surface, the state and composition typed
// into its edits, the equation and method chosen, then Run. The values are
// the run's own results.
#pragma once

#include <optional>
#include <string>

#include "validation/reference_states.h"

namespace corvane::validation {


struct ProgramRun {
  // Empty when the run found a density; otherwise what went wrong, as the
  // user saw it (a message or the method note).
  std::string failure;
  double z = 0;
  double density = 0;     // lb-mole/ft3
  double enthalpy = 0;    // BTU/lbm, BWRS only
  double cp = 0;          // BTU/(lbm R), BWRS with CP ticked; 0 when none was found
  double jouleThomson = 0;  // R/psi as the program signs it; 0 when none was found
  double viscosity = 0;   // centipoise; 0 when "No solution"
  std::string note;       // the method note
  std::string messages;   // the message boxes the run showed, joined by "; "
  bool ok() const { return failure.empty(); }
};

// `equationButton` and `methodButton` are the radio buttons to check
// (res::IDC_BWRS, res::IDC_FP, ...). `caloric` ticks CP and JT (BWRS only);
// Viscosity is always ticked, Polytropic N never. `pressureText` replaces
// the state's pressure when given.
ProgramRun RunProgram(const ReferenceState& state, int equationButton, int methodButton, bool caloric,
                      const std::optional<std::string>& pressureText = std::nullopt);

}  // namespace corvane::validation
