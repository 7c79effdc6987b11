// Tests of the rectangle and circle influence: worked values, superposition, edge behaviour.
#include "engine/rect_circle_influence.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "engine/boussinesq_references.h"
#include "engine/elliptic_tables.h"
#include "engine/strip_influence.h"

namespace qel {
namespace {

TEST(PlanDistance, IsZeroBelowTheSquaredTolerance) {
  EXPECT_EQ(PlanDistance(1.0, 2.0, 4.0, 6.0), 5.0);
  EXPECT_EQ(PlanDistance(0.0, 0.0, 3.0e-4, 0.0), 0.0);      // 9e-8 squared
  EXPECT_EQ(PlanDistance(0.0, 0.0, 2.0e-4, -2.4e-4), 0.0);  // 9.76e-8 squared
  EXPECT_DOUBLE_EQ(PlanDistance(0.0, 0.0, 3.2e-4, 0.0), 3.2e-4);
}

TEST(RectangleCornerInfluence, WorkedValuesAndLimits) {
  EXPECT_NEAR(RectangleCornerInfluence(1.0, 1.0), 0.175221, 5e-7);
  EXPECT_NEAR(RectangleCornerInfluence(2.0, 1.0), 0.199941, 5e-7);
  EXPECT_DOUBLE_EQ(RectangleCornerInfluence(1.0, 2.0), RectangleCornerInfluence(2.0, 1.0));
  EXPECT_DOUBLE_EQ(RectangleCornerInfluence(0.3, 5.0), RectangleCornerInfluence(5.0, 0.3));
  EXPECT_EQ(RectangleCornerInfluence(0.0, 3.0), 0.0);
  EXPECT_EQ(RectangleCornerInfluence(3.0, 0.0), 0.0);
  // Under the corner of a loaded quadrant a quarter of the load is felt.
  EXPECT_NEAR(RectangleCornerInfluence(1e4, 1e4), 0.25, 1e-7);
}

TEST(RectangleInfluence, InsideAndOnSidesAddEveryCornerValue) {
  // Centre of a square of side 2 at depth 1: four corners with m = n = 1.
  EXPECT_NEAR(RectangleInfluence(1.0, 1.0, 1.0, 0.0, 0.0, 2.0, 2.0),
              4.0 * RectangleCornerInfluence(1.0, 1.0), 1e-15);
  // On the side x = X1: the two corner rectangles towards X1 have no width.
  EXPECT_NEAR(RectangleInfluence(0.0, 0.0, 1.0, 0.0, -1.0, 2.0, 1.0), 2.0 * 0.199941, 1e-6);
  // A rectangle of no width carries no load; one of 1e-7 m next to nothing.
  EXPECT_EQ(RectangleInfluence(3.0, 0.0, 1.0, 1.0, -1.0, 1.0, 1.0), 0.0);
  EXPECT_NEAR(RectangleInfluence(3.0, 0.0, 1.0, 1.0, -1.0, 1.0 + 1e-7, 1.0), 0.0, 1e-8);
  // 0.3 mm from a side is not on the side.
  EXPECT_NEAR(RectangleInfluence(1.0003, 0.5, 0.02, 1.0, -0.5, 5.0, 1.5), 0.5095462, 1e-7);
}

TEST(RectangleInfluence, TermsListTheCornerRectanglesInOrder) {
  const RectangleTerms terms = RectangleInfluenceTerms(5.0, 7.0, 2.0, 1.0, 2.0, 3.0, 4.0);
  // P22, P21, P11, P12 of a point beyond both second sides (px = py = 2).
  const double expectedX[4] = {1.0, 1.0, 2.0, 2.0};
  const double expectedY[4] = {1.5, 2.5, 2.5, 1.5};
  const double expectedSign[4] = {1.0, -1.0, 1.0, -1.0};
  double sum = 0.0;
  for (int corner = 0; corner < 4; ++corner) {
    EXPECT_DOUBLE_EQ(terms.ratioX[corner], expectedX[corner]) << corner;
    EXPECT_DOUBLE_EQ(terms.ratioY[corner], expectedY[corner]) << corner;
    EXPECT_DOUBLE_EQ(
        terms.signedValue[corner],
        expectedSign[corner] * RectangleCornerInfluence(expectedX[corner], expectedY[corner]))
        << corner;
    sum += terms.signedValue[corner];
  }
  EXPECT_EQ(terms.sum, sum);
  // The sum alone is formed side by side (two corners at a time), the same to rounding.
  EXPECT_NEAR(RectangleInfluence(5.0, 7.0, 2.0, 1.0, 2.0, 3.0, 4.0), terms.sum, 1e-16);
}

TEST(RectangleInfluence, ReversedCornersGiveTheSameValue) {
  for (double xP : {-1.0, 0.5, 2.0, 3.5}) {
    for (double yP : {-2.0, 1.0, 1.5, 6.0}) {
      const double forward = RectangleInfluence(xP, yP, 0.7, 0.0, 0.0, 3.0, 4.0);
      EXPECT_NEAR(RectangleInfluence(xP, yP, 0.7, 3.0, 4.0, 0.0, 0.0), forward, 1e-14);
      EXPECT_NEAR(RectangleInfluence(xP, yP, 0.7, 3.0, 0.0, 0.0, 4.0), forward, 1e-14);
      EXPECT_NEAR(RectangleInfluence(xP, yP, 0.7, 0.0, 4.0, 3.0, 0.0), forward, 1e-14);
    }
  }
}

TEST(RectangleInfluence, SuperpositionOfRectangles) {
  for (double z : {0.3, 1.0, 4.0}) {
    // Four quadrants meeting at the point make up the rectangle around it.
    const double centre = RectangleInfluence(1.0, 2.0, z, -1.0, -1.0, 4.0, 3.0);
    const double quadrants = RectangleInfluence(1.0, 2.0, z, 1.0, 2.0, 4.0, 3.0) +
                             RectangleInfluence(1.0, 2.0, z, -1.0, 2.0, 1.0, 3.0) +
                             RectangleInfluence(1.0, 2.0, z, -1.0, -1.0, 1.0, 2.0) +
                             RectangleInfluence(1.0, 2.0, z, 1.0, -1.0, 4.0, 2.0);
    EXPECT_NEAR(quadrants, centre, 1e-14) << z;
    // A rectangle cut in two, seen from points inside, outside and in line with the cut.
    for (double xP : {-3.0, 0.5, 2.0, 6.0}) {
      for (double yP : {-4.0, 0.0, 2.5, 5.0}) {
        const double whole = RectangleInfluence(xP, yP, z, 0.0, 0.0, 4.0, 3.0);
        const double halves = RectangleInfluence(xP, yP, z, 0.0, 0.0, 1.5, 3.0) +
                              RectangleInfluence(xP, yP, z, 1.5, 0.0, 4.0, 3.0);
        EXPECT_NEAR(halves, whole, 1e-14) << xP << ", " << yP << ", " << z;
      }
    }
  }
}

TEST(RectangleInfluence, LongRectangleApproachesTheStripValue) {
  for (double xP : {-2.0, 1.0, 2.0, 5.0}) {
    for (double z : {0.5, 2.0}) {
      const double strip = StripPieceI(StripPiece{0, 0, 4, 4, 1, 1}, xP, z);
      EXPECT_NEAR(RectangleInfluence(xP, 0.0, z, 0.0, -1000.0, 4.0, 1000.0), strip, 1e-8)
          << xP << ", " << z;
    }
  }
}

struct CircleValue {
  double distance, z, expected;
};

TEST(CompatibleCircularLoadInfluence, WorkedValuesOfUnitCircle) {
  const CircleValue cases[] = {
      {0.0, 1.0, 0.646018},   // on the axis, with the axis constant 1.5727
      {0.0, 2.0, 0.283916},   // on the axis, deeper
      {0.5, 1.0, 0.562224},   // general formula inside
      {1.0, 1.0, 0.331470},   // under the edge
      {0.99, 1.0, 0.336800},  // blended just inside the edge
      {1.01, 1.0, 0.326894},  // blended just outside the edge
      {2.0, 1.0, 0.041810},   // general formula outside
  };
  for (const CircleValue& c : cases) {
    EXPECT_NEAR(CompatibleCircularLoadInfluence(1.0, c.distance, c.z), c.expected, 5e-7)
        << "distance " << c.distance << ", z " << c.z;
  }
}

TEST(CompatibleCircularLoadInfluence, SurfaceTinyCirclesAndInvalidInput) {
  const CircleMethod compatible = CircleMethod::kCompatible;
  for (double radius : {0.5, 1.0, 7.0}) {
    EXPECT_EQ(CircularLoadInfluence(radius, 0.0, 1e-5, compatible), 1.0);
    EXPECT_EQ(CircularLoadInfluence(radius, 0.49 * radius, 1e-5, compatible), 1.0);
    EXPECT_EQ(CircularLoadInfluence(radius, 2.01 * radius, 1e-5, compatible), 0.0);
    EXPECT_GT(CircularLoadInfluence(radius, 0.49 * radius, 0.02 * radius, compatible), 0.99);
  }
  EXPECT_EQ(CircularLoadInfluence(0.0009, 0.0, 1e-5, compatible), 0.0);
  EXPECT_EQ(CircularLoadInfluence(0.0009, 0.0001, 0.001, compatible), 0.0);
  for (CircleMethod method : {CircleMethod::kExact, compatible}) {
    EXPECT_EQ(CircularLoadInfluence(1.0, -0.5, 1.0, method), -999999.99);
    EXPECT_EQ(CircularLoadInfluence(1.0, 1.0, -1.0, method), -999999.99);
  }
}

// The exact value at the edge at shallow depth (inside, on, outside), deep, and for tiny and
// huge circles, against quadrature of the point-load solution; always within [0, 1].
TEST(ExactCircularLoadInfluence, EdgeAxisDeepTinyAndHugeCircles) {
  for (double radius : {1e-4, 1.0, 1e5}) {
    for (double e : {0.001, 0.01, 0.1}) {
      for (double h : {0.999, 1.0, 1.001}) {
        const double value = ExactCircularLoadInfluence(radius, h * radius, e * radius);
        EXPECT_NEAR(value, static_cast<double>(CircleReference(1.0L, h, e)), 1e-12)
            << "radius " << radius << ", h " << h << ", e " << e;
      }
    }
    for (double e : {20.0, 1000.0}) {
      const double axis = 1.0 - std::pow(1.0 + 1.0 / (e * e), -1.5);
      EXPECT_NEAR(ExactCircularLoadInfluence(radius, 0.0, e * radius), axis, 1e-15);
      EXPECT_NEAR(ExactCircularLoadInfluence(radius, 0.5 * radius, e * radius),
                  static_cast<double>(CircleReference(1.0L, 0.5L, e)), 1e-15);
    }
  }
  // The surface: the load inside, half of it under the edge, nothing outside.
  EXPECT_EQ(ExactCircularLoadInfluence(1.0, 0.3, 0.0), 1.0);
  EXPECT_EQ(ExactCircularLoadInfluence(1.0, 1.0, 0.0), 0.5);
  EXPECT_EQ(ExactCircularLoadInfluence(1.0, 1.7, 0.0), 0.0);
  EXPECT_EQ(ExactCircularLoadInfluence(0.0, 0.0, 1.0), 0.0);
  // Where the older method left the physical range.
  for (double h : {0.96, 0.979, 0.99, 1.01, 1.02, 1.04}) {
    const double value = ExactCircularLoadInfluence(1.0, h, 0.01);
    EXPECT_GE(value, 0.0);
    EXPECT_LE(value, 1.0);
  }
}

// The change across +-1e-9 of every boundary where the older procedures switched formulas or
// had a dead band is the change over the next 2e-9 beside it, to 1e-9: no jump anywhere. (Near a
// circle's edge at 1 mm depth the true value falls by 3e-7 per 1e-9 m, so the values
// themselves cannot agree to 1e-9.)
double JumpAcross(const std::function<double(double)>& f, double boundary) {
  const double step = 1e-9;
  return std::fabs((f(boundary + step) - f(boundary - step)) -
                   (f(boundary + 3.0 * step) - f(boundary + step)));
}

TEST(ExactInfluence, NoJumpAcrossAnyOldSwitchOrDeadBand) {
  for (double e : {0.001, 0.01, 0.3, 1.0, 1.7}) {
    for (double h : {0.0001, 0.98, 0.989, 1.0, 1.011, 1.02}) {
      EXPECT_LE(JumpAcross([&](double x) { return ExactCircularLoadInfluence(1.0, x, e); }, h),
                1e-9)
          << "h " << h << ", e " << e;
    }
  }
  // The strip: the tolerance on the distance to the middle and on the flat top's ends.
  for (double boundary : {-0.95, 1.55, 0.3, 0.3 + 1e-7, 0.3 - 1e-7, -0.95 + 1e-7}) {
    EXPECT_LE(
        JumpAcross([](double x) { return StripPieceInfluence(0.001, x, 0.3, 1.5, 1.25, 0.0); },
                   boundary),
        1e-9)
        << boundary;
  }
  // Slope widths and the half top around zero and the tolerance of 1e-7; at zero the value has a
  // kink (a width below zero counts as zero), so the change beside it differs by the slope
  // times 1e-9, far below the old jumps of 1e-4.
  for (double width : {1e-7, 0.0}) {
    EXPECT_LE(
        JumpAcross([](double w) { return StripPieceInfluence(0.5, 1.0, 2.0, w, 1.0, 0.0); }, width),
        1e-8);
    EXPECT_LE(
        JumpAcross([](double b) { return StripPieceInfluence(0.5, 1.0, 2.0, 3.0, b, 0.0); }, width),
        1e-8);
  }
  // A rectangle's side, its old dead band of 3.16e-4 m and a corner.
  for (double x : {1.0, 1.0 + 3.1623e-4, 1.0 - 3.1623e-4}) {
    EXPECT_LE(
        JumpAcross([](double xP) { return RectangleInfluence(xP, 0.5, 0.02, 1.0, -0.5, 5.0, 1.5); },
                   x),
        1e-9);
    EXPECT_LE(
        JumpAcross(
            [](double xP) { return RectangleInfluence(xP, xP - 1.5, 0.02, 1.0, -0.5, 5.0, 1.5); },
            x),
        1e-9);
  }
}

TEST(CompatibleCircularLoadInfluence, ContinuousAcrossTheEdgeTest) {
  EXPECT_NEAR(CompatibleCircularLoadInfluence(1.0, 1.00015, 1.0), 0.332, 0.001);
  EXPECT_NEAR(CompatibleCircularLoadInfluence(1.0, 0.99985, 1.0), 0.331, 0.001);
  for (double radius : {0.002, 0.05, 1.0, 20.0}) {
    for (double e : {0.05, 0.5, 1.0, 3.0}) {
      double previous = CompatibleCircularLoadInfluence(radius, 0.9990 * radius, e * radius);
      for (int step = 1; step <= 200; ++step) {
        const double h = 0.9990 + step * 1e-5;
        const double value = CompatibleCircularLoadInfluence(radius, h * radius, e * radius);
        EXPECT_NEAR(value, previous, 5e-3) << "radius " << radius << ", e " << e << ", h " << h;
        previous = value;
      }
    }
  }
}

TEST(CircularLoadInfluence, DependsOnlyOnDistanceAndDepthRatios) {
  // A circle of 2 mm is within 0.1 mm of its edge over 5 % of its radius; its values must still
  // be those of a large circle.
  for (double h : {0.0, 0.3, 0.9, 0.955, 0.97, 0.99, 1.0, 1.01, 1.03, 1.045, 1.3, 2.5}) {
    for (double e : {0.02, 0.3, 1.0, 2.0}) {
      const double large = CircularLoadInfluence(1.0, h, e);
      EXPECT_NEAR(CircularLoadInfluence(0.002, h * 0.002, e * 0.002), large, 1e-9)
          << "h " << h << ", e " << e;
      EXPECT_NEAR(CircularLoadInfluence(35.0, h * 35.0, e * 35.0), large, 1e-9)
          << "h " << h << ", e " << e;
    }
  }
}

TEST(EllipticESeries, KnownValuesFixedEndsAndEnlargement) {
  EXPECT_EQ(EllipticESeries(0.00005, 0.5, 1.0), 1.5707963268);
  EXPECT_EQ(EllipticESeries(0.999995, 0.0, 1.0), 1.00025);
  // E(m = 0.5) and E(m = 0.9).
  EXPECT_NEAR(EllipticESeries(0.5, 0.5, 1.0), 1.3506438810476755, 1e-9);
  EXPECT_NEAR(EllipticESeries(0.9, 0.5, 1.0), 1.1047747327040733, 1e-8);
  // Near the edge (|c| < 0.011) the value grows by (0.011 - |c|) * depthFactor.
  const double plain = EllipticESeries(0.5, 0.011, 0.8);
  EXPECT_EQ(EllipticESeries(0.5, 0.2, 0.8), plain);
  EXPECT_NEAR(EllipticESeries(0.5, 0.0, 0.8), plain * (1.0 + 0.011 * 0.8), 1e-15);
  EXPECT_NEAR(EllipticESeries(0.5, -0.005, 0.8), plain * (1.0 + 0.006 * 0.8), 1e-15);
  EXPECT_EQ(EllipticESeries(0.5, 0.0, 0.0), plain);
}

TEST(EllipticPi, KnownValuesAndIntegrandSentinels) {
  // Pi with w = 0 is K; with k = 0 it is pi / (2 sqrt(1 + w)).
  EXPECT_NEAR(EllipticPi(0.0, std::sqrt(0.5)), 1.8540746773013719, 1e-9);
  EXPECT_NEAR(EllipticPi(-0.5, 0.0), M_PI / (2.0 * std::sqrt(0.5)), 1e-9);
  EXPECT_NEAR(EllipticPi(3.0, 0.0), M_PI / 4.0, 1e-9);
  // The integrand at a node given by sin^2 of its angle: 1 at angle 0, the sentinel for k
  // outside 0..1, the cap where the denominator vanishes at the right angle.
  EXPECT_EQ(EllipticPiIntegrandAtSinSquared(0.0, -0.7, 0.4), 1.0);
  EXPECT_EQ(EllipticPiIntegrandAtSinSquared(0.3, 0.5, -0.1), -999999999.0);
  EXPECT_EQ(EllipticPiIntegrandAtSinSquared(0.3, 0.5, 1.1), -999999999.0);
  EXPECT_EQ(EllipticPiIntegrandAtSinSquared(1.0, -1.0, 0.5), 9999.0);
  EXPECT_EQ(EllipticPiIntegrandAtSinSquared(1.0, 0.0, 1.0), 9999.0);
  // k outside 0..1 makes every node the sentinel.
  EXPECT_NEAR(EllipticPi(0.2, 1.5), -999999999.0 * 400.0 * 0.003926990817, 1e-3);
}

TEST(LatticeStress, RectanglesThenCirclesTimesTheirIntensities) {
  PlanLoads loads;
  loads.rectangles = {{0.0, 0.0, 2.0, 2.0, 10.0}, {3.0, -1.0, 5.0, 1.0, 4.0}};
  loads.circles = {{1.0, 1.0, 1.0, 20.0}, {-5.0, 0.0, 0.0005, 99.0}};
  const double expected = RectangleInfluence(1.0, 1.0, 1.0, 0.0, 0.0, 2.0, 2.0) * 10.0 +
                          RectangleInfluence(1.0, 1.0, 1.0, 3.0, -1.0, 5.0, 1.0) * 4.0 +
                          0.646447 * 20.0;
  EXPECT_NEAR(LatticeStress(loads, {{1.0, 1.0, 1.0}}).at(0), expected, 1e-5);
  EXPECT_EQ(LatticeStress(PlanLoads{}, {{1.0, 1.0, 1.0}}).at(0), 0.0);
}

}  // namespace
}  // namespace qel
