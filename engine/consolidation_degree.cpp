// The average degree of consolidation by the two series of Terzaghi's solution.
#include "engine/consolidation_degree.h"

#include <cmath>
#include <numbers>

namespace qel {

double ConsolidationByExponentialSeries(double tv) {
  constexpr double kHalfPi = std::numbers::pi / 2.0;
  double remaining = 0.0;
  for (int m = 0; m < 1000; ++m) {
    const double big = kHalfPi * (2.0 * m + 1.0);
    const double term = 2.0 / (big * big) * std::exp(-big * big * tv);
    remaining += term;
    if (term <= 1e-18 * remaining) break;
  }
  return 1.0 - remaining;
}

double ConsolidationByErrorFunctionSeries(double tv) {
  const double root = std::sqrt(tv);
  const double inverseRootPi = std::numbers::inv_sqrtpi;
  double sum = 0.0;
  for (int n = 1; n < 1000; ++n) {
    const double x = n / root;
    const double ierfc = std::exp(-x * x) * inverseRootPi - x * std::erfc(x);
    sum += (n % 2 == 1 ? -ierfc : ierfc);
    if (ierfc <= 1e-18 * inverseRootPi) break;
  }
  return 2.0 * root * inverseRootPi + 4.0 * root * sum;
}

double DegreeOfConsolidation(double tv) {
  if (std::isnan(tv)) return tv;
  if (tv <= 0.0) return 0.0;
  if (tv < kConsolidationSeriesThreshold) return ConsolidationByErrorFunctionSeries(tv);
  return ConsolidationByExponentialSeries(tv);
}

}  // namespace qel
