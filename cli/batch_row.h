// One batch row: its fields checked and typed into a fresh calculator, run,
// and written back as the output row (the input fields as read, then the
// results, GERG-2008's columns when asked for, the method note, the
// messages and the row's status).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/fresh_calculator.h"
#include "app/phase_check.h"
#include "cli/csv_reader.h"
#include "cli/csv_text.h"
#include "cli/units.h"
#include "gerg/reference.h"

namespace corvane {

// Pressure .. Box type into the dialog; a column of the user's own is
// carried through to the output as it stands.
enum class ColumnKind { Pressure, Temperature, Equation, Method, Gas, Box, Own };

struct BatchColumn {
  ColumnKind kind;
  int id = 0;  // the edit or check box the column types into
  std::string name;
};

// What the command line decides for every row.
struct BatchOptions {
  UnitSystem units = UnitSystem::Us;
  TypedInputs flags;               // equation, method and boxes for every row
  std::optional<TypedInputs> gas;  // the --gas composition, when given
  bool strict = false;             // refuse columns of the user's own
  bool reference = false;          // GERG-2008's columns
  bool phase = false;              // the phase check's columns
  char delimiter = 0;              // 0: the header's separator decides
  bool decimalComma = false;       // numbers written with a decimal comma
};

// What the header and the options decide for every row.
struct BatchPlan {
  std::vector<std::string> header;      // the header's fields as read
  std::vector<BatchColumn> columns;
  std::vector<std::string> ownColumns;  // carried through, as named
  UnitSystem units = UnitSystem::Us;
  CellFormat format;
  bool reference = false;
  bool phase = false;
  TypedInputs common;  // typed before each row's own inputs
};

// The names a header may use, for messages and --help.
std::string ColumnNamesList();

// What a row came to, as its status cell says it.
enum class RowStatus { Ok, Refused, Failed, Malformed };
std::string_view RowStatusText(RowStatus status);

// Builds the plan from the header record, read with `delimiter`. Returns an
// error text when the header cannot be used.
std::optional<std::string> MakeBatchPlan(const CsvRecord& header, char delimiter, const BatchOptions& options,
                                         BatchPlan& plan);

// The output header line, with its line end.
std::string OutputHeader(const BatchPlan& plan);

class BatchRowWorker {
 public:
  explicit BatchRowWorker(const BatchPlan& plan) : plan_(plan), calculator_(plan.common) {}

  // Appends the output row of `record` to `out`; what the row came to.
  RowStatus Process(const CsvRecord& record, std::string& out);

 private:
  // The row's inputs into inputs_; an error text naming the line and column.
  std::optional<std::string> ReadRow(const CsvRecord& record);
  void AppendResults(RowStatus status, std::string& out);

  const BatchPlan& plan_;
  FreshCalculator calculator_;
  gerg::ReferenceCalculator reference_;
  PhaseChecker phase_;
  TypedInputs inputs_;
};

// The text typed into the pressure or temperature edit for `field` (a
// decimal number in the plan's units). A value whose conversion overflows
// is typed as a number too large for a double, which the dialog reads as
// the infinity it is and refuses as out of range.
std::string StateText(ColumnKind kind, std::string_view field, UnitSystem units);

}  // namespace corvane
