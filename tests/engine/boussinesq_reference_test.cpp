// The engine's closed forms against numerical integration of Boussinesq's point-load solution.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "engine/rect_circle_influence.h"
#include "engine/strip_influence.h"
#include "tests/engine/adaptive_quadrature.h"

namespace qel {
namespace {

using test::Integrate;
using test::RealFunction;

// The strip and rectangle formulas are closed forms divided by 3.1415926536; their references
// divide by the same value so that only the integration itself is compared. The circle formula
// uses that value inside its terms, where it changes results by about 1e-11 only, so the circle
// reference uses pi.
constexpr long double kEnginePiLong = 3.1415926536L;
constexpr long double kPi = std::numbers::pi_v<long double>;

void Report(const std::string& name, double maximum) {
  ::testing::Test::RecordProperty(name, std::to_string(maximum));
  std::cout << "[ reference ] " << name << " = " << maximum << "\n";
}

// ---- Strips: I = (2/pi) * integral of p(xi) z^3 / ((xi - xP)^2 + z^2)^2 over the piece.

long double StripReference(const StripPiece& piece, long double xP, long double z) {
  const long double x1 = piece.x1, x2 = piece.x2, x3 = piece.x3, x4 = piece.x4;
  auto kernel = [&](long double xi) {
    const long double r2 = (xi - xP) * (xi - xP) + z * z;
    return z * z * z / (r2 * r2);
  };
  const RealFunction rising = [&](long double xi) { return (xi - x1) / (x2 - x1) * kernel(xi); };
  const RealFunction flat = [&](long double xi) { return kernel(xi); };
  const RealFunction falling = [&](long double xi) { return (x4 - xi) / (x4 - x3) * kernel(xi); };
  // Each stretch is integrated in two parts split at the point's vertical, where the kernel
  // peaks.
  auto split = [&](const RealFunction& f, long double a, long double b) {
    if (a < xP && xP < b) return Integrate(f, a, xP) + Integrate(f, xP, b);
    return Integrate(f, a, b);
  };
  long double sum = 0.0L;
  if (x2 > x1) sum += split(rising, x1, x2);
  if (x3 > x2) sum += split(flat, x2, x3);
  if (x4 > x3) sum += split(falling, x3, x4);
  return 2.0L / kEnginePiLong * sum;
}

TEST(BoussinesqReference, StripPiecesOfEveryShapeAndPointPosition) {
  struct Shape {
    const char* name;
    bool left, top, right;
  };
  const Shape shapes[] = {
      {"strip_trapezoid", true, true, true},
      {"strip_rectangle", false, true, false},
      {"strip_left_triangle", true, false, false},
      {"strip_right_triangle", false, false, true},
      {"strip_left_slope_flat_top", true, true, false},
      {"strip_flat_top_right_slope", false, true, true},
      {"strip_triangle_both_slopes", true, false, true},
  };
  std::mt19937 random(20240601);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  auto width = [&] { return 0.01 + 6.0 * unit(random); };
  for (const Shape& shape : shapes) {
    double maximum = 0.0;
    for (int trial = 0; trial < 300; ++trial) {
      StripPiece piece;
      piece.x1 = -10.0 + 20.0 * unit(random);
      piece.x2 = piece.x1 + (shape.left ? width() : 0.0);
      piece.x3 = piece.x2 + (shape.top ? width() : 0.0);
      piece.x4 = piece.x3 + (shape.right ? width() : 0.0);
      piece.h = piece.gamma = 1.0;
      // Half the points under the piece, half anywhere up to 8 m beside it.
      const double span = piece.x4 - piece.x1;
      const double xP = trial % 2 == 0 ? piece.x1 + span * unit(random)
                                       : piece.x1 - 8.0 + (span + 16.0) * unit(random);
      const double z = 0.02 * std::pow(600.0, unit(random));  // 0.02 m to 12 m
      const double error =
          std::fabs(StripPieceI(piece, xP, z) - static_cast<double>(StripReference(piece, xP, z)));
      maximum = std::max(maximum, error);
      ASSERT_LE(error, 1e-9) << shape.name << " (" << piece.x1 << ", " << piece.x2 << ", "
                             << piece.x3 << ", " << piece.x4 << ") at xP = " << xP << ", z = " << z;
    }
    Report(std::string("max_error_") + shape.name, maximum);
  }
}

// ---- Rectangles: (3 / (2 pi)) z^3 / (r^2 + z^2)^(5/2) over the area.

// The y integral of the point-load solution done exactly: for a line at plan distance a2 (as
// a^2 + z^2) from the point, the integral of 1 / (s2 + u^2)^(5/2) du is
// u (2u^2 + 3 s2) / (3 s2^2 (s2 + u^2)^(3/2)).
long double LineIntegral(long double s2, long double u) {
  return u * (2.0L * u * u + 3.0L * s2) / (3.0L * s2 * s2 * std::pow(s2 + u * u, 1.5L));
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
  // result (1e-13) rather than relative to each part.
  const long double scale = 3.0L / (2.0L * kEnginePiLong) * z * z * z;
  const long double tolerance = 1e-13L / scale;
  long double sum = 0.0L;
  if (xLow < xP && xP < xHigh) {
    sum = Integrate(across, xLow, xP, tolerance, false) +
          Integrate(across, xP, xHigh, tolerance, false);
  } else {
    sum = Integrate(across, xLow, xHigh, tolerance, false);
  }
  return scale * sum;
}

// The same integral with both directions integrated numerically, to check the line integral;
// for points inside the rectangle.
long double RectangleReferenceByAreaQuadrature(long double xP, long double yP, long double z,
                                               long double x1, long double y1, long double x2,
                                               long double y2) {
  const RealFunction across = [&](long double x) {
    const RealFunction along = [&](long double y) {
      const long double r2 = (x - xP) * (x - xP) + (y - yP) * (y - yP);
      return 1.0L / std::pow(r2 + z * z, 2.5L);
    };
    return Integrate(along, y1, yP) + Integrate(along, yP, y2);
  };
  const long double sum = Integrate(across, x1, xP) + Integrate(across, xP, x2);
  return 3.0L / (2.0L * kEnginePiLong) * z * z * z * sum;
}

TEST(BoussinesqReference, LineIntegralAgreesWithAreaQuadrature) {
  const double cases[][7] = {
      {0.5, 0.5, 1.0, 0.0, 0.0, 2.0, 1.5},
      {1.2, 0.1, 0.3, 0.0, -1.0, 2.0, 1.0},
      {0.0, 0.0, 2.5, -1.0, -2.0, 3.0, 0.5},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(static_cast<double>(RectangleReference(c[0], c[1], c[2], c[3], c[4], c[5], c[6])),
                static_cast<double>(
                    RectangleReferenceByAreaQuadrature(c[0], c[1], c[2], c[3], c[4], c[5], c[6])),
                1e-11);
  }
}

TEST(BoussinesqReference, RectanglesInAllNinePositionClasses) {
  std::mt19937 random(4711);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  // A coordinate before the first side (1), beyond the second (2) or between them (3), at
  // least 1 mm from either side.
  auto place = [&](int positionClass, double low, double high) {
    const double margin = 0.001 + 6.0 * unit(random);
    if (positionClass == 1) return low - margin;
    if (positionClass == 2) return high + margin;
    return low + 0.001 + (high - low - 0.002) * unit(random);
  };
  double maximum = 0.0;
  for (int px = 1; px <= 3; ++px) {
    for (int py = 1; py <= 3; ++py) {
      for (int trial = 0; trial < 100; ++trial) {
        const double xLow = -10.0 + 20.0 * unit(random);
        const double xHigh = xLow + 0.01 + 10.0 * unit(random);
        const double yLow = -10.0 + 20.0 * unit(random);
        const double yHigh = yLow + 0.01 + 10.0 * unit(random);
        const double xP = place(px, xLow, xHigh);
        const double yP = place(py, yLow, yHigh);
        const double z = 0.01 * std::pow(2000.0, unit(random));  // 0.01 m to 20 m
        // Corners given either way round in each direction.
        const bool reverseX = trial % 2 == 1;
        const bool reverseY = trial % 4 >= 2;
        const double x1 = reverseX ? xHigh : xLow, x2 = reverseX ? xLow : xHigh;
        const double y1 = reverseY ? yHigh : yLow, y2 = reverseY ? yLow : yHigh;
        const double engine = RectangleInfluence(xP, yP, z, x1, y1, x2, y2);
        const double reference = static_cast<double>(RectangleReference(xP, yP, z, x1, y1, x2, y2));
        const double error = std::fabs(engine - reference);
        maximum = std::max(maximum, error);
        ASSERT_LE(error, 1e-9) << "class (" << px << ", " << py << "), rectangle (" << x1 << ", "
                               << y1 << ") - (" << x2 << ", " << y2 << "), point (" << xP << ", "
                               << yP << "), z = " << z;
      }
    }
  }
  Report("max_error_rectangle", maximum);
}

// ---- Circles: the same solution over the disc, in polar coordinates about the point. Along a
// ray the radial integral is exact: the load from the point's vertical out to distance r gives
// 1 - z^3 / (r^2 + z^2)^(3/2).

long double Beyond(long double r, long double z) {
  return z * z * z / std::pow(r * r + z * z, 1.5L);
}

long double CircleReference(long double radius, long double rho, long double z) {
  if (rho < radius) {
    // Every ray leaves the disc once, at r = rho cos(theta) + sqrt(R^2 - rho^2 sin^2(theta)).
    const RealFunction ray = [&](long double theta) {
      const long double s = rho * std::sin(theta);
      return 1.0L - Beyond(rho * std::cos(theta) + std::sqrt(radius * radius - s * s), z);
    };
    return Integrate(ray, 0.0L, kPi) / kPi;
  }
  // Rays within alpha = asin(R / rho) of the centre's direction cross the disc. With
  // theta = alpha - u^2 the chord's square root, which vanishes at the tangent, becomes smooth:
  // R^2 - rho^2 sin^2(theta) = rho^2 sin(u^2) sin(2 alpha - u^2).
  const long double alpha = std::asin(radius / rho);
  const RealFunction ray = [&](long double u) {
    const long double theta = alpha - u * u;
    const long double halfChord = rho * std::sqrt(std::sin(u * u) * std::sin(2.0L * alpha - u * u));
    const long double middle = rho * std::cos(theta);
    return (Beyond(middle - halfChord, z) - Beyond(middle + halfChord, z)) * 2.0L * u;
  };
  return Integrate(ray, 0.0L, std::sqrt(alpha)) / kPi;
}

TEST(BoussinesqReference, CirclesAwayFromTheAxisAndTheEdge) {
  std::mt19937 random(1234);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  double maximum = 0.0;
  int inside = 0;
  int outside = 0;
  while (inside + outside < 1200) {
    const double radius = 0.2 + 5.0 * unit(random);
    const double h = 0.001 + 3.5 * unit(random);
    const double e = 0.2 * std::pow(30.0, unit(random));  // z from 0.2 R to 6 R
    const double lambda = (1.0 - h) / (1.0 + h);
    if (std::fabs(lambda) < 0.0175) continue;
    (h < 1.0 ? inside : outside) += 1;
    const double rho = h * radius;
    const double z = e * radius;
    const double error = std::fabs(CircularLoadInfluence(radius, rho, z) -
                                   static_cast<double>(CircleReference(radius, rho, z)));
    maximum = std::max(maximum, error);
    ASSERT_LE(error, 1e-6) << "radius " << radius << ", distance " << rho << ", z " << z;
  }
  EXPECT_GT(inside, 200);
  EXPECT_GT(outside, 200);
  Report("max_error_circle", maximum);
}

// On the axis the reference is 1 - e^3 / (1 + e^2)^(3/2); the engine departs from it by
// t * (1.5727 - pi/2) with t = e / (pi sqrt(1 + e^2)), as its axis constant requires.
TEST(BoussinesqReference, CircleAxisDepartsByTheAxisConstant) {
  for (double e : {0.05, 0.3, 1.0, 2.0, 8.0}) {
    const long double exact = 1.0L - Beyond(1.0L, e);
    EXPECT_NEAR(static_cast<double>(CircleReference(1.0L, 0.0L, e)), static_cast<double>(exact),
                1e-12);
    const double t = e / (3.1415926536 * std::sqrt(1.0 + e * e));
    EXPECT_NEAR(CircularLoadInfluence(1.0, 0.0, e) - static_cast<double>(exact),
                -t * (1.5727 - 1.5707963268), 1e-9)
        << e;
  }
}

}  // namespace
}  // namespace qel
