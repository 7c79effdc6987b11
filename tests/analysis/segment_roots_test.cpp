// Roots along one segment: on the level (or at the jump), in few evaluations where the field is
// smooth.
#include "analysis/segment_roots.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace qel {
namespace {

TEST(SegmentRootsTest, EveryLevelIsFoundOnTheLevelOrAtTheJumpInFewEvaluations) {
  struct Case {
    std::string name;
    ScalarField field;  // of u, along the segment from u = 0 (above) to u = 1 (below)
    std::vector<double> levels;
    bool withOuterSamples;
    double tolerance;
    std::optional<double> jump;  // where the field jumps: roots are there, not on the level
    // For all the levels together; regula falsi alone (Illinois) takes 26 on the gentle decay
    // and 24 on the steep one.
    int mostEvaluations;
  };
  const Case cases[] = {
      {"straight: the secant is exact",
       [](double u, double) { return 1.0 - u; },
       {0.25, 0.7},
       false,
       1e-9,
       std::nullopt,
       2},
      {"gentle decay, guesses shaped by the samples beyond the ends",
       [](double u, double) { return std::exp(-u); },
       {0.4, 0.5, 0.6, 0.7, 0.8, 0.9},
       true,
       1e-5,
       std::nullopt,
       12},
      {"gentle decay without the samples beyond",
       [](double u, double) { return std::exp(-u); },
       {0.4, 0.5, 0.6, 0.7, 0.8, 0.9},
       false,
       1e-5,
       std::nullopt,
       15},
      {"steep decay: guesses are poor, regula falsi takes over",
       [](double u, double) { return std::exp(-5.0 * u); },
       {0.01, 0.1, 0.5},
       true,
       1e-5,
       std::nullopt,
       20},
      {"steep front, as a load's edge just below the surface",
       [](double u, double) { return 0.5 - 0.5 * std::tanh((u - 0.4123) / 1e-4); },
       {0.2, 0.5, 0.9},
       true,
       1e-9,
       std::nullopt,
       32},
      {"jump", [](double u, double) { return u < 0.37 ? 1.0 : 0.0; }, {0.5}, false, 1e-9, 0.37, 45},
      {"constant between jumps, a level equal to a plateau: at the jump",
       [](double u, double) { return u < 0.61 ? 2.0 : 0.0; },
       {2.0, 1.0},
       true,
       -1.0,
       0.61,
       50},
  };
  const double span = 1e-12;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ContourPoint above{0.0, 0.0}, below{1.0, 0.0};
    SegmentRoots roots(c.field, above, c.field(0.0, 0.0), below, c.field(1.0, 0.0));
    if (c.withOuterSamples) {
      roots.Know(-1.0, c.field(-1.0, 0.0));
      roots.Know(2.0, c.field(2.0, 0.0));
    }
    for (const double level : c.levels) {
      const ContourPoint root = roots.Root(level, c.tolerance, span);
      EXPECT_EQ(root.v, 0.0);
      if (c.jump) {
        EXPECT_NEAR(root.u, *c.jump, 2 * span) << "level " << level;
      } else {
        EXPECT_NEAR(c.field(root.u, 0.0), level, c.tolerance) << "level " << level;
      }
    }
    EXPECT_LE(roots.evaluations(), c.mostEvaluations);
  }
}

}  // namespace
}  // namespace qel
