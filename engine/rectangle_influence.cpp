// Corner formula of a uniformly loaded rectangle and the signed four-corner superposition.
#include <cmath>

#include "engine/rect_circle_influence.h"

namespace qel {

namespace {

// Corners P22, P21, P11, P12 as (x of X2 or X1, y of Y2 or Y1) and their sign in the
// superposition F(X2, Y2) - F(X2, Y1) + F(X1, Y1) - F(X1, Y2) of signed corner rectangles.
constexpr bool kCornerUsesX2[4] = {true, true, false, false};
constexpr bool kCornerUsesY2[4] = {true, false, false, true};
constexpr int kCornerSigns[4] = {+1, -1, +1, -1};

int ExactSign(double value) {
  return (value > 0.0) - (value < 0.0);
}

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
  // arcsin(mn / sqrt((m^2+1)(n^2+1))) as atan2(mn, sqrt(V)): the same angle, without the
  // cancellation in 1 - L^2 when both ratios are large (a shallow point).
  const double a = std::atan2(m * n, std::sqrt(v));
  const double b = m * n * (v + 1.0) / (std::sqrt(v) * mSquaredPlusOne * nSquaredPlusOne);
  return (a + b) * 0.15915494309137826;
}

RectangleTerms RectangleInfluenceTerms(double xP, double yP, double z, double x1, double y1,
                                       double x2, double y2) {
  // Each corner rectangle reaches from the point's vertical to a load corner; with signed side
  // ratios its corner value carries its own sign, so one sum serves every position of the
  // point, with no case to choose and nothing special on or near a side. Reversed corners give
  // the same load, and a side of zero length none.
  const int orientation = ExactSign(x2 - x1) * ExactSign(y2 - y1);
  RectangleTerms terms;
  for (int corner = 0; corner < 4; ++corner) {
    const double mSigned = ((kCornerUsesX2[corner] ? x2 : x1) - xP) / z;
    const double nSigned = ((kCornerUsesY2[corner] ? y2 : y1) - yP) / z;
    terms.ratioX[corner] = std::fabs(mSigned);
    terms.ratioY[corner] = std::fabs(nSigned);
    terms.signedValue[corner] =
        orientation * kCornerSigns[corner] * RectangleCornerInfluence(mSigned, nSigned);
    terms.sum += terms.signedValue[corner];
  }
  return terms;
}

double RectangleInfluence(double xP, double yP, double z, double x1, double y1, double x2,
                          double y2) {
  return RectangleInfluenceTerms(xP, yP, z, x1, y1, x2, y2).sum;
}

}  // namespace qel
