// GERG-2008 beside a run of corvane-cli: the batch's reference columns and
// the lines a run from flags prints after the window's. The values are the
// reference calculator's, already in the unit system's units; the
// Joule-Thomson coefficient is on the dialog's sign (negative when the gas
// cools on expansion), as the batch's own joule_thomson column.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "cli/csv_text.h"
#include "cli/units.h"
#include "gerg/reference.h"

namespace corvane {

// The header's reference columns, each with its separator after it.
void AppendReferenceHeader(std::string& out, UnitSystem units, char delimiter);
// "gerg_z, gerg_density_lbmol_ft3 (si: gerg_density_kmol_m3), ...", for --help.
std::string ReferenceColumnNamesList();
// Every name the reference columns have, in either unit system.
bool IsReferenceColumnName(std::string_view name);

// The reference cells of a row: GERG-2008's values where it has a root,
// z_deviation_percent where the row's own equation stored a Z (`runZ` > 0),
// gerg_status (empty for a gas-like root). Each cell with its separator
// after it.
void AppendReferenceCells(std::string& out, const gerg::ReferenceResult& result, double runZ, UnitSystem units,
                          const CellFormat& format);
// As many empty cells as the reference has columns.
void AppendEmptyReferenceCells(std::string& out, char delimiter);

// "GERG-2008 Z: 0.91", one line a value with its unit, then the deviation
// and the status where there are.
void PrintReferenceLines(std::ostream& out, const gerg::ReferenceResult& result, double runZ, UnitSystem units);

}  // namespace corvane
