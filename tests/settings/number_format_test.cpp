// Formats by decimals, sign functions and printable page ranges.
#include "settings/number_format.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/c_locale.h"

namespace qel {
namespace {

TEST(DigitFormat, KnownDecimalsAndTheDefault) {
  EXPECT_STREQ(DigitFormat(1), "%2.1f");
  EXPECT_STREQ(DigitFormat(3), "%4.3f");
  EXPECT_STREQ(DigitFormat(8), "%9.8f");
  for (int other : {0, 2, 9, -1})
    EXPECT_STREQ(DigitFormat(other), "%3.2f");
  EXPECT_STREQ(SignedDigitFormat(4), "% 5.4f");
  EXPECT_STREQ(SignedDigitFormat(2), "% 3.2f");
  EXPECT_STREQ(SignedDigitFormat(12), "% 3.2f");
}

TEST(Sign, OfNegativeZeroAndPositive) {
  EXPECT_EQ(Sign(-4), -1);
  EXPECT_EQ(Sign(0), 0);
  EXPECT_EQ(Sign(9), 1);
}

TEST(PrintableRange, MetresThatFitOnThePaper) {
  // A4 portrait with margins 10 (left) and 20 (top) at 1/500.
  EXPECT_EQ(PrintableRangeX(500, 210, 10), 95);
  EXPECT_EQ(PrintableRangeY(500, 297, 20), 128);
  EXPECT_EQ(PrintableRangeX(500, 200, 10), 90);
  EXPECT_EQ(PrintableRangeX(10, 200, 10), 1);  // 1.8 truncated
  EXPECT_EQ(PrintableRangeX(5, 200, 10), 0);
  EXPECT_EQ(PrintableRangeY(1000, 30, 20), -10);                 // paper smaller than its margins
  EXPECT_EQ(PrintableRangeX(2000000000, 30000, 0), 2147483647);  // no overflow
}

// A value that rounds to zero at the digits shown prints without a sign; one that does not
// keeps it.
TEST(FormatUnsignedZeroTest, RoundedZeroCarriesNoMinusSign) {
  struct Case {
    const char* format;
    double value;
    const char* expected;
  };
  const Case cases[] = {
      {"%4.3f", -0.0, "0.000"},
      {"%4.3f", -1e-12, "0.000"},
      {"%9.8f", -1e-10, "0.00000000"},
      {"%4.3f", -1e-9, "0.000"},
      {"%4.3f", -0.0004, "0.000"},  // rounds to zero at three decimals
      {"%4.3f", -0.0004999, "0.000"},
      {"%4.3f", -0.0005001, "-0.001"},  // rounds to -0.001: a shown negative keeps its sign
      {"%4.3f", -0.5, "-0.500"},
      {"%9.8f", -6e-9, "-0.00000001"},
      {"%2.1f", -0.04, "0.0"},
      {"%2.1f", 12.25, "12.2"},
      {"%5.2f", -0.001, " 0.00"},     // the width of the zero, not of "-0.00"
      {"% 4.3f", -0.0001, " 0.000"},  // the blank flag keeps its column
      {"% 4.3f", -0.25, "-0.250"},
      {"%4.3f", -NAN, "-nan"},
      {"%4.3f", -INFINITY, "-inf"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatUnsignedZero(c.format, c.value), c.expected) << c.format << " " << c.value;
}

TEST(FormatUnsignedZeroTest, NumbersOfASharedLineLoseTheSignOfARoundedZero) {
  struct Case {
    double value;
    int decimals;
    double expected;
  };
  const Case cases[] = {
      {-0.001, 2, 0.0}, {-0.004999, 2, 0.0}, {-0.005001, 2, -0.005001},
      {-0.3, 0, 0.0},   {-0.6, 0, -0.6},     {2.5, 2, 2.5},
  };
  for (const Case& c : cases) {
    const double shown = UnsignedRoundedZero(c.value, c.decimals);
    EXPECT_EQ(shown, c.expected) << c.value;
    EXPECT_FALSE(shown == 0.0 && std::signbit(shown)) << c.value;
  }
  EXPECT_EQ(FormatC("(%4.2f,%4.2f)", UnsignedRoundedZero(-0.001, 2), UnsignedRoundedZero(-1.0, 2)),
            "(0.00,-1.00)");
}

}  // namespace
}  // namespace qel
