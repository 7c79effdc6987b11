// Influence of a uniformly loaded circle from the exact closed form in complete elliptic integrals.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/complete_elliptic_pi.h"
#include "engine/rect_circle_influence.h"

namespace qel {

namespace {

constexpr double kInvalidInput = -999999.99;
// Depth ratios below this are the surface itself: the value differs from the surface value by
// less than the depth ratio, and the squares below would underflow.
constexpr double kSurfaceRatio = 1e-100;
// Closer to the edge than this (relative), lambda^2 would underflow; the value is the edge
// value to far better than double precision there.
constexpr double kEdgeRatio = 1e-150;

// 1 - (1 + (R/z)^2)^(-3/2), without cancellation when the point is deep.
double AxisValue(double e) {
  const double ratioSquared = 1.0 / (e * e);
  return -std::expm1(-1.5 * std::log1p(ratioSquared));
}

}  // namespace

double ExactCircularLoadInfluence(double radius, double distance, double z) {
  if (distance < 0.0 || z < 0.0) return kInvalidInput;
  if (!(radius > 0.0)) return 0.0;
  const double h = distance / radius;
  const double e = z / radius;
  // The load's own share: all of it inside, none outside, half under the edge.
  const double share = h < 1.0 ? 1.0 : (h > 1.0 ? 0.0 : 0.5);
  if (e < kSurfaceRatio) return share;
  if (h == 0.0) return AxisValue(e);

  // With l = 1 + h and m = l^2 + e^2: k^2 = 4h/m, n = 4h/l^2, lambda = (1 - h)/l, and
  // I = share - e/(pi sqrt(m)) (E(k) G + lambda Pi(n, k)) with G = (h^2 + e^2 - 1)/((1-h)^2+e^2).
  const double l = 1.0 + h;
  const double m = l * l + e * e;
  if (!std::isfinite(m)) return 0.0;  // so far away or so deep that nothing arrives
  const double gapSquared = (1.0 - h) * (1.0 - h) + e * e;
  const double kComplementSquared = gapSquared / m;
  const double t = e / (std::numbers::pi * std::sqrt(m));
  const double shape = ((h - 1.0) * (h + 1.0) + e * e) / gapSquared;
  const double lambda = (1.0 - h) / l;
  // E(k) and Pi(n, k) from the complements k' and 1 - n = lambda^2, both formed from the
  // geometry without a subtraction, which keeps them exact to a few ulps at the singular
  // limits (under the edge at shallow depth); under the edge itself Pi is not needed.
  const bool underTheEdge = std::fabs(lambda) < kEdgeRatio;
  const CompleteEllipticIntegrals integrals = CompleteEllipticIntegralsOf(
      std::sqrt(kComplementSquared), underTheEdge ? 1.0 : lambda * lambda);
  const double ellipticE = integrals.e;

  double value;
  if (underTheEdge) {
    // Under the edge lambda Pi tends to +-pi/(2 k') and takes exactly half of the load's share.
    value = 0.5 - t * ellipticE * shape;
  } else {
    const double lambdaPi = lambda * integrals.pi;
    value = share - t * (ellipticE * shape + lambdaPi);
  }
  if (std::isnan(value)) return share;
  // Rounding can leave a value a few ulps outside the physical range.
  return std::clamp(value, 0.0, 1.0);
}

}  // namespace qel
