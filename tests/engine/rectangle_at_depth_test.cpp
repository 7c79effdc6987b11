// The fast arctangent and a rectangle's influence at one depth against the engine's.
#include "engine/rectangle_at_depth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace qel {
namespace {

// Every quadrant and octant, the axes, signed zeros, and what the library alone handles.
TEST(RectangleAtDepthTest, ArcTangentMatchesTheLibrarys) {
  std::mt19937 random(3);
  std::normal_distribution<double> spread(0.0, 5.0);
  double worst = 0.0;
  for (int n = 0; n < 200000; ++n) {
    const double y = spread(random), x = n % 5 == 0 ? 1e-3 * spread(random) : spread(random);
    worst = std::max(worst, std::abs(ArcTangent2(y, x) - std::atan2(y, x)));
  }
  EXPECT_LE(worst, 1e-15);
  const double special[][2] = {{0.0, 1.0},      {-0.0, 1.0},     {0.0, -1.0},      {-0.0, -1.0},
                               {1.0, 0.0},      {-1.0, 0.0},     {1.0, 1.0},       {-1.0, -1.0},
                               {0.0, 0.0},      {HUGE_VAL, 1.0}, {1.0, -HUGE_VAL}, {NAN, 1.0},
                               {1e300, 1e-300}, {3.0, -4.0}};
  for (const auto& [y, x] : special) {
    SCOPED_TRACE(std::to_string(y) + ", " + std::to_string(x));
    const double expected = std::atan2(y, x);
    if (std::isnan(expected)) {
      EXPECT_TRUE(std::isnan(ArcTangent2(y, x)));
    } else {
      EXPECT_NEAR(ArcTangent2(y, x), expected, 1e-15);
      EXPECT_EQ(std::signbit(ArcTangent2(y, x)), std::signbit(expected));
    }
  }
}

// Within 1e-13 of q of RectangleInfluence * q inside, outside, on the sides and corners, at
// shallow and great depths, with corners given in any order.
TEST(RectangleAtDepthTest, InfluenceMatchesTheEnginesClosedForm) {
  struct Case {
    RectLoad rect;
    double z;
  };
  const Case cases[] = {
      {{0, 0, 4, 3, 50}, 1.0},    {{0, 0, 4, 3, 50}, 1e-5},   {{2, 1, 6, 7, -20}, 0.25},
      {{6, 7, 2, 1, 30}, 3.0},    {{0, 0, 0.5, 8, 45}, 30.0}, {{1, 1, 1, 5, 10}, 1.0},
      {{-3, 2, 12, 2.5, 7}, 0.1},
  };
  std::mt19937 random(5);
  std::uniform_real_distribution<double> around(-10.0, 20.0);
  for (const Case& c : cases) {
    SCOPED_TRACE("z " + std::to_string(c.z));
    const RectLoad& r = c.rect;
    const RectangleAtDepth fast(r, c.z);
    double worst = 0.0;
    auto check = [&](double x, double y) {
      const double engine = RectangleInfluence(x, y, c.z, r.x1, r.y1, r.x2, r.y2) * r.q;
      worst = std::max(worst, std::abs(fast(x, y) - engine));
    };
    for (int n = 0; n < 20000; ++n)
      check(around(random), around(random));
    for (const double x : {r.x1, r.x2, 0.5 * (r.x1 + r.x2)})
      for (const double y : {r.y1, r.y2, 0.5 * (r.y1 + r.y2)})
        check(x, y);
    EXPECT_LE(worst, 1e-13 * std::abs(r.q));
  }
}

}  // namespace
}  // namespace qel
