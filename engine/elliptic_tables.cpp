// Builds the node and coefficient tables of the elliptic-integral procedures.
#include "engine/elliptic_tables.h"

#include <cmath>

namespace qel {

namespace {

// sin^2 of a node, written as the integrand computes it.
double SinSquared(double phi) {
  const double s = std::sin(phi);
  return s * s;
}

EllipticTables BuildEllipticTables() {
  EllipticTables tables{};
  for (int i = 1; i <= kSeriesTermLimit; ++i) {
    tables.seriesCoefficient[i] = SeriesCoefficient(i);
    tables.seriesDivisor[i] = 2.0 * i - 1.0;
  }
  for (int i = 1; i < kTrapezoidIntervals; ++i) {
    tables.interiorSinSquared[i] = SinSquared(i * kTrapezoidStep);
  }
  tables.startSinSquared = SinSquared(0.0);
  tables.endSinSquared = SinSquared(kTrapezoidEnd);
  return tables;
}

}  // namespace

const EllipticTables& GetEllipticTables() {
  static const EllipticTables tables = BuildEllipticTables();
  return tables;
}

}  // namespace qel
