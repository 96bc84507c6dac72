// Many states from CSV: rows read as a stream, run on N workers, each with
// its own calculator, and written in input order, byte-identical for any N.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cli/csv_reader.h"
#include "app/fresh_calculator.h"
#include "cli/units.h"

namespace corvane {

struct BatchSettings {
  UnitSystem units = UnitSystem::Us;
  unsigned jobs = 1;
  TypedInputs flags;               // equation, method and boxes for every row
  std::optional<TypedInputs> gas;  // the --gas composition, when given
};

struct BatchStreams {
  CsvReader::ReadFunction read;
  // Writes bytes of output; false when they could not be written.
  std::function<bool(std::string_view)> write;
  // Rows written so far and input bytes read, for a progress bar.
  std::function<void(long long rows, long long bytesRead)> progress;
};

// Largest record kept, and most fields: any longer row is malformed.
constexpr std::size_t kMaxRowBytes = std::size_t{1} << 20;
constexpr std::size_t kMaxRowFields = 64;

// Runs the batch. Returns 0, 1 when a row was malformed, or 2 with `error`
// set when the header is unusable or reading or writing failed.
int RunBatch(const BatchSettings& settings, BatchStreams& streams, std::string& error);

}  // namespace corvane
