#include "cli/csv_reader.h"

#include <algorithm>
#include <memory>

namespace corvane {

namespace {
constexpr std::size_t kBufferBytes = std::size_t{1} << 16;
}

CsvReader::CsvReader(ReadFunction read, std::size_t maxRecordBytes, std::size_t maxFields)
    : read_(std::move(read)), maxRecordBytes_(maxRecordBytes), maxFields_(maxFields), buffer_(kBufferBytes) {}

int CsvReader::Get() {
  if (position_ == end_) {
    if (atEnd_) return -1;
    const long long n = read_(buffer_.data(), buffer_.size());
    if (n <= 0) {
      atEnd_ = true;
      readFailed_ = n < 0;
      return -1;
    }
    bytesRead_ += n;
    position_ = 0;
    end_ = static_cast<std::size_t>(n);
  }
  return static_cast<unsigned char>(buffer_[position_++]);
}

void CsvReader::AddByte(CsvRecord& record, char c) {
  if (field_ == nullptr) return;
  if (++recordBytes_ > maxRecordBytes_) {
    record.tooLong = true;
    field_ = nullptr;
    return;
  }
  field_->push_back(c);
}

void CsvReader::EndField(CsvRecord& record) {
  ++record.fieldCount;
  if (record.tooLong) {
    field_ = nullptr;
    return;
  }
  if (record.fieldCount > maxFields_) record.tooManyFields = true;
  if (record.fieldCount >= maxFields_) {
    field_ = nullptr;
    return;
  }
  if (record.fields.size() <= record.fieldCount) record.fields.emplace_back();
  field_ = &record.fields[record.fieldCount];
  field_->clear();
}

bool CsvReader::Next(CsvRecord& record) {
  enum class State { FieldStart, Unquoted, Quoted, AfterQuote };
  if (!started_) {
    started_ = true;
    // A byte-order mark counts only whole, at the very start: gather enough
    // bytes to tell, however the input arrives.
    while (end_ < 3 && !atEnd_) {
      const long long n = read_(buffer_.data() + end_, buffer_.size() - end_);
      if (n <= 0) {
        atEnd_ = true;
        readFailed_ = n < 0;
        break;
      }
      bytesRead_ += n;
      end_ += static_cast<std::size_t>(n);
    }
    if (end_ >= 3 && buffer_[0] == '\xEF' && buffer_[1] == '\xBB' && buffer_[2] == '\xBF') position_ = 3;
  }

  for (;;) {
    record.fieldCount = 0;
    record.line = line_;
    record.unterminatedQuote = record.tooLong = record.tooManyFields = false;
    recordBytes_ = 0;
    if (record.fields.empty()) record.fields.emplace_back();
    field_ = &record.fields[0];
    field_->clear();
    if (maxFields_ == 0) field_ = nullptr;
    bool anyByte = false;
    bool anyQuote = false;
    State state = State::FieldStart;
    bool pendingCr = false;  // a CR in an unquoted field, kept unless a LF follows

    for (;;) {
      const int c = Get();
      if (c < 0) {
        if (state == State::Quoted) record.unterminatedQuote = true;
        if (pendingCr) AddByte(record, '\r');
        if (!anyByte) return false;
        EndField(record);
        return true;
      }
      anyByte = true;
      const char ch = static_cast<char>(c);
      if (pendingCr) {
        pendingCr = false;
        if (ch == '\n') {
          ++line_;
          EndField(record);
          break;
        }
        AddByte(record, '\r');
      }
      switch (state) {
        case State::Quoted:
          if (ch == '"') {
            state = State::AfterQuote;
          } else {
            if (ch == '\n') ++line_;
            AddByte(record, ch);
          }
          break;
        case State::AfterQuote:
          if (ch == '"') {
            AddByte(record, '"');
            state = State::Quoted;
            break;
          }
          // After the closing quote the field goes on as an unquoted one: a
          // separator or line end ends it, other text is kept as it stands.
          [[fallthrough]];
        case State::FieldStart:
          if (ch == '"' && state == State::FieldStart) {
            state = State::Quoted;
            anyQuote = true;
            break;
          }
          state = State::Unquoted;
          [[fallthrough]];
        case State::Unquoted:
          if (ch == delimiter_) {
            EndField(record);
            state = State::FieldStart;
          } else if (ch == '\n') {
            ++line_;
            EndField(record);
            goto record_done;
          } else if (ch == '\r') {
            pendingCr = true;
          } else {
            AddByte(record, ch);
          }
          break;
      }
    }
  record_done:
    // A blank line is no record.
    if (record.fieldCount == 1 && !anyQuote && recordBytes_ == 0 && !record.tooLong) continue;
    return true;
  }
}

CsvReader::ReadFunction ReadFromMemory(std::string_view bytes, std::size_t step) {
  auto position = std::make_shared<std::size_t>(0);
  return [bytes, step, position](char* buffer, std::size_t size) {
    const std::size_t n = std::min({size, step, bytes.size() - *position});
    bytes.copy(buffer, n, *position);
    *position += n;
    return static_cast<long long>(n);
  };
}

}  // namespace corvane
