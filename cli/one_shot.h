// One state from flags: the start-up state, the flags typed in as a user
// would, one run; printed as the window shows it, or as one batch row.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "app/fresh_calculator.h"
#include "cli/units.h"

namespace corvane {

struct StateFlags {
  std::optional<std::string> pressure;
  std::optional<std::string> temperature;
  std::optional<std::string> eos;
  std::optional<std::string> method;
  std::optional<std::string> gas;
  std::optional<std::string> report;
  bool noCp = false;
  bool noJt = false;
  bool noViscosity = false;
  bool noPolytropic = false;
  bool append = false;
  bool reference = false;  // GERG-2008's values after the run's
  UnitSystem units = UnitSystem::Us;
};

// "methane=0.9,ethane=0.1" as the texts of all fifteen gas edits (unnamed
// gases "0"), or an error text.
std::optional<std::string> ParseGasList(std::string_view list, TypedInputs& gas);

// The equation, method and boxes the flags choose, as checks.
TypedInputs FlagChecks(const StateFlags& flags);

// Runs the state and prints the message lines and the lines from "note:" to
// "Joule-Thomson:" (or, with `csv`, the batch's header and row). Returns the
// exit status; a flag that cannot be used prints one line to `err`, status 2.
int RunOneShot(const StateFlags& flags, bool csv, std::ostream& out, std::ostream& err);

}  // namespace corvane
