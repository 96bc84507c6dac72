// Numbers to text and text to numbers, independent of the C library's locale.
//
// The window's toolkit switches the C locale at start-up, which would turn
// printf's and strtod's decimal point into a comma under many locales. Every
// number the program shows, writes or reads goes through these functions,
// which always use "." and never consult the locale.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The value of the longest leading decimal number of `text`: leading white
// space, an optional sign, digits with an optional decimal point, and an
// exponent only when it is complete ("1e" reads as 1). Text that does not
// begin with a number gives 0; words for infinity or not-a-number and
// hexadecimal notation are not numbers here. A number too large for a double
// gives an infinity of its sign; one too small gives zero.
double ParseNumber(std::string_view text);

// printf("%.{decimals}f") with "." as the decimal point. A value that is not
// finite is spelled "inf", "-inf" or "nan" (never "-nan").
std::string FormatFixed(double value, int decimals);

// printf("%{width}.{decimals}f"): FormatFixed right-aligned in at least
// `width` characters.
std::string FormatFixedWidth(double value, int width, int decimals);

// General notation with `digits` significant digits: fixed notation when the
// decimal exponent e (digits before the point) lies in 0..digits, otherwise
// one digit, the point, the rest and "e" with a sign and at least three
// exponent digits. Trailing fraction zeros are removed but the point stays
// ("80.", "7520.29", "1.2e-005"). Correctly rounded.
std::string FormatGeneral(double value, int digits);

}  // namespace corvane
