// The fields isobars of a plan are traced on: the fast plan field against the engine's dP, and
// the loads' own shares on the surface.
#include "analysis/isobar_fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "document/load_lists.h"
#include "support/worst_document.h"
#include "view/application_state.h"

namespace qel {
namespace {

// Within 1e-12 of the intensities of the circles of the engine's dP (each circle within 5e-13
// of its own, each rectangle far closer), over a grid of the window and close around every
// circle's edge; the compatible method is the engine's field itself.
TEST(IsobarFieldsTest, PlanFieldIsTheEnginesDpWithinItsBound) {
  ApplicationState state;
  FillWorstDocument(state, false);
  PlanLoads loads = ExtractPlanLoads(state.document.cells());
  const ContourWindow window{0.0, 80.0, -40.0, 60.0};
  double circleIntensities = 0.0;
  for (const CircleLoad& circle : loads.circles)
    circleIntensities += std::abs(circle.q);
  std::vector<std::pair<double, double>> points;
  for (int i = 0; i <= 40; ++i)
    for (int j = 0; j <= 50; ++j)
      points.emplace_back(window.u0 + 2.0 * i, window.v0 + 2.0 * j);
  for (const CircleLoad& circle : loads.circles)
    for (const double ratio : {0.999, 0.99999, 1.0, 1.00001, 1.001})
      points.emplace_back(circle.x + circle.r * ratio, circle.y);
  for (const CircleMethod method : {CircleMethod::kExact, CircleMethod::kCompatible}) {
    for (const double z : {0.25, 1.0, 7.5}) {
      SCOPED_TRACE("z " + std::to_string(z));
      loads.circleMethod = method;
      const ScalarField fast = PlanIsobarField(loads, z, window, 2);
      const ScalarField engine = PlanStressField(loads, z);
      double worst = 0.0;
      for (const auto& [x, y] : points) {
        const double difference = std::abs(fast(x, y) - engine(x, y));
        if (method == CircleMethod::kCompatible) {
          ASSERT_EQ(difference, 0.0) << x << ", " << y;
        }
        worst = std::max(worst, difference);
      }
      EXPECT_LE(worst, 1e-12 * circleIntensities);
    }
  }
}

// Each load's intensity inside it, half on its outline, a quarter at a rectangle's corner;
// overlapping loads add up; a rectangle given by its other corners is the same load, one of no
// width none.
TEST(IsobarFieldsTest, SurfaceFieldIsEachLoadsShare) {
  PlanLoads loads;
  loads.rectangles = {{0, 0, 4, 3, 50}, {6, 5, 4, 3, 20}, {10, 0, 10, 3, 99}};
  loads.circles = {{9, 4, 1.5, 80}, {-5, -5, 0.0, 70}};
  const ScalarField surface = SurfaceLoadField(loads);
  struct Case {
    double x, y, expected;
  };
  const Case cases[] = {
      {2, 1, 50}, {4, 1, 25},    {0, 0, 12.5}, {5, 1, 0},  {4, 3, 12.5 + 5}, {5, 4, 20}, {6, 4, 10},
      {9, 4, 80}, {10.5, 4, 40}, {9.9, 4, 80}, {10, 1, 0}, {-5, -5, 0},      {12, 4, 0},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(surface(c.x, c.y), c.expected) << c.x << ", " << c.y;
}

}  // namespace
}  // namespace qel
