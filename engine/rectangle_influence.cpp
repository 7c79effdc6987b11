// Corner formula of a uniformly loaded rectangle and the signed four-corner superposition.
#include <cmath>
#include <utility>

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
  // The sum of RectangleInfluenceTerms, with the arcsine parts of the two corners on one side
  // x = X taken as one angle: atan2(m n2, s2) - atan2(m n1, s1) = atan2(m (n2 s1 - n1 s2),
  // s1 s2 + m^2 n1 n2), exact because both angles lie within (-pi/2, pi/2). Half the arctangents
  // of the lattice's innermost loop.
  const int orientation = ExactSign(x2 - x1) * ExactSign(y2 - y1);
  if (orientation == 0) return 0.0;
  // The rest of the two corner values on one side as one fraction too: one division, not two.
  const double n2 = (y2 - yP) / z, n1 = (y1 - yP) / z;
  const double n2SquaredPlusOne = n2 * n2 + 1.0, n1SquaredPlusOne = n1 * n1 + 1.0;
  double sum = 0.0;
  for (const auto& [m, sign] : {std::pair{(x2 - xP) / z, 1.0}, std::pair{(x1 - xP) / z, -1.0}}) {
    const double mSquared = m * m;
    const double v2 = mSquared + n2SquaredPlusOne, v1 = mSquared + n1SquaredPlusOne;
    const double s2 = std::sqrt(v2), s1 = std::sqrt(v1);
    const double angles = std::atan2(m * (n2 * s1 - n1 * s2), s1 * s2 + mSquared * n1 * n2);
    const double rest =
        m * (n2 * (v2 + 1.0) * s1 * n1SquaredPlusOne - n1 * (v1 + 1.0) * s2 * n2SquaredPlusOne) /
        (s1 * s2 * (mSquared + 1.0) * n1SquaredPlusOne * n2SquaredPlusOne);
    sum += sign * (angles + rest);
  }
  return orientation * sum * 0.15915494309137826;
}

}  // namespace qel
