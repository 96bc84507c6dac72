// A small streaming reader of RFC 4180 CSV: comma-separated fields (or
// another separator), quoted
// fields with doubled quotes, commas and line ends inside; records end in LF
// or CRLF; a UTF-8 byte-order mark at the start is skipped; blank lines are
// skipped. It holds one buffer and one record at a time, whatever the size
// of the input; a record beyond the size or field limits is marked, not kept.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct CsvRecord {
  std::vector<std::string> fields;  // the first fieldCount are this record's
  std::size_t fieldCount = 0;
  std::size_t line = 0;             // the line the record starts on, from 1
  bool unterminatedQuote = false;   // the input ended inside a quoted field
  bool tooLong = false;             // over the byte limit: fields not kept
  bool tooManyFields = false;       // over the field limit: the rest not kept
};

class CsvReader {
 public:
  // Fills `buffer` with up to `size` bytes; returns the count, 0 at the end
  // of the input, or -1 when reading failed.
  using ReadFunction = std::function<long long(char* buffer, std::size_t size)>;

  CsvReader(ReadFunction read, std::size_t maxRecordBytes, std::size_t maxFields);

  // Fields are separated by commas unless this says otherwise.
  void SetDelimiter(char delimiter) { delimiter_ = delimiter; }

  // The next record; false at the end of the input or after a read error.
  bool Next(CsvRecord& record);
  // True when no input is buffered, so Next may have to wait for more.
  bool NeedsInput() const { return position_ == end_ && !atEnd_; }
  bool ReadFailed() const { return readFailed_; }
  // Bytes taken from the input so far.
  long long BytesRead() const { return bytesRead_; }

 private:
  // The next byte, or -1 at the end of the input.
  int Get();
  void AddByte(CsvRecord& record, char c);
  void EndField(CsvRecord& record);

  ReadFunction read_;
  std::size_t maxRecordBytes_;
  std::size_t maxFields_;
  std::vector<char> buffer_;
  std::size_t position_ = 0;
  std::size_t end_ = 0;
  bool atEnd_ = false;
  bool readFailed_ = false;
  bool started_ = false;
  long long bytesRead_ = 0;
  std::size_t line_ = 1;
  std::size_t recordBytes_ = 0;
  char delimiter_ = ',';
  std::string* field_ = nullptr;  // the field being filled, or nullptr when not kept
};

// Reads `bytes` (which must outlive the function), at most `step` bytes a
// call, as a pipe may deliver them.
CsvReader::ReadFunction ReadFromMemory(std::string_view bytes, std::size_t step = std::size_t(-1));

}  // namespace corvane
