// The batch's CSV reader: RFC 4180 with the liberties real files take.
#include "cli/csv_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace {

// Every record of `text`, fed `step` bytes at a time, as "line:field|field|..."
// with "!quote", "!long" or "!fields" marks.
std::vector<std::string> Records(const std::string& text, std::size_t step = 1 << 16, std::size_t maxBytes = 1000,
                                 std::size_t maxFields = 8) {
  CsvReader reader(ReadFromMemory(text, step), maxBytes, maxFields);
  std::vector<std::string> out;
  CsvRecord record;
  while (reader.Next(record)) {
    std::string line = std::to_string(record.line) + ":";
    for (std::size_t i = 0; i < record.fieldCount && i < maxFields && !record.tooLong; ++i)
      line += (i ? "|" : "") + record.fields[i];
    if (record.unterminatedQuote) line += "!quote";
    if (record.tooLong) line += "!long";
    if (record.tooManyFields) line += "!fields";
    out.push_back(line);
  }
  return out;
}

TEST(CsvReader, QuotesLineEndsAndTheByteOrderMark) {
  const std::string text = "\xEF\xBB\xBFp,t\r\n1,\"a,b\"\r\n\r\n\"x\"\"y\",\"two\nlines\"\n3,\n\"\"\n";
  const std::vector<std::string> expected = {"1:p|t", "2:1|a,b", "4:x\"y|two\nlines", "6:3|", "7:"};
  EXPECT_EQ(Records(text), expected);
  // However the bytes arrive.
  EXPECT_EQ(Records(text, 1), expected);
  EXPECT_EQ(Records(text, 2), expected);
  // A lone CR is data; a mark anywhere but the start is data.
  EXPECT_EQ(Records("a\rb,c\n\xEF\xBB\xBF"), (std::vector<std::string>{"1:a\rb|c", "2:\xEF\xBB\xBF"}));
}

TEST(CsvReader, CutOffAndOversizedRecordsAreMarkedAndTheNextRecordIsIntact) {
  EXPECT_EQ(Records("p,t\n1,2"), (std::vector<std::string>{"1:p|t", "2:1|2"}));
  EXPECT_EQ(Records("p,t\n1,\"2\n"), (std::vector<std::string>{"1:p|t", "2:1|2\n!quote"}));
  const std::string huge(5000, 'x');
  EXPECT_EQ(Records("a\n" + huge + ",\"" + huge + "\n\"\n1,2\n"),
            (std::vector<std::string>{"1:a", "2:!long", "4:1|2"}));
  EXPECT_EQ(Records(std::string(20, ',') + "\n1\n"), (std::vector<std::string>{"1:|||||||!fields", "2:1"}));
  EXPECT_TRUE(Records("").empty());
  EXPECT_TRUE(Records("\n\r\n\n").empty());
}

}  // namespace
}  // namespace corvane
