// Corner formula of a uniformly loaded rectangle and the signed four-corner superposition.
#include <cmath>

#include "engine/rect_circle_influence.h"
#include "engine/tolerance_sign.h"

namespace qel {

namespace {

// Where a coordinate lies against the two sides of a load in one direction: 1 before the first
// side, 2 beyond the second, 3 between them (sides included). The direction is that of
// side2 - side1, so reversed corners classify the same way; a side length within 1e-7 of zero
// puts every point between the sides.
int PositionClass(double point, double side1, double side2) {
  const int direction = ToleranceSign(side2 - side1);
  if (direction * point < direction * side1) return 1;
  if (direction * side2 < direction * point) return 2;
  return 3;
}

// Signs of the corner rectangles P22, P21, P11, P12 by position class in x (row) and y (column).
constexpr int kCornerSigns[3][3][4] = {
    {{+1, -1, +1, -1}, {-1, +1, -1, +1}, {+1, +1, -1, -1}},
    {{-1, +1, -1, +1}, {+1, -1, +1, -1}, {-1, -1, +1, +1}},
    {{+1, -1, -1, +1}, {-1, +1, +1, -1}, {+1, +1, +1, +1}},
};

}  // namespace

double PlanDistance(double x1, double y1, double x2, double y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double squared = dx * dx + dy * dy;
  if (squared < 1e-7) return 0.0;
  return std::sqrt(squared);
}

double RectangleCornerInfluence(double m, double n) {
  const double mSquaredPlusOne = m * m + 1.0;
  const double nSquaredPlusOne = n * n + 1.0;
  const double v = m * m + n * n + 1.0;
  const double l = m * n / std::sqrt(mSquaredPlusOne * nSquaredPlusOne);
  const double a = std::atan(l / std::sqrt(1.0 - l * l));
  const double b = m * n * (v + 1.0) / (std::sqrt(v) * mSquaredPlusOne * nSquaredPlusOne);
  return (a + b) * 0.15915494309137826;
}

RectangleTerms RectangleInfluenceTerms(double xP, double yP, double z, double x1, double y1,
                                       double x2, double y2) {
  // Side ratios: distances from the point's vertical to each side, divided by the depth.
  const double toX2 = PlanDistance(xP, y1, x2, y1) / z;
  const double toX1 = PlanDistance(xP, y1, x1, y1) / z;
  const double toY2 = PlanDistance(x1, yP, x1, y2) / z;
  const double toY1 = PlanDistance(x1, yP, x1, y1) / z;

  const int* signs = kCornerSigns[PositionClass(xP, x1, x2) - 1][PositionClass(yP, y1, y2) - 1];
  const double ratioX[4] = {toX2, toX2, toX1, toX1};
  const double ratioY[4] = {toY2, toY1, toY1, toY2};

  RectangleTerms terms;
  for (int corner = 0; corner < 4; ++corner) {
    terms.ratioX[corner] = ratioX[corner];
    terms.ratioY[corner] = ratioY[corner];
    terms.signedValue[corner] =
        signs[corner] * RectangleCornerInfluence(ratioX[corner], ratioY[corner]);
    terms.sum += terms.signedValue[corner];
  }
  return terms;
}

double RectangleInfluence(double xP, double yP, double z, double x1, double y1, double x2,
                          double y2) {
  return RectangleInfluenceTerms(xP, yP, z, x1, y1, x2, y2).sum;
}

}  // namespace qel
