// Influence and stress of strip pieces given by their trapezoid, and the sum at one point.
#include "engine/strip_influence.h"
#include "engine/tolerance_sign.h"

namespace qel {

namespace {

// A piece as the influence formulas see it: the middle of its flat top, its slopes' widths and
// half the width of its top.
struct PieceShape {
  double centre, leftWidth, halfTop, rightWidth;
};

PieceShape ShapeOf(const StripPiece& piece) {
  return {piece.x2 + (piece.x3 - piece.x2) * 0.5, piece.x2 - piece.x1, (piece.x3 - piece.x2) * 0.5,
          piece.x4 - piece.x3};
}

}  // namespace

double StripPieceI(const StripPiece& piece, double x, double z) {
  const PieceShape s = ShapeOf(piece);
  return StripPieceInfluence(z, x, s.centre, s.leftWidth, s.halfTop, s.rightWidth) * kInversePi;
}

int StripPieceOutOfOrder(const StripPiece& piece) {
  const PieceShape s = ShapeOf(piece);
  if (ToleranceSign(s.leftWidth) == -1) return 1;
  if (ToleranceSign(s.halfTop) == -1) return 2;
  if (ToleranceSign(s.rightWidth) == -1) return 3;
  return 0;
}

double StripPieceStress(const StripPiece& piece, double x, double z) {
  return StripPieceI(piece, x, z) * piece.gamma * piece.h;
}

double StripPointStress(const StripLoadSets& loads, double x, double z) {
  double stress = 0.0;
  for (const std::vector<StripPiece>& set : loads.sets) {
    for (const StripPiece& piece : set)
      stress += StripPieceStress(piece, x, z);
  }
  return stress;
}

}  // namespace qel
