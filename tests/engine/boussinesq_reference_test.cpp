// The engine's closed forms against numerical integration of Boussinesq's point-load solution.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "engine/adaptive_quadrature.h"
#include "engine/boussinesq_references.h"
#include "engine/rect_circle_influence.h"
#include "engine/strip_influence.h"

namespace qel {
namespace {

// The strip and rectangle formulas divide by 3.1415926536 where pi would be exact, which
// changes their values by about 3e-12 at most; the references use pi.
constexpr long double kEnginePiLong = 3.1415926536L;
constexpr long double kPi = std::numbers::pi_v<long double>;

void Report(const std::string& name, double maximum) {
  ::testing::Test::RecordProperty(name, std::to_string(maximum));
  std::cout << "[ reference ] " << name << " = " << maximum << "\n";
}

// ---- Strips: I = (2/pi) * integral of p(xi) z^3 / ((xi - xP)^2 + z^2)^2 over the piece.

long double StripReference(const StripPiece& piece, long double xP, long double z) {
  return qel::StripReference(piece.x1, piece.x2, piece.x3, piece.x4, xP, z);
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

TEST(BoussinesqReference, ExactCirclesEverywhereFromTheAxisToBeyondTheEdge) {
  std::mt19937 random(1234);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  double maximum = 0.0;
  int inside = 0;
  int outside = 0;
  while (inside + outside < 1200) {
    const double radius = 0.2 + 5.0 * unit(random);
    // A third of the points within 5 % of the edge, where the older method blended.
    const double h =
        inside + outside < 400 ? 0.95 + 0.1 * unit(random) : 0.001 + 3.5 * unit(random);
    const double e = 0.001 * std::pow(20000.0, unit(random));  // z from 0.001 R to 20 R
    (h < 1.0 ? inside : outside) += 1;
    const double rho = h * radius;
    const double z = e * radius;
    const double error = std::fabs(CircularLoadInfluence(radius, rho, z) -
                                   static_cast<double>(CircleReference(radius, rho, z)));
    maximum = std::max(maximum, error);
    ASSERT_LE(error, 1e-9) << "radius " << radius << ", distance " << rho << ", z " << z;
  }
  EXPECT_GT(inside, 200);
  EXPECT_GT(outside, 200);
  Report("max_error_circle", maximum);
}

// On the axis the reference is 1 - e^3 / (1 + e^2)^(3/2); the compatible method departs from it
// by t * (1.5727 - pi/2) with t = e / (pi sqrt(1 + e^2)), as its axis constant requires.
TEST(BoussinesqReference, CompatibleCircleAxisDepartsByTheAxisConstant) {
  for (double e : {0.05, 0.3, 1.0, 2.0, 8.0}) {
    const long double exact = 1.0L - Beyond(1.0L, e);
    EXPECT_NEAR(static_cast<double>(CircleReference(1.0L, 0.0L, e)), static_cast<double>(exact),
                1e-12);
    const double t = e / (3.1415926536 * std::sqrt(1.0 + e * e));
    EXPECT_NEAR(CompatibleCircularLoadInfluence(1.0, 0.0, e) - static_cast<double>(exact),
                -t * (1.5727 - 1.5707963268), 1e-9)
        << e;
  }
}

}  // namespace
}  // namespace qel
