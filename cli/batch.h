// Many states from CSV: rows read as a stream, run on N workers, each with
// its own calculator, and written in input order, byte-identical for any N.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cli/batch_row.h"
#include "cli/csv_reader.h"

namespace corvane {

struct BatchSettings : BatchOptions {
  unsigned jobs = 1;
};

struct BatchStreams {
  CsvReader::ReadFunction read;
  // Called once the header has been read and found usable, before any
  // output: opens the output, or says why it cannot be (no output file is
  // touched for a batch that cannot run).
  std::function<std::optional<std::string>()> open;
  // A line for the user beside the output (the columns carried through).
  std::function<void(const std::string&)> notice;
  // Writes bytes of output; false when they could not be written.
  std::function<bool(std::string_view)> write;
  // Rows written so far and input bytes read, for a progress bar.
  std::function<void(long long rows, long long bytesRead)> progress;
};

// Largest record kept, and most fields: any longer row is malformed.
constexpr std::size_t kMaxRowBytes = std::size_t{1} << 20;
constexpr std::size_t kMaxRowFields = 64;

// Runs the batch. Returns 0 when every row is ok, 1 when a row is not, or 2
// with `error` set when the header is unusable, the output cannot be opened,
// or reading or writing failed.
int RunBatch(const BatchSettings& settings, BatchStreams& streams, std::string& error);

}  // namespace corvane
