// The number reader against a plain reading of the same grammar: the
// longest leading [blanks][sign]digits[.digits][e[sign]digits] (at least one
// digit in the mantissa; an exponent only when complete), converted by the C
// library in the C locale. Both must give the same bits on every input, and
// the reader never gives a NaN.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "text/number_text.h"

namespace {

bool Digit(char c) { return c >= '0' && c <= '9'; }
bool Blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

double PlainReading(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && Blank(text[i])) ++i;
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && Digit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && Digit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  std::size_t end = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t exponentStart = j;
    while (j < text.size() && Digit(text[j])) ++j;
    if (j > exponentStart) end = j;
  }
  const std::string number(text.substr(start, end - start));
  return std::strtod(number.c_str(), nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double read = corvane::ParseNumber(text);
  const double plain = PlainReading(text);
  if (std::isnan(read)) std::abort();
  if (std::memcmp(&read, &plain, sizeof read) != 0) std::abort();
  return 0;
}
