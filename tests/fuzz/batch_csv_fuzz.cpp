// The batch's CSV reader and the batch itself on arbitrary bytes: no crash,
// no hang, and every record after the header answered by one output row,
// with GERG-2008's columns, any separator and a decimal comma as the first
// byte chooses.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/batch.h"
#include "cli/csv_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t step = 1 + data[0] % 16;
  const unsigned options = data[0] >> 4;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

  // The reader alone, with small limits so that they are reached.
  corvane::CsvReader reader(corvane::ReadFromMemory(bytes, step), 64, 6);
  corvane::CsvRecord record;
  std::size_t records = 0;
  std::size_t lastLine = 0;
  while (reader.Next(record)) {
    ++records;
    if (record.line < lastLine || (!record.tooLong && !record.tooManyFields && record.fieldCount > record.fields.size()))
      std::abort();
    lastLine = record.line;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < record.fieldCount && i < record.fields.size() && !record.tooLong; ++i)
      kept += record.fields[i].size();
    if (kept > 64) std::abort();
  }
  if (reader.BytesRead() != static_cast<long long>(bytes.size())) std::abort();  // everything read

  // The whole batch: every record after the header gets its row.
  std::size_t outputLines = 0;
  corvane::BatchStreams streams;
  streams.read = corvane::ReadFromMemory(bytes, step);
  streams.write = [&](std::string_view out) {
    for (std::size_t at = out.find("\r\n"); at != std::string_view::npos; at = out.find("\r\n", at + 2)) {
      ++outputLines;
    }
    return true;
  };
  corvane::BatchSettings settings;
  settings.reference = (options & 1) != 0;
  const char delimiters[] = {0, 0, ';', '\t'};
  settings.delimiter = delimiters[(options >> 1) & 3];
  settings.decimalComma = (options & 8) != 0 && settings.delimiter == ';';
  std::string error;
  const int status = corvane::RunBatch(settings, streams, error);
  if (status != 2 && outputLines < records) std::abort();
  if (status == 2 && error.empty()) std::abort();
  return 0;
}
