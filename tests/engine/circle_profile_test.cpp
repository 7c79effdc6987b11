// A circle's tabulated influence against the direct evaluation it stands for.
#include "engine/circle_profile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "engine/rect_circle_influence.h"

namespace qel {
namespace {

// Within 1e-12 of the intensity everywhere (the vertices of isobars need 1e-5), far and near
// the edge, at the ends of the range and beyond it; a circle that would need too many pieces
// (just below the surface) is not tabulated and gives the direct value itself.
TEST(CircleProfileTest, TableStaysWithinItsBoundOfTheDirectValue) {
  struct Case {
    double radius, z, farthest;
    bool tabulated;
  };
  const Case cases[] = {
      {0.25, 0.25, 120.0, true}, {2.0, 0.25, 120.0, true}, {4.0, 1.0, 120.0, true},
      {1.0, 1e-3, 60.0, true},   {3.5, 30.0, 200.0, true}, {5.0, 2.0, 3.0, true},
      {1.0, 1e-5, 60.0, false},  {0.0, 1.0, 10.0, false},
  };
  std::mt19937 random(7);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (const Case& c : cases) {
    SCOPED_TRACE("R " + std::to_string(c.radius) + " z " + std::to_string(c.z));
    const CircleProfile profile(c.radius, c.z, c.farthest * c.farthest);
    EXPECT_EQ(profile.pieces() > 0, c.tabulated);
    std::vector<double> distances = {0.0, c.radius, c.farthest, 2.0 * c.farthest};
    for (int n = 0; n < 20000; ++n) {
      distances.push_back(c.farthest * unit(random));
      distances.push_back(c.radius * (1.0 + 0.02 * (unit(random) - 0.5)));
      distances.push_back(c.radius + c.z * 4.0 * (unit(random) - 0.5));
    }
    double worst = 0.0;
    for (const double rho : distances) {
      const double s = rho * rho;
      const double direct = ExactCircularLoadInfluence(c.radius, std::sqrt(s), c.z);
      worst = std::max(worst, std::abs(profile(s) - direct));
      if (!c.tabulated || rho > c.farthest) {
        EXPECT_EQ(profile(s), direct) << rho;
      }
    }
    EXPECT_LE(worst, 1e-12);
    EXPECT_LE(profile.largestCheckedError(), 5e-13);
  }
}

}  // namespace
}  // namespace qel
