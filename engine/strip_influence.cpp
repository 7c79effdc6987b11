// Closed forms of the influence of one trapezoidal strip piece, by shape and point position.
#include "engine/strip_influence.h"

#include <algorithm>
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

// The case formulas of the older procedure, kept for pieces whose corners are out of order (a
// slope or the flat top of negative width), which are not a load shape.
double OutOfOrderPieceInfluence(double z, double d, double leftWidth, double halfTop,
                                double rightWidth) {
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
      const RampParts ramp = RampInfluence(ToleranceSign(d - halfTop), d - halfTop, z, leftWidth);
      return UniformStrip(z, d, halfTop) + ramp.part1 + ramp.part2;
    }
    return 0.0;
  }
  if (rightSign == 1) {
    if (topSign == 0) return SumOfParts(RampInfluence(ToleranceSign(-d), -d, z, rightWidth));
    if (topSign == 1) {
      const RampParts ramp =
          RampInfluence(ToleranceSign(-d - halfTop), -d - halfTop, z, rightWidth);
      return UniformStrip(z, -d, halfTop) + ramp.part1 + ramp.part2;
    }
  }
  return 0.0;
}

// With u the horizontal offset from the point and theta = atan2(u, z), the kernel
// 2 z^3 / (u^2 + z^2)^2 du is 2 cos^2(theta) d(theta); its primitive is theta + sin cos, and that
// of u times the kernel is -z cos^2(theta). Both are differenced here in closed form, so that
// an interval far from the point, where the primitives are nearly equal, loses no digits.
struct PrimitiveDifferences {
  double uniform = 0.0;  // the integral of the kernel over [from, to]
  double moment = 0.0;   // the integral of u times the kernel over [from, to]
};
PrimitiveDifferences DifferencesOver(double from, double to, double z) {
  const double width = to - from;
  const double fromSquared = from * from + z * z;
  const double toSquared = to * to + z * z;
  const double product = fromSquared * toSquared;
  PrimitiveDifferences differences;
  differences.uniform =
      std::atan2(z * width, z * z + from * to) + z * width * (z * z - from * to) / product;
  differences.moment = z * z * z * width * (to + from) / product;
  return differences;
}

// Gauss-Legendre nodes and weights on [-1, 1] (8 points, symmetric halves).
constexpr double kGaussNodes[4] = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                                   0.9602898564975363};
constexpr double kGaussWeights[4] = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                     0.1012285362903763};

// The integral of (u - from)/width times the kernel over [from, from + width]: a slope rising
// from 0 at `from` to 1 at its other end. A slope much narrower than the depth is integrated
// numerically, where the difference of primitives would cancel; the kernel varies on the scale
// of z, so eight nodes are exact to double precision there.
double RisingSlope(double from, double width, double z) {
  if (width < 0.25 * z) {
    double sum = 0.0;
    for (int i = 0; i < 4; ++i) {
      for (const double node : {-kGaussNodes[i], kGaussNodes[i]}) {
        const double fraction = 0.5 * (1.0 + node);
        const double u = from + fraction * width;
        const double r2 = u * u + z * z;
        sum += kGaussWeights[i] * fraction * 2.0 * z * z * z / (r2 * r2);
      }
    }
    return 0.5 * width * sum;
  }
  const PrimitiveDifferences differences = DifferencesOver(from, from + width, z);
  return (differences.moment - from * differences.uniform) / width;
}

// The same for a slope falling from 1 at `from` to 0 at its other end: the mirror image.
double FallingSlope(double from, double width, double z) {
  return RisingSlope(-(from + width), width, z);
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
  if (ToleranceSign(leftWidth) == -1 || ToleranceSign(halfTop) == -1 ||
      ToleranceSign(rightWidth) == -1) {
    return OutOfOrderPieceInfluence(z, d, leftWidth, halfTop, rightWidth);
  }
  // The piece as the integral of its intensity times the kernel, one part per slope and one for
  // the flat top, in offsets from the point: one expression for every shape and position, so
  // the value is continuous in every coordinate. Widths within 1e-7 below zero count as zero.
  const double a = std::max(leftWidth, 0.0);
  const double b = std::max(halfTop, 0.0);
  const double c = std::max(rightWidth, 0.0);
  const double topStart = d - b;
  const double topEnd = d + b;
  double value = DifferencesOver(topStart, topEnd, z).uniform;
  if (a > 0.0) value += RisingSlope(topStart - a, a, z);
  if (c > 0.0) value += FallingSlope(topEnd, c, z);
  return value;
}

}  // namespace qel
