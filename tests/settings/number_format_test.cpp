// Formats by decimals, sign functions and printable page ranges.
#include "settings/number_format.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(SignWithTolerance, TreatsTinyValuesAsZero) {
  EXPECT_EQ(SignWithTolerance(5e-8), 0);
  EXPECT_EQ(SignWithTolerance(1e-7), 0);
  EXPECT_EQ(SignWithTolerance(-1e-7), 0);
  EXPECT_EQ(SignWithTolerance(-2e-7), -1);
  EXPECT_EQ(SignWithTolerance(3.0), 1);
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

TEST(FormatUnsignedZeroTest, NoiseNearZeroCarriesNoMinusSign) {
  EXPECT_EQ(FormatUnsignedZero("%4.3f", -0.0), "0.000");
  EXPECT_EQ(FormatUnsignedZero("%4.3f", -1e-12), "0.000");
  EXPECT_EQ(FormatUnsignedZero("%9.8f", -1e-10), "0.00000000");
  EXPECT_EQ(FormatUnsignedZero("%4.3f", -0.0004), "-0.000");  // a real negative change
  EXPECT_EQ(FormatUnsignedZero("%4.3f", -0.5), "-0.500");
  EXPECT_EQ(FormatUnsignedZero("%4.3f", -0.0005001), "-0.001");
  EXPECT_EQ(FormatUnsignedZero("%9.8f", -6e-9), "-0.00000001");
  EXPECT_EQ(FormatUnsignedZero("%2.1f", 12.25), "12.2");
  EXPECT_EQ(FormatUnsignedZero("%4.3f", -NAN), "-nan");
}

}  // namespace
}  // namespace qel
