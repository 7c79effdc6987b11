// A rectangle's influence at one depth with a fast arctangent.
#include "engine/rectangle_at_depth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace qel {

namespace {

// atan(k / 8) for k = 0 .. 8.
const std::array<double, 9> kEighthAngles = [] {
  std::array<double, 9> angles{};
  for (int k = 0; k <= 8; ++k)
    angles[k] = std::atan(k / 8.0);
  return angles;
}();

int ExactSign(double value) {
  return (value > 0.0) - (value < 0.0);
}

}  // namespace

double ArcTangent2(double y, double x) {
  const double ax = std::fabs(x), ay = std::fabs(y);
  const double larger = std::max(ax, ay), smaller = std::min(ax, ay);
  if (!(larger > 0.0) || !(larger < 1e300) || std::isnan(x) || std::isnan(y))
    return std::atan2(y, x);
  // The nearest eighth to smaller / larger, by comparisons rather than a division, so that the
  // one division below does not wait for another.
  int k = 0;
  for (int j = 1; j <= 8; ++j)
    k += 16.0 * smaller >= (2 * j - 1) * larger;
  const double c = k * 0.125;
  // atan(ratio) = atan(c) + atan(r) with |r| <= 1/16: the alternating series of atan(r) up to
  // r^11 / 11 errs by less than r^13 / 13 < 2e-17.
  const double r = (smaller - c * larger) / (larger + c * smaller);
  const double r2 = r * r;
  const double series =
      r + r * r2 *
              (-1.0 / 3.0 +
               r2 * (1.0 / 5.0 + r2 * (-1.0 / 7.0 + r2 * (1.0 / 9.0 + r2 * (-1.0 / 11.0)))));
  const double angle = kEighthAngles[k] + series;
  // Selections rather than branches: the octants come in no predictable order.
  const double quadrant = ay > ax ? 0.5 * std::numbers::pi - angle : angle;
  return std::copysign(x < 0.0 ? std::numbers::pi - quadrant : quadrant, y);
}

RectangleAtDepth::RectangleAtDepth(const RectLoad& rect, double z)
    : x1_(rect.x1),
      y1_(rect.y1),
      x2_(rect.x2),
      y2_(rect.y2),
      inverseZ_(1.0 / z),
      scale_(ExactSign(rect.x2 - rect.x1) * ExactSign(rect.y2 - rect.y1) * rect.q *
             0.15915494309137826) {}

double RectangleAtDepth::operator()(double x, double y) const {
  if (scale_ == 0.0) return 0.0;
  // As RectangleInfluence: the two corners on each side x = X as one angle atan2(Y, X) and one
  // fraction.
  const double n2 = (y2_ - y) * inverseZ_, n1 = (y1_ - y) * inverseZ_;
  const double n2SquaredPlusOne = n2 * n2 + 1.0, n1SquaredPlusOne = n1 * n1 + 1.0;
  double along[2] = {}, across[2] = {}, rests = 0.0;
  for (int side = 0; side < 2; ++side) {
    const double m = ((side == 0 ? x2_ : x1_) - x) * inverseZ_;
    const double mSquared = m * m;
    const double v2 = mSquared + n2SquaredPlusOne, v1 = mSquared + n1SquaredPlusOne;
    const double s2 = std::sqrt(v2), s1 = std::sqrt(v1);
    across[side] = m * (n2 * s1 - n1 * s2);
    along[side] = s1 * s2 + mSquared * n1 * n2;
    const double rest =
        m * (n2 * (v2 + 1.0) * s1 * n1SquaredPlusOne - n1 * (v1 + 1.0) * s2 * n2SquaredPlusOne) /
        (s1 * s2 * (mSquared + 1.0) * n1SquaredPlusOne * n2SquaredPlusOne);
    rests += side == 0 ? rest : -rest;
  }
  // The difference of the two sides' angles, each in (-pi, pi), as the argument of one complex
  // product, (X2 + i Y2)(X1 - i Y1), taken on the branch their signs allow: [0, 2 pi] when the
  // first is positive and the second negative, [-2 pi, 0] the other way round, else (-pi, pi).
  // Y is never a zero with X negative (that needs a side of no length), so the signs of the Y
  // decide as they decide atan2.
  double angles = ArcTangent2(across[0] * along[1] - along[0] * across[1],
                              along[0] * along[1] + across[0] * across[1]);
  const bool firstNegative = std::signbit(across[0]), secondNegative = std::signbit(across[1]);
  if (!firstNegative && secondNegative && angles < 0.0) angles += 2.0 * std::numbers::pi;
  if (firstNegative && !secondNegative && angles > 0.0) angles -= 2.0 * std::numbers::pi;
  return (angles + rests) * scale_;
}

}  // namespace qel
