// Node and coefficient tables of the elliptic-integral procedures, computed once per process.
#pragma once

namespace qel {

// Most terms the series of E ever uses.
inline constexpr int kSeriesTermLimit = 555;
// Intervals of the trapezoid rule for Pi over 0..pi/2.
inline constexpr int kTrapezoidIntervals = 200;
// Spacing of the trapezoid nodes, their end and the weight h/2 of the rule.
inline constexpr double kTrapezoidStep = 0.007853981634;
inline constexpr double kTrapezoidEnd = 1.5707963268;
inline constexpr double kTrapezoidHalfStep = 0.003926990817;

// Coefficient ((2i - 1) / (2i))^2 of the i-th series term, computed exactly as the series
// defines it so that a table lookup gives the same bits as computing it in the loop.
inline double SeriesCoefficient(int i) {
  const double ratio = (2.0 * i - 1.0) / (2.0 * i);
  return ratio * ratio;
}

struct EllipticTables {
  // seriesCoefficient[i] and seriesDivisor[i] = 2i - 1 for i = 1..555 (index 0 unused).
  double seriesCoefficient[kSeriesTermLimit + 1];
  double seriesDivisor[kSeriesTermLimit + 1];
  // sin^2 of the interior nodes i * kTrapezoidStep for i = 1..199 (index 0 unused), and of the
  // two ends 0 and kTrapezoidEnd.
  double interiorSinSquared[kTrapezoidIntervals];
  double startSinSquared;
  double endSinSquared;
};

// The tables, built on first use (thread-safe).
const EllipticTables& GetEllipticTables();

// The integrand of Pi for a node given by sin^2 of its angle.
double EllipticPiIntegrandAtSinSquared(double sinSquared, double w, double k);

}  // namespace qel
