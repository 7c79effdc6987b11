// The straight-line plots of the methods: on an exact curve every point, in the window or not,
// lies on the fitted line; the window's points are the fit's, the others the rest of the readings.
#include "analysis/plate_fit_plots.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace qel {
namespace {

// Readings every 10 days from day 0 to day 300 on S(t).
SettlementPlate PlateOn(const std::function<double(double)>& s, double t0) {
  SettlementPlate plate;
  plate.t0 = t0;
  for (int t = 0; t <= 300; t += 10)
    plate.readings.push_back({static_cast<double>(t), s(t)});
  return plate;
}

TEST(FitLinePlotOf, EveryPointOfAnExactCurveLiesOnTheFittedLine) {
  struct Case {
    const char* name;
    FitMethod method;
    std::function<double(double)> s;
    double t0, from, to, dt;
    std::size_t fitted, outside;
  };
  const Case cases[] = {
      // Readings after t0 = 20 outside 100..200: 30 .. 90 and 210 .. 300.
      {"hyperbolic", FitMethod::kHyperbolic,
       [](double t) { return t < 20 ? 0.0 : 0.05 + (t - 20) / (20.0 + 0.02 * (t - 20)); }, 20, 100,
       200, 7, 11, 17},
      {"sqrt", FitMethod::kSquareRoot,
       [](double t) { return 3.0 + 40.0 * std::sqrt(t) / std::sqrt(50.0 + t); }, 0, 0, 150, 7, 15,
       15},
      // Pairs ending on days 10 .. 100 before the window 100..200, on 210 .. 300 after it.
      {"asaoka", FitMethod::kAsaoka, [](double t) { return 80.0 - 60.0 * std::exp(-0.01 * t); }, 0,
       100, 200, 10, 10, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SettlementPlate plate = PlateOn(c.s, c.t0);
    const PlateFitLine request{0, c.method, c.from, c.to, c.dt};
    const FitOutcome outcome =
        FitSettlement(plate.readings, {c.method, c.t0, c.from, c.to, c.dt, std::nullopt});
    ASSERT_TRUE(outcome.fit);
    const FitLinePlot plot = FitLinePlotOf(plate, request, *outcome.fit);
    EXPECT_EQ(plot.fitted.size(), c.fitted);
    EXPECT_EQ(plot.outside.size(), c.outside);
    EXPECT_EQ(plot.equalityLine, c.method == FitMethod::kAsaoka);
    for (const auto* points : {&plot.fitted, &plot.outside})
      for (const FitLinePoint& p : *points)
        EXPECT_NEAR(p.y, plot.intercept + plot.slope * p.x, 1e-9 * std::abs(p.y)) << p.x;
  }
}

// The outside points are the readings left out of the window, transformed as the method does:
// t' = t - t0 across, never a reading at or before t0, nor one equal to S0.
TEST(FitLinePlotOf, OutsidePointsAreTheReadingsLeftOutOfTheWindow) {
  SettlementPlate plate;
  plate.t0 = 10;
  plate.readings = {{0, 0.0},   {10, 0.1}, {20, 0.1},  {30, 0.3}, {40, 0.4},
                    {50, 0.45}, {60, 0.5}, {70, 0.52}, {80, 0.6}};
  const PlateFitLine request{0, FitMethod::kHyperbolic, 40, 70, 7};
  const FitOutcome outcome =
      FitSettlement(plate.readings, {FitMethod::kHyperbolic, 10, 40, 70, 7, std::nullopt});
  ASSERT_TRUE(outcome.fit);
  const FitLinePlot plot = FitLinePlotOf(plate, request, *outcome.fit);
  ASSERT_EQ(plot.outside.size(), 2u);  // day 20 equals S0; days 0 and 10 are not after t0
  EXPECT_DOUBLE_EQ(plot.outside[0].x, 20.0);
  EXPECT_DOUBLE_EQ(plot.outside[0].y, 20.0 / 0.2);
  EXPECT_DOUBLE_EQ(plot.outside[1].x, 70.0);
  EXPECT_DOUBLE_EQ(plot.outside[1].y, 70.0 / 0.5);
}

}  // namespace
}  // namespace qel
