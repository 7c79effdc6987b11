// The rings of the area beyond a level, checked point by point against the field itself.
#include "analysis/contour_fill.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/isobar_fields.h"
#include "engine/rect_circle_influence.h"

namespace qel {
namespace {

// Even-odd: inside when a ray to the right crosses the rings an odd number of times.
bool InsideRings(const std::vector<std::vector<ContourPoint>>& rings, double u, double v) {
  bool inside = false;
  for (const std::vector<ContourPoint>& ring : rings)
    for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
      const ContourPoint& a = ring[i];
      const ContourPoint& b = ring[j];
      if ((a.v > v) != (b.v > v) && u < (b.u - a.u) * (v - a.v) / (b.v - a.v) + a.u)
        inside = !inside;
    }
  return inside;
}

// On a grid over the window, every point whose value is clear of the level is filled exactly
// when it lies beyond the level.
TEST(ContourFill, RingsHoldExactlyThePointsBeyondTheLevel) {
  PlanLoads footing;
  footing.rectangles.push_back({0, 0, 2, 3, 100});
  footing.circles.push_back({5, 1, 1, 60});
  struct Case {
    std::string name;
    ScalarField field;
    ContourWindow window;
    double level;
    double clearance;  // points this close to the level in value are not judged
  };
  const Case cases[] = {
      {"a peak: one closed ring",
       [](double u, double v) { return 1 - u * u - v * v; },
       {-2, 2, -2, 2},
       0.5,
       0.01},
      {"a pit: the window less a ring",
       [](double u, double v) { return u * u + v * v; },
       {-2, 2, -2, 2},
       0.5,
       0.01},
      {"a slope: one line across", [](double u, double) { return u; }, {-1, 1, -1, 1}, 0.3, 0.01},
      {"a saddle: two corners",
       [](double u, double v) { return u * v; },
       {-1, 1, -1, 1},
       0.2,
       0.01},
      {"bands: lines that leave and come back",
       [](double u, double) { return std::cos(3 * u); },
       {0, 6, 0, 1},
       0.5,
       0.01},
      {"a negative level: the trough",
       [](double u, double v) { return u * u + v * v - 1; },
       {-2, 2, -2, 2},
       -0.5,
       0.01},
      {"everywhere beyond", [](double, double) { return 2.0; }, {0, 1, 0, 1}, 1.0, 0.0},
      {"nowhere beyond", [](double, double) { return 0.0; }, {0, 1, 0, 1}, 1.0, 0.0},
      {"footings in plan at 1 m", PlanStressField(footing, 1.0), {-2, 8, -2, 5}, 25.0, 0.5},
      {"footings in section", SectionStressField(footing, true, 1.0), {-2, 8, 0, 6}, 10.0, 0.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<ContourLine> lines = TraceContours(c.field, c.window, {c.level}).front();
    const std::vector<std::vector<ContourPoint>> rings =
        ContourRegionRings(lines, c.window, c.field, c.level);
    int judged = 0, wrong = 0;
    constexpr int kSteps = 60;
    for (int i = 0; i < kSteps; ++i)
      for (int j = 0; j < kSteps; ++j) {
        const double u = c.window.u0 + (c.window.u1 - c.window.u0) * (i + 0.5) / kSteps;
        const double v = c.window.v0 + (c.window.v1 - c.window.v0) * (j + 0.5) / kSteps;
        const double value = c.field(u, v);
        if (std::fabs(value - c.level) < c.clearance) continue;
        ++judged;
        wrong += InsideRings(rings, u, v) != IsBeyondLevel(value, c.level);
      }
    EXPECT_GT(judged, kSteps * kSteps / 2);
    EXPECT_EQ(wrong, 0);
  }
}

}  // namespace
}  // namespace qel
