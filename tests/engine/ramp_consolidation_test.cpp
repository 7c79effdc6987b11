// Tests of step and ramp consolidation of one unit and of Terzaghi's construction correction.
#include "engine/ramp_consolidation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/adaptive_quadrature.h"
#include "engine/consolidation_degree.h"

namespace qel {
namespace {

// The ramp response by its definition: the step response integrated over the applied part of the
// ramp by adaptive quadrature, split where the step response has its square-root start.
double RampByQuadrature(ConsolidationRates rates, LoadRamp ramp, double t) {
  const long double duration = ramp.end - ramp.start, to = t - ramp.start;
  const long double from = t > ramp.end ? to - duration : 0.0L;
  auto step = [&](long double y) { return StepConsolidation(rates, static_cast<double>(y)); };
  const long double split = from + (to - from) * 1e-3L;
  return static_cast<double>(
      (Integrate(step, from, split, 1e-16L) + Integrate(step, split, to, 1e-16L)) / duration);
}

TEST(RampConsolidation, AgreesWithTheStepResponseAveragedOverTheRamp) {
  struct Case {
    double vertical, radial, duration, t;
  };
  const Case cases[] = {
      {1.0, 0.0, 0.2, 0.05},     {1.0, 0.0, 0.2, 0.2},        {1.0, 0.0, 0.2, 0.2000001},
      {1.0, 0.0, 0.2, 0.3},      {1.0, 0.0, 1e-6, 2e-6},      {1.0, 0.0, 1e-6, 0.1},
      {1.0, 0.0, 100.0, 50.0},   {1.0, 0.0, 100.0, 100.01},   {1.0, 5.0, 0.2, 0.1},
      {1.0, 5.0, 0.2, 0.5},      {1.0, 100.0, 0.2, 0.01},     {1.0, 100.0, 0.2, 0.3},
      {1e-3, 1.0, 10.0, 5.0},    {1e-3, 1.0, 10.0, 11.0},     {1.0, 0.3, 3.0, 3.0},
      {1.0, 0.0, 0.01, 0.0205},  {1.0, 0.0, 0.01, 0.03},      {2e-4, 0.0, 120.0, 1e-3},
      {2e-4, 0.0, 120.0, 500.0}, {2e-4, 0.02, 120.0, 3000.0},
  };
  for (const Case& c : cases) {
    const ConsolidationRates rates{c.vertical, c.radial};
    const LoadRamp ramp{0.0, c.duration};
    EXPECT_NEAR(RampConsolidation(rates, ramp, c.t), RampByQuadrature(rates, ramp, c.t), 1e-13)
        << c.vertical << " " << c.radial << " " << c.duration << " " << c.t;
  }
}

// Olson (1977) with a unit rate: Tc = 0.2 and 1 at the end of the ramp, and the same by
// Terzaghi's correction, to the six decimals printed.
TEST(RampConsolidation, OlsonsValuesAndTerzaghisCorrectionOfThem) {
  const ConsolidationRates unit{1.0, 0.0};
  auto instantaneous = [&](double elapsed) { return StepConsolidation(unit, elapsed); };
  const double published[][3] = {{0.2, 0.336350, 0.356823}, {1.0, 0.694526, 0.763950}};
  for (const auto& [tc, exact, corrected] : published) {
    EXPECT_NEAR(RampConsolidation(unit, {0.0, tc}, tc), exact, 0.5e-6);
    EXPECT_NEAR(CorrectedForConstruction(instantaneous, {0.0, tc}, tc), corrected, 0.5e-6);
  }
}

// The radial term multiplies what is left: 1 - U = (1 - Uv)(1 - Uh), Uh = 1 - exp(-r t), and a
// ramp shifted in time gives the same curve shifted.
TEST(RampConsolidation, RadialTermAndShiftInTime) {
  for (double t : {1e-3, 0.1, 1.0, 10.0}) {
    const double uv = DegreeOfConsolidation(0.05 * t), uh = -std::expm1(-0.3 * t);
    EXPECT_NEAR(StepConsolidation({0.05, 0.3}, t), 1.0 - (1.0 - uv) * (1.0 - uh), 1e-15);
    EXPECT_NEAR(RampConsolidation({0.05, 0.3}, {100.0, 108.0}, 100.0 + t),
                RampConsolidation({0.05, 0.3}, {0.0, 8.0}, t), 1e-12);
  }
}

TEST(RampConsolidation, LimitsAndPlausibleRangesStayFinite) {
  const ConsolidationRates rates{0.01, 0.0};
  EXPECT_EQ(RampConsolidation(rates, {5.0, 10.0}, 5.0), 0.0);
  EXPECT_EQ(RampConsolidation(rates, {5.0, 10.0}, -1.0), 0.0);
  EXPECT_TRUE(std::isnan(RampConsolidation(rates, {5.0, 10.0}, NAN)));
  EXPECT_EQ(RampConsolidation(rates, {5.0, 5.0}, 7.0), StepConsolidation(rates, 2.0));
  EXPECT_NEAR(RampConsolidation(rates, {5.0, 5.0 + 1e-9}, 7.0), StepConsolidation(rates, 2.0),
              1e-9);
  // cv from 1e-2 to 1e8 cm2/day over Hd from 1e-3 to 1e4 m, radial rates up to 1e3 / day, days
  // up to 1e7: U within [0, 1] and never decreasing.
  for (double cv : {1e-2, 1e3, 1e8}) {
    for (double hd : {1e-3, 1.0, 1e4}) {
      for (double radial : {0.0, 1e-3, 1e3}) {
        for (double duration : {0.0, 1e-3, 30.0, 1e4}) {
          const ConsolidationRates r{VerticalRate(cv, hd), radial};
          double previous = 0.0;
          for (double t = 1e-9; t <= 1e7; t *= 3.0) {
            const double u = RampConsolidation(r, {0.0, duration}, t);
            ASSERT_TRUE(u >= previous - 1e-15 && u <= 1.0 + 1e-15)
                << cv << " " << hd << " " << radial << " " << duration << " " << t << " " << u;
            previous = u;
          }
        }
      }
    }
  }
}

TEST(CorrectedForConstruction, HalfTheElapsedTimeDuringTheRampThenShiftedByHalfIt) {
  auto curve = [](double elapsed) { return std::sqrt(elapsed) / 10.0; };
  const LoadRamp ramp{10.0, 30.0};
  EXPECT_EQ(CorrectedForConstruction(curve, ramp, 10.0), 0.0);
  EXPECT_DOUBLE_EQ(CorrectedForConstruction(curve, ramp, 18.0), 0.2 * 0.4);  // U(4) 8 / 20
  EXPECT_DOUBLE_EQ(CorrectedForConstruction(curve, ramp, 30.0), curve(10.0));
  EXPECT_DOUBLE_EQ(CorrectedForConstruction(curve, ramp, 120.0), 1.0);  // U(110 - 10)
  EXPECT_DOUBLE_EQ(CorrectedForConstruction(curve, {10.0, 10.0}, 19.0), 0.3);
}

}  // namespace
}  // namespace qel
