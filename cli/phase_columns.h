// The batch's phase columns (--phase), after GERG-2008's and before the
// note: phase, vapour_fraction, the dew point temperature at the row's
// pressure, the cricondentherm and the cricondenbar, and phase_status,
// which never makes a row fail. Temperatures in F, pressures in psia; with
// --units si in K and kPa.
#pragma once

#include <string>

#include "app/phase_check.h"
#include "cli/csv_text.h"
#include "cli/units.h"

namespace corvane {

void AppendPhaseHeader(std::string& out, UnitSystem units, char delimiter);
bool IsPhaseColumnName(std::string_view name);
void AppendPhaseCells(std::string& out, const PhaseCheck& check, UnitSystem units, const CellFormat& format);
void AppendEmptyPhaseCells(std::string& out, char delimiter);

}  // namespace corvane
