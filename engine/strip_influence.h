// Influence of trapezoidal strip loads (plane strain) on the vertical stress below them.
#pragma once

#include <vector>

namespace qel {

// pi * I for one trapezoidal strip piece at the point (xP, z). `centre` is the middle of the
// flat top, `leftWidth` and `rightWidth` the widths of the rising and falling slopes, `halfTop`
// half the width of the flat top. A depth at or above 0.0001 m is taken as 0.0001 m.
double StripPieceInfluence(double z, double xP, double centre, double leftWidth, double halfTop,
                           double rightWidth);

// The two partial values of a right-triangle load (full intensity at its vertical side, zero at
// distance w from it). x is the signed distance from the point to the vertical side and s its
// tolerance sign.
struct RampParts {
  double part1 = 0.0;
  double part2 = 0.0;
};
RampParts RampInfluence(int s, double x, double z, double w);

// 1 / 3.1415926536: turns StripPieceInfluence into the influence value I.
inline constexpr double kInversePi = 0.3183098861827565;

// One strip piece as numbers: the four x coordinates of its trapezoid, height and unit weight.
struct StripPiece {
  double x1 = 0, x2 = 0, x3 = 0, x4 = 0, h = 0, gamma = 0;
};

// The two load sets of the strip problem, pieces in row order.
struct StripLoadSets {
  std::vector<StripPiece> sets[2];
};

// I of one piece at (x, z).
double StripPieceI(const StripPiece& piece, double x, double z);

// Which part of a piece is out of order (X1 <= X2 <= X3 <= X4 broken by more than the engine's
// 1e-7), so that the piece is no load shape and the older case formulas compute it as entered:
// the first of 1 (the rising slope, X1 > X2), 2 (the flat top, X2 > X3) and 3 (the falling
// slope, X3 > X4); 0 when none is.
int StripPieceOutOfOrder(const StripPiece& piece);
// dP of one piece at (x, z): I * gamma * h.
double StripPieceStress(const StripPiece& piece, double x, double z);

// dP at (x, z): the pieces' dP summed over set 1, then set 2, in row order, from 0.
double StripPointStress(const StripLoadSets& loads, double x, double z);

}  // namespace qel
