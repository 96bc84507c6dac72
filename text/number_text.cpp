#include "text/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace corvane {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// White space as the C locale knows it; the grammar is fixed, not the locale's.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// When from_chars reports a result out of range, the magnitude decides:
// a first significant digit left of the point after scaling overflows,
// anything else underflows to zero.
bool Overflows(std::string_view mantissa, std::string_view exponentDigits, bool negativeExponent) {
  long long position = 0;  // decimal exponent of the first significant digit, plus one
  bool seenPoint = false;
  bool seenSignificant = false;
  long long digitsBeforePoint = 0;
  long long leadingFractionZeros = 0;
  for (char c : mantissa) {
    if (c == '.') {
      seenPoint = true;
      continue;
    }
    if (!seenSignificant && c == '0') {
      if (seenPoint) ++leadingFractionZeros;
      continue;
    }
    if (!seenSignificant) seenSignificant = true;
    if (!seenPoint) ++digitsBeforePoint;
  }
  if (!seenSignificant) return false;
  position = digitsBeforePoint > 0 ? digitsBeforePoint : -leadingFractionZeros;
  // |position| is at most the mantissa's length, so an exponent beyond that
  // length plus the double's range decides the sign of the sum alone; stop
  // reading there so that no count of exponent digits can overflow.
  const long long decidingExponent = static_cast<long long>(mantissa.size()) + 1000;
  long long exponent = 0;
  for (char c : exponentDigits) {
    exponent = exponent * 10 + (c - '0');
    if (exponent > decidingExponent) break;
  }
  return position + (negativeExponent ? -exponent : exponent) > 0;
}

std::string NonFinite(double value) {
  if (std::isnan(value)) return "nan";
  return value > 0 ? "inf" : "-inf";
}

}  // namespace

double ParseNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t mantissaStart = i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  const std::size_t mantissaEnd = i;
  std::size_t exponentDigitsStart = i;
  std::size_t end = i;
  bool negativeExponent = false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      negativeExponent = text[j] == '-';
      ++j;
    }
    const std::size_t start = j;
    while (j < text.size() && IsDigit(text[j])) ++j;
    if (j > start) {
      exponentDigitsStart = start;
      end = j;
    }
  }
  const std::string_view number = text.substr(mantissaStart, end - mantissaStart);
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                         std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    const std::string_view mantissa = text.substr(mantissaStart, mantissaEnd - mantissaStart);
    const std::string_view exponentDigits =
        end > mantissaEnd ? text.substr(exponentDigitsStart, end - exponentDigitsStart) : std::string_view{};
    value = Overflows(mantissa, exponentDigits, negativeExponent) ? std::numeric_limits<double>::infinity()
                                                                  : 0.0;
  } else if (ec != std::errc{}) {
    value = 0.0;
  }
  return negative ? -value : value;
}

std::string FormatFixed(double value, int decimals) {
  if (!std::isfinite(value)) return NonFinite(value);
  // Enough for the 309 integer digits of the largest double and any precision we use.
  std::array<char, 400> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, decimals);
  return std::string(buffer.data(), result.ptr);
}

std::string FormatFixedWidth(double value, int width, int decimals) {
  std::string text = FormatFixed(value, decimals);
  if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

std::string FormatGeneral(double value, int digits) {
  if (!std::isfinite(value)) return NonFinite(value);
  if (digits < 1) digits = 1;
  std::array<char, 64> buffer{};
  // The decimal exponent of the exact value, from the shortest round-trip
  // form. That form reads "1e+x" for a double just below 10^x only where
  // 10^x is no double and the double nearest it lies below it (x of 23 and
  // more; 0.1's double lies above 0.1), so for any digit count up to 22 the
  // choice between the two notations below is exact.
  auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                              std::chars_format::scientific);
  const std::string shortest(buffer.data(), result.ptr);
  const int e = value == 0.0 ? 0 : std::atoi(shortest.c_str() + shortest.find('e') + 1) + 1;
  std::string text;
  if (e >= 0 && e <= digits) {
    result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed,
                           digits - e);
    text.assign(buffer.data(), result.ptr);
    if (text.find('.') == std::string::npos) text += '.';
    while (text.back() == '0') text.pop_back();
    return text;
  }
  // Scientific with digits-1 fraction digits: correctly rounded, and its
  // exponent includes any carry of the rounding.
  result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                         std::chars_format::scientific, digits - 1);
  const std::string scientific(buffer.data(), result.ptr);
  const std::size_t ePos = scientific.find('e');
  const int exponent = std::atoi(scientific.c_str() + ePos + 1);
  std::string mantissa = scientific.substr(0, ePos);
  if (mantissa.find('.') == std::string::npos) mantissa += '.';
  while (mantissa.back() == '0') mantissa.pop_back();
  std::string exponentText = std::to_string(exponent < 0 ? -exponent : exponent);
  if (exponentText.size() < 3) exponentText.insert(0, 3 - exponentText.size(), '0');
  return mantissa + 'e' + (exponent < 0 ? '-' : '+') + exponentText;
}

}  // namespace corvane
