#include "text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace corvane {
namespace {

TEST(ParseNumber, ReadsTheLongestLeadingDecimalNumber) {
  EXPECT_EQ(ParseNumber("1000"), 1000.0);
  EXPECT_EQ(ParseNumber("  \t-12.5e1xyz"), -125.0);
  EXPECT_EQ(ParseNumber("+.5"), 0.5);
  EXPECT_EQ(ParseNumber("5."), 5.0);
  EXPECT_EQ(ParseNumber("1000psia"), 1000.0);
  EXPECT_EQ(ParseNumber("0.96000"), 0.96);
  EXPECT_EQ(ParseNumber("14.7"), 14.7);
}

// The blanks before a number are the six of the C locale, each on its own
// and all together; nothing else counts as one.
TEST(ParseNumber, SkipsTheSixBlanksAndNoOtherCharacter) {
  for (const char blank : {' ', '\t', '\n', '\v', '\f', '\r'}) {
    EXPECT_EQ(ParseNumber(std::string(1, blank) + "12.5"), 12.5) << static_cast<int>(blank);
    EXPECT_EQ(ParseNumber(std::string(3, blank) + "-4"), -4.0) << static_cast<int>(blank);
  }
  EXPECT_EQ(ParseNumber(" \t\n\v\f\r7"), 7.0);
  // Other control characters, a no-break space and a blank between the
  // sign and the digits end the reading before any number.
  for (const char* text : {"\x1c" "5", "\x0e" "5", "\x7f" "5", "\xc2\xa0" "5", "- 5", "+\t5"})
    EXPECT_EQ(ParseNumber(text), 0.0) << text;
}

TEST(ParseNumber, IncompleteExponentIsLeftOut) {
  EXPECT_EQ(ParseNumber("1e"), 1.0);
  EXPECT_EQ(ParseNumber("1e+"), 1.0);
  EXPECT_EQ(ParseNumber("2E-x"), 2.0);
  EXPECT_EQ(ParseNumber("2E-1"), 0.2);
}

TEST(ParseNumber, TextThatIsNoDecimalNumberIsZero) {
  for (const char* text : {"", " ", "abc", ".", "-", "+.", "inf", "-infinity", "nan", "NAN(1)", "e5"})
    EXPECT_EQ(ParseNumber(text), 0.0) << text;
  // Hexadecimal stops after the leading zero.
  EXPECT_EQ(ParseNumber("0x400"), 0.0);
}

TEST(ParseNumber, OutOfRangeGivesInfinityOrZero) {
  EXPECT_EQ(ParseNumber("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ParseNumber("-1e999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(ParseNumber("0.001e312"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ParseNumber("1e-999"), 0.0);
  EXPECT_EQ(ParseNumber("1000e-330"), 0.0);
  EXPECT_EQ(ParseNumber("1e99999999999999999999999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ParseNumber("0e99999"), 0.0);
}

// Long texts: the exponent that decides overflow may exceed any fixed bound
// when the mantissa holds many zeros, and digits far past the seventeenth
// still count.
TEST(ParseNumber, LongMantissasKeepTheirMagnitude) {
  const std::string zeros(1100000, '0');
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(ParseNumber("0." + zeros + "1e1100400"), inf);
  EXPECT_EQ(ParseNumber("-0." + zeros + "1e1100400"), -inf);
  EXPECT_EQ(ParseNumber("0." + zeros + "1e1100005"), 1e4);
  EXPECT_EQ(ParseNumber("1" + zeros + "e-1100400"), 0.0);
  EXPECT_EQ(ParseNumber("1" + zeros + "e-1100000"), 1.0);
  EXPECT_EQ(ParseNumber("1" + zeros), inf);
  EXPECT_EQ(ParseNumber("1e-310"), 1e-310);  // subnormals are kept, not flushed
}

TEST(FormatFixed, MatchesPrintfWithAPoint) {
  EXPECT_EQ(FormatFixed(0.96, 5), "0.96000");
  EXPECT_EQ(FormatFixed(1000.0, 1), "1000.0");
  EXPECT_EQ(FormatFixed(-1542.0951, 2), "-1542.10");
  EXPECT_EQ(FormatFixed(0.125, 2), "0.12");  // ties to even on the exact binary value
  EXPECT_EQ(FormatFixed(1e300, 1).size(), 303u);
  EXPECT_EQ(FormatFixedWidth(-3.25, 8, 3), "  -3.250");
  EXPECT_EQ(FormatFixedWidth(-123456.789, 8, 3), "-123456.789");
}

TEST(FormatFixed, SpellsNonFiniteValues) {
  EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 5), "inf");
  EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 5), "-inf");
  EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::quiet_NaN(), 5), "nan");
  EXPECT_EQ(FormatFixedWidth(std::numeric_limits<double>::quiet_NaN(), 8, 1), "     nan");
}

TEST(FormatGeneral, FixedWithinTheDigitCountExponentOutside) {
  EXPECT_EQ(FormatGeneral(80.0, 7), "80.");
  EXPECT_EQ(FormatGeneral(1000.0, 7), "1000.");
  EXPECT_EQ(FormatGeneral(0.723251, 8), "0.723251");
  EXPECT_EQ(FormatGeneral(7520.29, 7), "7520.29");
  EXPECT_EQ(FormatGeneral(2.71092e8, 12), "271092000.");
  EXPECT_EQ(FormatGeneral(0.053, 7), "5.3e-002");
  EXPECT_EQ(FormatGeneral(-0.053, 7), "-5.3e-002");
  EXPECT_EQ(FormatGeneral(123456789.0, 7), "1.234568e+008");
  EXPECT_EQ(FormatGeneral(0.0, 7), "0.");
  EXPECT_EQ(FormatGeneral(1e-300, 7), "1.e-300");
}

TEST(FormatGeneral, RoundingCarriesAtTheBoundaries) {
  EXPECT_EQ(FormatGeneral(9.9999999, 7), "10.");
  EXPECT_EQ(FormatGeneral(9999999.7, 7), "10000000.");  // e counted before rounding
  EXPECT_EQ(FormatGeneral(99999999.7, 7), "1.e+008");
  EXPECT_EQ(FormatGeneral(0.99999999, 7), "1.");
  EXPECT_EQ(FormatGeneral(0.099999999, 7), "1.e-001");
}

}  // namespace
}  // namespace corvane
