// Reference values by adaptive quadrature of Boussinesq's point-load solution.
#include "engine/boussinesq_references.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/adaptive_quadrature.h"

namespace qel {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// The y integral of the point-load solution done exactly: for a line at plan distance a2 (as
// a^2 + z^2) from the point, the integral of 1 / (s2 + u^2)^(5/2) du is
// u (2u^2 + 3 s2) / (3 s2^2 (s2 + u^2)^(3/2)).
long double LineIntegral(long double s2, long double u) {
  return u * (2.0L * u * u + 3.0L * s2) / (3.0L * s2 * s2 * std::pow(s2 + u * u, 1.5L));
}

// The load beyond plan distance r along a ray: z^3 / (r^2 + z^2)^(3/2) of it reaches the point.
long double Beyond(long double r, long double z) {
  return z * z * z / std::pow(r * r + z * z, 1.5L);
}

}  // namespace

long double StripReference(long double x1, long double x2, long double x3, long double x4,
                           long double xP, long double z) {
  auto kernel = [&](long double xi) {
    const long double r2 = (xi - xP) * (xi - xP) + z * z;
    return z * z * z / (r2 * r2);
  };
  const RealFunction rising = [&](long double xi) { return (xi - x1) / (x2 - x1) * kernel(xi); };
  const RealFunction flat = [&](long double xi) { return kernel(xi); };
  const RealFunction falling = [&](long double xi) { return (x4 - xi) / (x4 - x3) * kernel(xi); };
  // Each stretch is integrated in two parts split at the point's vertical, where the kernel
  // peaks; the accuracy is asked of the result, as a part far away may be tiny.
  const long double tolerance = 1e-16L;
  auto split = [&](const RealFunction& f, long double a, long double b) {
    if (a < xP && xP < b)
      return Integrate(f, a, xP, tolerance, false) + Integrate(f, xP, b, tolerance, false);
    return Integrate(f, a, b, tolerance, false);
  };
  long double sum = 0.0L;
  if (x2 > x1) sum += split(rising, x1, x2);
  if (x3 > x2) sum += split(flat, x2, x3);
  if (x4 > x3) sum += split(falling, x3, x4);
  return 2.0L / kPi * sum;
}

long double RectangleReference(long double xP, long double yP, long double z, long double x1,
                               long double y1, long double x2, long double y2) {
  const long double xLow = std::min(x1, x2), xHigh = std::max(x1, x2);
  const long double yLow = std::min(y1, y2), yHigh = std::max(y1, y2);
  const RealFunction across = [&](long double x) {
    const long double s2 = (x - xP) * (x - xP) + z * z;
    return LineIntegral(s2, yHigh - yP) - LineIntegral(s2, yLow - yP);
  };
  // Far from the point the two line integrals nearly cancel, so the accuracy is asked of the
  // result (1e-14) rather than relative to each part.
  const long double scale = 3.0L / (2.0L * kPi) * z * z * z;
  const long double tolerance = 1e-14L / scale;
  if (xLow < xP && xP < xHigh) {
    return scale * (Integrate(across, xLow, xP, tolerance, false) +
                    Integrate(across, xP, xHigh, tolerance, false));
  }
  return scale * Integrate(across, xLow, xHigh, tolerance, false);
}

long double CircleReference(long double radius, long double rho, long double z) {
  const long double gap = (radius - rho) * (radius + rho);  // R^2 - rho^2
  if (rho <= radius) {
    // Every ray leaves the disc once, at r = rho cos(theta) + sqrt(R^2 - rho^2 sin^2(theta)),
    // written as gap / (sqrt(...) - rho cos(theta)) where the two terms nearly cancel.
    const RealFunction ray = [&](long double theta) {
      const long double s = rho * std::sin(theta);
      const long double c = rho * std::cos(theta);
      const long double root = std::sqrt(radius * radius - s * s);
      const long double exit = c >= 0.0L ? c + root : (root - c > 0.0L ? gap / (root - c) : 0.0L);
      return 1.0L - Beyond(exit, z);
    };
    return Integrate(ray, 0.0L, kPi, 1e-17L, false) / kPi;
  }
  // Rays within alpha = asin(R / rho) of the centre's direction cross the disc. With
  // theta = alpha - u^2 the chord's square root, which vanishes at the tangent, becomes smooth:
  // R^2 - rho^2 sin^2(theta) = rho^2 sin(u^2) sin(2 alpha - u^2).
  const long double alpha = std::asin(radius / rho);
  const RealFunction ray = [&](long double u) {
    const long double theta = alpha - u * u;
    const long double halfChord = rho * std::sqrt(std::sin(u * u) * std::sin(2.0L * alpha - u * u));
    const long double middle = rho * std::cos(theta);
    const long double entry = -gap / (middle + halfChord);  // middle - halfChord
    return (Beyond(entry, z) - Beyond(middle + halfChord, z)) * 2.0L * u;
  };
  return Integrate(ray, 0.0L, std::sqrt(alpha), 1e-17L, false) / kPi;
}

}  // namespace qel
