// Tests of step and ramp responses of a finite sum of modes.
#include "engine/mode_sum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace qel {
namespace {

// The ramp response of the modes in long double, straight from its closed form:
// tau / D - sum of w [exp(-rate (x - tau)) - exp(-rate x)] / (rate D), x = t - start.
double RampInLongDouble(const ModeSum& modes, LoadRamp ramp, double t) {
  const long double x = t - ramp.start, duration = ramp.end - ramp.start;
  const long double tau = std::min<long double>(t, ramp.end) - ramp.start;
  long double sum = 0.0L, total = 0.0L;
  for (std::size_t k = 0; k < modes.rates().size(); ++k) {
    const long double rate = modes.rates()[k], weight = modes.weights()[k];
    total += weight;
    sum += weight * (std::exp(-rate * (x - tau)) - std::exp(-rate * x)) / (rate * duration);
  }
  return static_cast<double>(total * tau / duration - sum);
}

TEST(ModeSum, StepAndRampFollowTheirClosedForms) {
  const ModeSum modes({0.01, 0.3, 2.0, 50.0}, {0.7, 0.2, -0.05, 0.15});
  EXPECT_DOUBLE_EQ(modes.final(), 1.0);
  for (double t : {0.001, 0.5, 3.0, 20.0, 200.0, 5000.0}) {
    long double step = 0.0L;
    for (std::size_t k = 0; k < 4; ++k)
      step += modes.weights()[k] * (1.0L - std::exp(-(long double)modes.rates()[k] * t));
    EXPECT_NEAR(modes.Step(t), static_cast<double>(step), 1e-15) << t;
    EXPECT_NEAR(modes.Ramp({1.0, 21.0}, 1.0 + t), RampInLongDouble(modes, {1.0, 21.0}, 1.0 + t),
                1e-14)
        << t;
  }
}

// Modes decayed long before the time asked for count as complete, and a mode of rate 0 never
// moves; a ramp of no duration is the step.
TEST(ModeSum, DecayedAndFrozenModesAndTheStepLimit) {
  const ModeSum modes({0.0, 1e-3, 1e9}, {0.25, 0.5, 0.25});
  EXPECT_NEAR(modes.Step(10.0), 0.5 * -std::expm1(-1e-2) + 0.25, 1e-15);
  EXPECT_NEAR(modes.Ramp({0.0, 10.0}, 10.0),
              0.5 * (1.0 + std::expm1(-1e-2) / 1e-2) + 0.25 * (1.0 - 1e-10), 1e-15);
  EXPECT_EQ(modes.Ramp({2.0, 2.0}, 12.0), modes.Step(10.0));
  EXPECT_EQ(modes.Step(0.0), 0.0);
  EXPECT_EQ(modes.Ramp({2.0, 3.0}, 2.0), 0.0);
  EXPECT_EQ(ModeSum().Step(5.0), 0.0);
}

TEST(ModeSum, RejectsModesOutOfOrderNegativeOrUnmatched) {
  EXPECT_THROW(ModeSum({2.0, 1.0}, {0.5, 0.5}), std::invalid_argument);
  EXPECT_THROW(ModeSum({-1.0}, {1.0}), std::invalid_argument);
  EXPECT_THROW(ModeSum({1.0, 2.0}, {1.0}), std::invalid_argument);
  EXPECT_THROW(ModeSum({INFINITY}, {1.0}), std::invalid_argument);
}

}  // namespace
}  // namespace qel
