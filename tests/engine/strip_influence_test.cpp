// Tests of the strip-load influence: worked values, shapes, tolerances and superposition.
#include "engine/strip_influence.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace qel {
namespace {

double PieceI(double x1, double x2, double x3, double x4, double xP, double z) {
  return StripPieceI(StripPiece{x1, x2, x3, x4, 1.0, 1.0}, xP, z);
}

struct WorkedValue {
  double x1, x2, x3, x4, xP, z, expected;
};

TEST(StripPieceInfluence, WorkedValuesOfEveryShape) {
  const WorkedValue cases[] = {
      {0, 2, 4, 6, 1, 2, 0.477953},     // trapezoid, point under the left slope
      {0, 2, 4, 6, 3, 2, 0.790915},     // trapezoid, point under the flat top
      {0, 2, 4, 6, -2, 0.5, 0.001108},  // trapezoid, point outside on the left
      {0, 0, 4, 4, 5, 0.5, 0.020050},   // rectangle, point outside on the right
      {0, 3, 3, 3, 1, 0.5, 0.333042},   // left triangle, point under it
      {0, 3, 3, 3, -2, 2, 0.023841},    // left triangle, point beyond its zero end
      {0, 0, 0, 3, 1, 0.5, 0.643615},   // right triangle
      {0, 2, 5, 5, 6, 2, 0.213011},     // left slope with flat top
      {0, 0, 3, 5, -1, 2, 0.213011},    // its mirror image, flat top with right slope
  };
  for (const WorkedValue& c : cases) {
    EXPECT_NEAR(PieceI(c.x1, c.x2, c.x3, c.x4, c.xP, c.z), c.expected, 5e-7)
        << "piece (" << c.x1 << ", " << c.x2 << ", " << c.x3 << ", " << c.x4 << ") at xP = " << c.xP
        << ", z = " << c.z;
  }
}

TEST(StripPieceInfluence, RectangleOnItsCentreLineFollowsTheClosedForm) {
  for (double halfTop : {0.5, 2.0, 7.0}) {
    for (double z : {0.1, 1.0, 3.0, 25.0}) {
      const double beta = std::atan(halfTop / z);
      const double expected = (2.0 * beta + std::sin(2.0 * beta)) / M_PI;
      EXPECT_NEAR(PieceI(-halfTop, -halfTop, halfTop, halfTop, 0.0, z), expected, 1e-10)
          << "halfTop " << halfTop << ", z " << z;
    }
  }
}

TEST(StripPieceInfluence, DepthAtOrAboveTheSurfaceIsTakenAsOneTenthOfAMillimetre) {
  const double floored = StripPieceInfluence(0.0001, 0.3, 1.0, 0.0, 2.0, 0.0);
  EXPECT_EQ(StripPieceInfluence(0.0, 0.3, 1.0, 0.0, 2.0, 0.0), floored);
  EXPECT_EQ(StripPieceInfluence(-2.5, 0.3, 1.0, 0.0, 2.0, 0.0), floored);
  EXPECT_NE(StripPieceInfluence(0.00011, 0.3, 1.0, 0.0, 2.0, 0.0), floored);
  // Under the middle of a rectangle at the surface the whole load is felt.
  EXPECT_NEAR(PieceI(0, 0, 4, 4, 2, 0.0), 1.0, 1e-9);
  EXPECT_NEAR(PieceI(0, 0, 4, 4, 2, 0.0001), 1.0, 1e-9);
}

// Every piece must give the same I as its mirror image at the mirrored point; the left and
// right one-sided cases and the mirroring of the general case are different code paths.
TEST(StripPieceInfluence, MirrorImagesGiveEqualValues) {
  std::mt19937 random(11);
  std::uniform_real_distribution<double> width(0.05, 5.0);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int shape = 0; shape < 8; ++shape) {
    for (int trial = 0; trial < 40; ++trial) {
      const double x1 = -3.0 + 6.0 * unit(random);
      const double x2 = x1 + ((shape & 1) ? width(random) : 0.0);
      const double x3 = x2 + ((shape & 2) ? width(random) : 0.0);
      const double x4 = x3 + ((shape & 4) ? width(random) : 0.0);
      const double xP = x1 - 6.0 + (x4 - x1 + 12.0) * unit(random);
      const double z = 0.05 + 6.0 * unit(random);
      EXPECT_NEAR(PieceI(x1, x2, x3, x4, xP, z), PieceI(-x4, -x3, -x2, -x1, -xP, z), 1e-12)
          << "shape " << shape << ": (" << x1 << ", " << x2 << ", " << x3 << ", " << x4 << ") at "
          << xP << ", z " << z;
    }
  }
}

// A trapezoid is a left triangle, a rectangle and a right triangle side by side; sums of the
// simpler shapes must reproduce each composite shape's own case formula.
TEST(StripPieceInfluence, PiecesAddUpLikeTheLoadsTheyAreMadeOf) {
  for (double xP : {-4.0, -0.5, 1.0, 2.5, 3.7, 5.5, 9.0}) {
    for (double z : {0.2, 1.0, 4.0}) {
      const double leftTriangle = PieceI(0, 2, 2, 2, xP, z);
      const double rectangle = PieceI(2, 2, 5, 5, xP, z);
      const double rightTriangle = PieceI(5, 5, 5, 6.5, xP, z);
      EXPECT_NEAR(PieceI(0, 2, 5, 6.5, xP, z), leftTriangle + rectangle + rightTriangle, 1e-12);
      EXPECT_NEAR(PieceI(0, 2, 5, 5, xP, z), leftTriangle + rectangle, 1e-12);
      EXPECT_NEAR(PieceI(2, 2, 5, 6.5, xP, z), rectangle + rightTriangle, 1e-12);
      // A triangle with both slopes and no flat top goes through the general case.
      EXPECT_NEAR(PieceI(0, 2, 2, 3.5, xP, z), leftTriangle + PieceI(2, 2, 2, 3.5, xP, z), 1e-12);
    }
  }
}

TEST(StripPieceInfluence, PointCloseToTheMiddleIsNotMirroredAndStaysContinuous) {
  // d = centre - xP within 1e-7 of zero, on both sides, for a lopsided trapezoid.
  const double atCentre = StripPieceInfluence(1.5, 0.0, 0.0, 1.0, 0.5, 4.0);
  for (double d : {-9e-8, -2e-8, 2e-8, 9e-8, -2e-7, 2e-7}) {
    EXPECT_NEAR(StripPieceInfluence(1.5, -d, 0.0, 1.0, 0.5, 4.0), atCentre, 1e-6) << d;
  }
}

TEST(StripPieceInfluence, SlopeWidthsNearZeroChangeTheValueByTheirShareOnly) {
  // A slope of 5e-8 adds no more than its own tiny load.
  EXPECT_NEAR(PieceI(0, 3, 3, 3 + 5e-8, 1, 0.5), PieceI(0, 3, 3, 3, 1, 0.5), 1e-8);
  EXPECT_NEAR(PieceI(-5e-8, 0, 0, 3, 1, 0.5), PieceI(0, 0, 0, 3, 1, 0.5), 1e-8);
  // One slope exactly absent and the other within the tolerance: a rectangle, not 0 / 0.
  const double rectangle = PieceI(0, 0, 4, 4, 1, 0.5);
  EXPECT_NEAR(PieceI(0, 0, 4, 4 + 5e-8, 1, 0.5), rectangle, 1e-6);
  EXPECT_NEAR(PieceI(-5e-8, 0, 4, 4, 3, 0.5), PieceI(0, 0, 4, 4, 3, 0.5), 1e-6);
}

TEST(StripPieceInfluence, ShapesMatchingNoCaseGiveZero) {
  // Negative half top with a rising slope only.
  EXPECT_EQ(PieceI(0, 3, 2, 2, 1, 1), 0.0);
  // Negative rising slope.
  EXPECT_EQ(PieceI(3, 0, 4, 4, 1, 1), 0.0);
  EXPECT_EQ(PieceI(3, 0, 0, 0, 1, 1), 0.0);
  // Negative half top with a falling slope only.
  EXPECT_EQ(PieceI(2, 2, 1, 4, 1, 1), 0.0);
  // With both slopes the same negative half top goes through the general case.
  const double bothSlopes = PieceI(0, 3, 2, 4, 1, 1);
  EXPECT_TRUE(std::isfinite(bothSlopes));
  EXPECT_NE(bothSlopes, 0.0);
}

TEST(RampInfluence, PartsJoinWhereTheBranchesMeet) {
  const double z = 0.8;
  const double w = 2.5;
  auto total = [&](double x) {
    const RampParts parts = RampInfluence(std::fabs(x) <= 1e-7 ? 0 : (x > 0 ? 1 : -1), x, z, w);
    return parts.part1 + parts.part2;
  };
  // At the zero end of the triangle (x = w) and at its vertical side (x = 0).
  EXPECT_NEAR(total(w - 1e-9), total(w + 1e-9), 1e-8);
  EXPECT_NEAR(total(-1e-6), total(1e-6), 1e-5);
  // Pointing away from the point the ramp has no second part.
  EXPECT_EQ(RampInfluence(-1, -1.0, z, w).part2, 0.0);
  // Beyond the zero end there is no first part.
  EXPECT_EQ(RampInfluence(1, 3.0, z, w).part1, 0.0);
}

TEST(StripPointStress, SumsBothLoadSetsTimesTheirIntensities) {
  const StripPiece embankment{0, 2, 6, 8, 2.0, 18.0};
  StripLoadSets whole;
  whole.sets[0] = {embankment};
  // The same load in two layers of half the height, one in each set.
  StripLoadSets layered;
  layered.sets[0] = {StripPiece{0, 2, 6, 8, 1.0, 18.0}};
  layered.sets[1] = {StripPiece{0, 2, 6, 8, 1.0, 18.0}};
  for (double x : {-3.0, 1.0, 4.0, 10.0}) {
    for (double z : {0.5, 3.0}) {
      const double i = StripPieceI(embankment, x, z);
      EXPECT_EQ(StripPieceStress(embankment, x, z), i * 18.0 * 2.0);
      EXPECT_NEAR(StripPointStress(whole, x, z), 36.0 * i, 1e-12);
      EXPECT_NEAR(StripPointStress(layered, x, z), StripPointStress(whole, x, z), 1e-12);
    }
  }
  EXPECT_EQ(StripPointStress(StripLoadSets{}, 1.0, 1.0), 0.0);
}

}  // namespace
}  // namespace qel
