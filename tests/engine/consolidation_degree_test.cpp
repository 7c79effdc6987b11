// Tests of Terzaghi's average degree of consolidation U(Tv).
#include "engine/consolidation_degree.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace qel {
namespace {

// The exponential series in long double with a fixed 3000 terms: beyond them every term is
// below 1e-30 for Tv >= 1e-4.
long double SeriesReference(long double tv) {
  long double sum = 0.0L;
  for (int m = 2999; m >= 0; --m) {
    const long double big = std::numbers::pi_v<long double> * (2 * m + 1) / 2;
    sum += 2.0L / (big * big) * std::exp(-big * big * tv);
  }
  return 1.0L - sum;
}

TEST(DegreeOfConsolidation, AgreesWithTheSeriesFromTinyToLargeTimeFactors) {
  for (int i = 0; i <= 60; ++i) {
    const double tv = 1e-4 * std::pow(10.0, i / 12.0);  // 1e-4 to 10
    EXPECT_NEAR(DegreeOfConsolidation(tv), static_cast<double>(SeriesReference(tv)), 2e-15)
        << "Tv " << tv;
  }
}

TEST(DegreeOfConsolidation, BothSeriesAgreeAcrossTheThreshold) {
  const double t = kConsolidationSeriesThreshold;
  for (double tv :
       {0.02, 0.05, 0.1, 0.15, std::nextafter(t, 0.0), t, std::nextafter(t, 1.0), 0.3, 0.5, 0.8}) {
    EXPECT_NEAR(ConsolidationByExponentialSeries(tv), ConsolidationByErrorFunctionSeries(tv), 1e-15)
        << "Tv " << tv;
  }
  EXPECT_NEAR(DegreeOfConsolidation(std::nextafter(t, 0.0)), DegreeOfConsolidation(t), 1e-15);
}

TEST(DegreeOfConsolidation, LimitsAndTheSmallTimeForm) {
  EXPECT_EQ(DegreeOfConsolidation(0.0), 0.0);
  EXPECT_EQ(DegreeOfConsolidation(-1.0), 0.0);
  EXPECT_EQ(DegreeOfConsolidation(INFINITY), 1.0);
  EXPECT_TRUE(std::isnan(DegreeOfConsolidation(NAN)));
  // Where exp(-1 / Tv) vanishes, U is 2 sqrt(Tv / pi) to the last digits.
  for (double tv : {1e-12, 1e-8, 1e-4, 1e-3}) {
    const double u = 2.0 * std::sqrt(tv / std::numbers::pi);
    EXPECT_NEAR(DegreeOfConsolidation(tv), u, 4e-16 * u) << "Tv " << tv;
  }
}

}  // namespace
}  // namespace qel
