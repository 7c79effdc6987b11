// Closed forms of the influence of one trapezoidal strip piece, by shape and point position.
#include "engine/strip_influence.h"

#include <cmath>

#include "engine/tolerance_sign.h"

namespace qel {

namespace {

// Shallowest depth the strip formulas see; a point on the surface is taken just below it.
constexpr double kStripDepthFloor = 0.0001;

// theta(p): the angle under which the horizontal distance p is seen from depth z.
double Angle(double p, double z) {
  return std::atan(p / z);
}
double AbsAngle(double p, double z) {
  return std::fabs(std::atan(p / z));
}

// U(g) = g + sin g cos g: a uniform load from the point's vertical out to the angle g.
double UniformFromVertical(double g) {
  return g + std::sin(g) * std::cos(g);
}

// A uniform strip from d - halfTop to d + halfTop (distances from the point): theta + sin theta
// cos phi with theta = beta2 - beta1 and phi = beta1 + beta2.
double UniformStrip(double z, double d, double halfTop) {
  const double beta1 = Angle(d - halfTop, z);
  const double beta2 = Angle(d + halfTop, z);
  const double theta = beta2 - beta1;
  const double phi = beta1 + beta2;
  return theta + std::sin(theta) * std::cos(phi);
}

// A piece with both slopes, or with neither. The piece is mirrored when the point lies right of
// the middle of its flat top, so the point is always on the left half.
double GeneralCase(double z, double d, double leftWidth, double halfTop, double rightWidth) {
  if (ToleranceSign(d) == -1) {
    const double swapped = leftWidth;
    leftWidth = rightWidth;
    rightWidth = swapped;
    d = std::fabs(d);
  }
  const double a = leftWidth;
  const double b = halfTop;
  const double c = rightWidth;
  // Both widths exactly zero is a rectangle. A width of exactly zero beside one within 1e-7 of
  // zero (only possible when both slopes count as absent) would divide 0 by 0 in the slope
  // terms; such a piece is a rectangle to within 1e-7 as well.
  if (a == 0.0 || c == 0.0) return UniformStrip(z, d, b);
  if (d <= b) {
    const double left = ((a + b - d) * AbsAngle(a + b - d, z) - (b - d) * AbsAngle(b - d, z)) / a;
    const double right = ((d + b + c) * AbsAngle(d + b + c, z) - (d + b) * AbsAngle(d + b, z)) / c;
    return left + right;
  }
  if (a + b < d) {
    return ((d + b + c) * Angle(d + b + c, z) - (d + b) * Angle(d + b, z)) / c -
           ((d - b) * AbsAngle(b - d, z) - (d - a - b) * AbsAngle(a + b - d, z)) / a;
  }
  const double left = (a + b - d) * AbsAngle(a + b - d, z) / a;
  const double right = ((d + b + c) * Angle(d + b + c, z) - (d + b) * Angle(d + b, z)) / c -
                       (d - b) * AbsAngle(b - d, z) / a;
  return left + right;
}

double SumOfParts(const RampParts& parts) {
  return parts.part1 + parts.part2;
}

}  // namespace

RampParts RampInfluence(int s, double x, double z, double w) {
  const double g = AbsAngle(x, z);
  RampParts parts;
  if (s < 0) {
    const double far = std::fabs(x);
    parts.part1 =
        ((far + w) * AbsAngle(far + w, z) - far * AbsAngle(far, z)) / w - UniformFromVertical(g);
    parts.part2 = 0.0;
  } else if (x < w) {
    parts.part1 = (w - x) * AbsAngle(w - x, z) / w;
    parts.part2 = UniformFromVertical(g) - x * g / w;
  } else {
    parts.part1 = 0.0;
    parts.part2 = UniformFromVertical(g) + (x - w) * AbsAngle(x - w, z) / w - x * g / w;
  }
  return parts;
}

double StripPieceInfluence(double z, double xP, double centre, double leftWidth, double halfTop,
                           double rightWidth) {
  if (z <= kStripDepthFloor) z = kStripDepthFloor;
  const double d = centre - xP;
  const int leftSign = ToleranceSign(leftWidth);
  const int topSign = ToleranceSign(halfTop);
  const int rightSign = ToleranceSign(rightWidth);
  const int distanceSign = ToleranceSign(d);

  if ((leftSign == 0 && rightSign == 0) || (leftSign == 1 && rightSign == 1)) {
    return GeneralCase(z, d, leftWidth, halfTop, rightWidth);
  }
  if (leftSign == 1) {
    if (topSign == 0) return SumOfParts(RampInfluence(distanceSign, d, z, leftWidth));
    if (topSign == 1) {
      // Left slope with flat top: the flat top as a uniform strip, then the slope as a ramp
      // whose vertical side is the left end of the flat top.
      const RampParts ramp = RampInfluence(ToleranceSign(d - halfTop), d - halfTop, z, leftWidth);
      return UniformStrip(z, d, halfTop) + ramp.part1 + ramp.part2;
    }
    return 0.0;
  }
  if (rightSign == 1) {
    if (topSign == 0) return SumOfParts(RampInfluence(ToleranceSign(-d), -d, z, rightWidth));
    if (topSign == 1) {
      // Flat top with right slope: the mirror image of the case above.
      const RampParts ramp =
          RampInfluence(ToleranceSign(-d - halfTop), -d - halfTop, z, rightWidth);
      return UniformStrip(z, -d, halfTop) + ramp.part1 + ramp.part2;
    }
  }
  return 0.0;
}

}  // namespace qel
