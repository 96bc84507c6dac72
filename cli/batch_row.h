// One batch row: its fields checked and typed into a fresh calculator, run,
// and written back as the output row (the input fields as read, then the
// results, the method note and the messages).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/csv_reader.h"
#include "app/fresh_calculator.h"
#include "cli/units.h"

namespace corvane {

enum class ColumnKind { Pressure, Temperature, Equation, Method, Gas, Box };

struct BatchColumn {
  ColumnKind kind;
  int id = 0;  // the edit or check box the column types into
  std::string name;
};

// What the header and the flags decide for every row.
struct BatchPlan {
  std::vector<std::string> header;  // the header's fields as read
  std::vector<BatchColumn> columns;
  UnitSystem units = UnitSystem::Us;
  TypedInputs common;  // typed before each row's own inputs
};

// The names a header may use, for messages and --help.
std::string ColumnNamesList();

// Builds the plan from the header record, `flags` (equation, method and
// boxes from the command line) and the --gas composition, if any. Returns
// an error text when the header cannot be used.
std::optional<std::string> MakeBatchPlan(const CsvRecord& header, const TypedInputs& flags,
                                         const std::optional<TypedInputs>& gas, UnitSystem units, BatchPlan& plan);

// The output header line, with its line end.
std::string OutputHeader(const BatchPlan& plan);

class BatchRowWorker {
 public:
  explicit BatchRowWorker(const BatchPlan& plan) : plan_(plan), calculator_(plan.common) {}

  // Appends the output row of `record` to `out`; false when the row was malformed.
  bool Process(const CsvRecord& record, std::string& out);

 private:
  // The row's inputs into inputs_; an error text naming the line and column.
  std::optional<std::string> ReadRow(const CsvRecord& record);
  void AppendResults(std::string& out);

  const BatchPlan& plan_;
  FreshCalculator calculator_;
  TypedInputs inputs_;
};

// The text typed into the pressure or temperature edit for `field` (a
// decimal number in the plan's units).
std::string StateText(ColumnKind kind, std::string_view field, UnitSystem units);

}  // namespace corvane
