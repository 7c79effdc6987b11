// The fast lattice path and the table-driven procedures against a plain evaluation, bit for bit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "engine/rect_circle_influence.h"
#include "tests/engine/plain_lattice_formulas.h"

namespace qel {
namespace {

bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof(double)) == 0;
}

::testing::AssertionResult SameBits(const std::vector<double>& actual,
                                    const std::vector<double>& expected) {
  if (actual.size() != expected.size()) {
    return ::testing::AssertionFailure() << "sizes " << actual.size() << " and " << expected.size();
  }
  for (std::size_t i = 0; i < actual.size(); ++i) {
    if (!SameBits(actual[i], expected[i])) {
      return ::testing::AssertionFailure()
             << "point " << i << ": " << actual[i] << " instead of " << expected[i];
    }
  }
  return ::testing::AssertionSuccess();
}

// A document whose points visit every branch of the circle formula: centres (axis), the edge
// itself, both blended bands and their surroundings, the surface, and points anywhere; its
// rectangles include reversed and zero-width ones, its circles tiny ones.
struct Document {
  PlanLoads loads;
  std::vector<LatticePoint> points;
};

Document RandomDocument(std::mt19937& random) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  Document document;
  document.loads.circleMethod = CircleMethod::kCompatible;
  const int rectangles = 1 + static_cast<int>(6 * unit(random));
  for (int i = 0; i < rectangles; ++i) {
    const double x1 = 20.0 * unit(random), y1 = 20.0 * unit(random);
    double x2 = x1 + (unit(random) < 0.5 ? -1.0 : 1.0) * 6.0 * unit(random);
    const double y2 = y1 + (unit(random) < 0.5 ? -1.0 : 1.0) * 6.0 * unit(random);
    if (i == 0) x2 = x1 + 5e-8;  // counts as no width in x
    document.loads.rectangles.push_back({x1, y1, x2, y2, 50.0 * unit(random)});
  }
  const int circles = 1 + static_cast<int>(6 * unit(random));
  for (int i = 0; i < circles; ++i) {
    double radius = 0.1 + 4.0 * unit(random);
    if (i == 1) radius = 0.0005 + 0.002 * unit(random);  // tiny, sometimes below 1 mm
    document.loads.circles.push_back(
        {20.0 * unit(random), 20.0 * unit(random), radius, 50.0 * unit(random)});
  }
  const double depths[] = {1e-5, 0.003, 0.05, 0.4, 1.0, 2.7, 9.0};
  const double ratios[] = {0.0, 1e-5,    0.5,    0.97,  0.978, 0.98,   0.99, 0.9999,
                           1.0, 1.00005, 1.0001, 1.005, 1.01,  1.0201, 1.03, 2.5};
  for (double z : depths) {
    for (const CircleLoad& circle : document.loads.circles) {
      for (double h : ratios) {
        const double angle = 6.283185307179586 * unit(random);
        document.points.push_back({circle.x + h * circle.r * std::cos(angle),
                                   circle.y + h * circle.r * std::sin(angle), z});
      }
    }
    for (int i = 0; i < 20; ++i) {
      document.points.push_back({-3.0 + 26.0 * unit(random), -3.0 + 26.0 * unit(random), z});
    }
  }
  // Points out of depth order, so that the reused depth values change often.
  std::shuffle(document.points.begin() + document.points.size() / 2, document.points.end(), random);
  return document;
}

// Every point on its own, so that no depth values are carried from one point to the next.
std::vector<double> PointByPoint(const Document& document) {
  std::vector<double> values;
  for (const LatticePoint& p : document.points)
    values.push_back(LatticeStress(document.loads, {p}, 1).at(0));
  return values;
}

TEST(LatticeStress, BitIdenticalToThePlainEvaluationOnAnyThreadCount) {
  std::mt19937 random(99);
  for (int trial = 0; trial < 12; ++trial) {
    const Document document = RandomDocument(random);
    const std::vector<double> expected = plain::Lattice(document.loads, document.points);
    EXPECT_TRUE(SameBits(LatticeStress(document.loads, document.points, 1), expected)) << trial;
    EXPECT_TRUE(SameBits(LatticeStress(document.loads, document.points, 2), expected)) << trial;
    EXPECT_TRUE(SameBits(LatticeStress(document.loads, document.points, 0), expected)) << trial;
    EXPECT_TRUE(SameBits(PointByPoint(document), expected)) << trial;
  }
}

TEST(LatticeStress, ExactCirclesGiveThePointByPointValuesOnAnyThreadCount) {
  std::mt19937 random(7);
  for (int trial = 0; trial < 4; ++trial) {
    Document document = RandomDocument(random);
    document.loads.circleMethod = CircleMethod::kExact;
    const std::vector<double> pointByPoint = PointByPoint(document);
    EXPECT_TRUE(SameBits(LatticeStress(document.loads, document.points, 1), pointByPoint));
    EXPECT_TRUE(SameBits(LatticeStress(document.loads, document.points, 2), pointByPoint));
    // The exact method differs from the compatible one near the edges only.
    document.loads.circleMethod = CircleMethod::kCompatible;
    EXPECT_FALSE(SameBits(LatticeStress(document.loads, document.points, 1), pointByPoint));
  }
}

TEST(LatticeStress, EmptyInputs) {
  EXPECT_TRUE(LatticeStress(PlanLoads{}, {}, 2).empty());
  const std::vector<double> zeros = LatticeStress(PlanLoads{}, {{1.0, 2.0, 3.0}, {0, 0, 1e-5}}, 2);
  EXPECT_TRUE(SameBits(zeros, {0.0, 0.0}));
}

// The node and coefficient tables must reproduce the loop-computed values exactly.
TEST(LatticeStress, ProceduresBitIdenticalToTheirPlainForm) {
  std::mt19937 random(5);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int i = 0; i < 3000; ++i) {
    const double m = unit(random) < 0.3 ? 0.99 + 0.01 * unit(random) : unit(random);
    const double c = 0.03 * unit(random) - 0.015;
    const double depthFactor = unit(random);
    ASSERT_TRUE(SameBits(EllipticESeries(m, c, depthFactor), plain::ESeries(m, c, depthFactor)))
        << m;
    const double w = -1.0 + 1.2 * unit(random);
    const double k = unit(random) < 0.2 ? 1.0 - 1e-6 * unit(random) : unit(random);
    ASSERT_TRUE(SameBits(EllipticPi(w, k), plain::Pi3(w, k))) << w << ", " << k;
    const double radius = 0.0005 + 3.0 * unit(random);
    const double rho = radius * 2.5 * unit(random);
    const double z = radius * (unit(random) < 0.2 ? 0.01 * unit(random) : 4.0 * unit(random));
    ASSERT_TRUE(
        SameBits(CompatibleCircularLoadInfluence(radius, rho, z), plain::Circle(radius, rho, z)))
        << radius << ", " << rho << ", " << z;
  }
  // Edge cases of the integrand: k = 0, k = 1, the cap and the sentinel.
  for (double k : {0.0, 1.0, 1.5, -0.5}) {
    for (double w : {-1.0, -0.99999, 0.0, 2.0}) {
      EXPECT_TRUE(SameBits(EllipticPi(w, k), plain::Pi3(w, k))) << w << ", " << k;
    }
  }
}

}  // namespace
}  // namespace qel
