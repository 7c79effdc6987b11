// Influence and stress of strip pieces given by their trapezoid, and the sum at one point.
#include "engine/strip_influence.h"

namespace qel {

double StripPieceI(const StripPiece& piece, double x, double z) {
  const double centre = piece.x2 + (piece.x3 - piece.x2) * 0.5;
  const double leftWidth = piece.x2 - piece.x1;
  const double halfTop = (piece.x3 - piece.x2) * 0.5;
  const double rightWidth = piece.x4 - piece.x3;
  return StripPieceInfluence(z, x, centre, leftWidth, halfTop, rightWidth) * kInversePi;
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
