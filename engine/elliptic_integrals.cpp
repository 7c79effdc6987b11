// Complete elliptic integrals E (series) and Pi (trapezoid rule) as the circle formula uses them.
#include <cmath>

#include "engine/elliptic_pi_kernel.h"
#include "engine/elliptic_tables.h"
#include "engine/rect_circle_influence.h"

namespace qel {

namespace {

constexpr double kHalfPi = 1.5707963268;
constexpr double kInvalidIntegrand = -999999999.0;
// Cap of the integrand where its denominator nearly vanishes (points near a circle's edge at
// shallow depth).
constexpr double kIntegrandCap = 9999.0;

}  // namespace

double EllipticESeries(double m, double c, double depthFactor) {
  if (m < 0.0001) return kHalfPi;
  if (m > 0.99999) return 1.00025;
  const EllipticTables& tables = GetEllipticTables();
  double sum = 1.0;
  double term = 1.0;
  for (int i = 1; i <= kSeriesTermLimit; ++i) {
    term = m * term * tables.seriesCoefficient[i];
    if (std::fabs(term) < 1e-10) break;
    sum = sum - term / tables.seriesDivisor[i];
  }
  double e = sum * kHalfPi;
  // Near a circle's edge at shallow depth the value is enlarged, most at the edge itself.
  if (std::fabs(c) < 0.011) e = e * ((0.011 - std::fabs(c)) * depthFactor + 1.0);
  return e;
}

double EllipticPiIntegrandAtSinSquared(double sinSquared, double w, double k) {
  if (k < 0.0 || k > 1.0) return kInvalidIntegrand;
  const double radicand = 1.0 - sinSquared * k * k;
  if (radicand < 0.0) return kInvalidIntegrand;
  const double denominator = std::sqrt(radicand) * (sinSquared * w + 1.0);
  if (std::fabs(denominator) <= 1e-5) return kIntegrandCap;
  return 1.0 / denominator;
}

double EllipticPi(double w, double k) {
  const EllipticTables& tables = GetEllipticTables();
  double interior = 0.0;
  if (k < 0.0 || k > 1.0) {
    // Every node gives the sentinel; kept as a plain sum of it.
    for (int i = 1; i < kTrapezoidIntervals; ++i) {
      interior += EllipticPiIntegrandAtSinSquared(tables.interiorSinSquared[i], w, k);
    }
  } else {
    interior = TrapezoidInteriorSum(&tables.interiorSinSquared[1], kTrapezoidIntervals - 1, w, k);
  }
  return (2.0 * interior + EllipticPiIntegrandAtSinSquared(tables.endSinSquared, w, k) +
          EllipticPiIntegrandAtSinSquared(tables.startSinSquared, w, k)) *
         kTrapezoidHalfStep;
}

}  // namespace qel
