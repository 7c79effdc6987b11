// Terzaghi's average degree of one-dimensional consolidation U as a function of the time
// factor Tv, for a uniform initial excess pore pressure.
#pragma once

namespace qel {

// Below this time factor U is taken from the complementary-error-function series, from it up
// from the exponential series; both agree here to a few units of 1e-16.
inline constexpr double kConsolidationSeriesThreshold = 0.2;

// U = 1 - sum over m >= 0 of 2 / M^2 exp(-M^2 Tv), M = pi (2m + 1) / 2, summed until the terms
// no longer change the result (at most 1000 terms). Accurate for Tv from about 0.01 up; below,
// 1 minus a sum close to 1 loses the digits of a small U.
double ConsolidationByExponentialSeries(double tv);

// U = 2 sqrt(Tv / pi) + 4 sqrt(Tv) sum over n >= 1 of (-1)^n ierfc(n / sqrt(Tv)), with
// ierfc(x) = exp(-x^2) / sqrt(pi) - x erfc(x). Exact for small Tv, where the first term is
// everything; its terms shrink like exp(-n^2 / Tv), so it serves up to Tv of about 1.
double ConsolidationByErrorFunctionSeries(double tv);

// U(Tv): 0 for Tv <= 0, 1 for infinite Tv, NaN for NaN; the series above chosen at
// kConsolidationSeriesThreshold.
double DegreeOfConsolidation(double tv);

}  // namespace qel
