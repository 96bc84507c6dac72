// Small pieces of CSV and number text shared by the batch and the flags.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Appends `field` to `out` as an RFC 4180 field: quoted, with doubled
// quotes, when it holds the separator, a quote, a CR or a LF.
void AppendCsvField(std::string& out, std::string_view field, char delimiter = ',');

// How a batch's cells are written: the input's separator, and the decimal
// sign of its numbers (a comma only where the separator is a semicolon).
struct CellFormat {
  char delimiter = ',';
  bool decimalComma = false;
};

// A number cell: the shortest text that reads back to `value`, with the
// format's decimal sign.
void AppendNumberCell(std::string& out, double value, const CellFormat& format);

// Appends the shortest text that reads back to exactly `value` ("inf",
// "-inf" and "nan" for values that are not finite).
void AppendShortest(std::string& out, double value);
std::string ShortestText(double value);

// `text` without leading and trailing blanks and tabs.
std::string_view TrimBlanks(std::string_view text);

// True when all of `text` is one decimal number as the dialog reads them:
// an optional sign, digits with an optional point, an optional exponent.
bool IsDecimalNumber(std::string_view text);

}  // namespace corvane
