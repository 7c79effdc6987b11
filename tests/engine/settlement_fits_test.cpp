// Tests of the settlement fits: exact curves recovered with every figure derived from them, the
// straight-line plots, and each reason a fit cannot be made.
#include "engine/settlement_fits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace qel {
namespace {

using Curve = std::function<double(double)>;

std::vector<SettlementReading> Sampled(const Curve& curve, double first, double step, int count) {
  std::vector<SettlementReading> readings;
  for (int i = 0; i <= count; ++i)
    readings.push_back({first + i * step, curve(first + i * step)});
  return readings;
}

FitRequest Request(FitMethod method, double t0, double from, double to, double dt = 7.0) {
  FitRequest request;
  request.method = method;
  request.t0 = t0;
  request.from = from;
  request.to = to;
  request.dt = dt;
  return request;
}

const Curve kHyperbola = [](double t) { return 5.0 + t / (20.0 + 0.02 * t); };
const Curve kExponential = [](double t) { return 80.0 - 60.0 * std::exp(-0.01 * t); };
const Curve kRootCurve = [](double t) { return 3.0 + 40.0 * std::sqrt(t / (50.0 + t)); };

// Each method on the curve it assumes, read every 10 days to day 600: the fitted curve is that
// curve, so U, the residual and the day of 90 % follow from it by hand:
// 5 + t/(20 + 0.02 t) = 49.5 at t = 890/0.11; 80 - 60 exp(-0.01 t) = 72 at t = 100 ln 7.5;
// 3 + 40 sqrt(t/(50 + t)) = 38.7 at t = 50 q/(1 - q), q = 0.8925^2.
TEST(SettlementFits, TheFittedCurveIsTheExactCurve) {
  const double q = 0.8925 * 0.8925;
  const struct {
    FitMethod method;
    const Curve& curve;
    double sFinal, t90;
  } cases[] = {{FitMethod::kHyperbolic, kHyperbola, 55.0, 890.0 / 0.11},
               {FitMethod::kAsaoka, kExponential, 80.0, 100.0 * std::log(7.5)},
               {FitMethod::kSquareRoot, kRootCurve, 43.0, 50.0 * q / (1.0 - q)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.method));
    const auto readings = Sampled(c.curve, 0.0, 10.0, 60);
    FitRequest request = Request(c.method, 0.0, 0.0, 400.0, 10.0);
    request.pavingDay = 1000.0;
    const FitOutcome outcome = FitSettlement(readings, request);
    ASSERT_TRUE(outcome.fit && !outcome.failure);
    const SettlementFit& fit = *outcome.fit;
    EXPECT_EQ(fit.s0, c.curve(0.0));
    EXPECT_NEAR(fit.sFinal, c.sFinal, 1e-9);
    EXPECT_NEAR(fit.r2, 1.0, 1e-12);
    for (double t : {0.0, 5.0, 250.0, 400.0, 3000.0})
      EXPECT_NEAR(fit.At(t), c.curve(t), 1e-9) << "t " << t;
    EXPECT_NEAR(fit.At(INFINITY), c.sFinal, 1e-9);
    EXPECT_NEAR(fit.degree, c.curve(600.0) / c.sFinal, 1e-12);
    EXPECT_NEAR(fit.residual.value_or(NAN), c.sFinal - c.curve(1000.0), 1e-9);
    EXPECT_NEAR(fit.t90.value_or(NAN), c.t90, 1e-6);
  }
}

// Days counted from a day 0 a century back (t ~ 40000) leave the fits exact.
TEST(SettlementFits, LargeDayNumbersLoseNoDigits) {
  const double t0 = 40000.0;
  const auto shifted = [&](const Curve& curve) {
    return Sampled([&](double t) { return curve(t - t0); }, t0, 10.0, 60);
  };
  const auto hyperbolic =
      FitSettlement(shifted(kHyperbola), Request(FitMethod::kHyperbolic, t0, t0 + 10, t0 + 600));
  ASSERT_TRUE(hyperbolic.fit);
  EXPECT_NEAR(hyperbolic.fit->alpha, 20.0, 1e-9);
  EXPECT_NEAR(hyperbolic.fit->beta, 0.02, 1e-12);
  const auto root =
      FitSettlement(shifted(kRootCurve), Request(FitMethod::kSquareRoot, t0, t0 + 10, t0 + 600));
  ASSERT_TRUE(root.fit);
  EXPECT_NEAR(root.fit->amplitude, 40.0, 1e-9);
  EXPECT_NEAR(root.fit->b, 50.0, 1e-9);
}

// S0 between readings, and the optional figures: none when 90 % came before the window or
// without a paving day.
TEST(SettlementFits, InterpolatedS0AndAbsentFigures) {
  const std::vector<SettlementReading> readings{{0, 0.0}, {10, 0.1}, {30, 0.5}};
  EXPECT_EQ(InterpolateReading(readings, 10.0), 0.1);
  EXPECT_DOUBLE_EQ(InterpolateReading(readings, 25.0), 0.4);
  const auto late = FitSettlement(Sampled(kRootCurve, 0.0, 10.0, 60),
                                  Request(FitMethod::kSquareRoot, 15.0, 300.0, 600.0));
  ASSERT_TRUE(late.fit);
  EXPECT_DOUBLE_EQ(late.fit->s0, (kRootCurve(10.0) + kRootCurve(20.0)) / 2.0);
  EXPECT_FALSE(late.fit->t90);  // 90 % about day 200
  EXPECT_FALSE(late.fit->residual);
}

// The points each method puts on its straight line lie on the fitted line of an exact curve;
// Asaoka's pairs chain S_(j-1) to S_j at steps of dt.
TEST(SettlementFits, TheStraightLinePlots) {
  const auto readings = Sampled(kExponential, 0.0, 10.0, 60);
  const auto asaoka = FitSettlement(readings, Request(FitMethod::kAsaoka, 0.0, 100.0, 400.0, 20.0));
  ASSERT_TRUE(asaoka.fit);
  ASSERT_EQ(asaoka.fit->line.size(), 15u);
  for (std::size_t j = 0; j < asaoka.fit->line.size(); ++j) {
    EXPECT_DOUBLE_EQ(asaoka.fit->line[j].x, kExponential(100.0 + 20.0 * j));
    EXPECT_DOUBLE_EQ(asaoka.fit->line[j].y, kExponential(120.0 + 20.0 * j));
  }
  const auto root = FitSettlement(Sampled(kRootCurve, 0.0, 10.0, 60),
                                  Request(FitMethod::kSquareRoot, 0.0, 95.0, 300.0));
  ASSERT_TRUE(root.fit);
  ASSERT_EQ(root.fit->line.size(), 21u);  // days 100 to 300
  for (const FitLinePoint& p : root.fit->line)
    EXPECT_NEAR(p.y, (50.0 + p.x) / 1600.0, 1e-12);
  EXPECT_NEAR(root.fit->lineSlope, 1.0 / 1600.0, 1e-15);
}

TEST(SettlementFits, EachReasonAFitCannotBeMade) {
  using enum FitMethod;
  using enum FitFailure;
  const auto good = Sampled(kHyperbola, 0.0, 10.0, 60);
  const auto flat = Sampled([](double) { return 0.3; }, 0.0, 10.0, 60);
  const auto accelerating = Sampled([](double t) { return 1e-4 * t * t; }, 0.0, 10.0, 60);
  const auto rising = Sampled([](double t) { return -kRootCurve(t); }, 0.0, 10.0, 60);
  const auto heave = Sampled([](double t) { return -kExponential(t); }, 0.0, 10.0, 60);
  const auto zigzag =
      Sampled([](double t) { return std::fmod(t, 20.0) == 0 ? 1.0 : 2.0; }, 0, 10, 60);
  // A hyperbola with a negative intercept: t/(0.02 t - 5), read after its pole.
  std::vector<SettlementReading> pole{{0.0, 0.0}};
  for (double t = 300.0; t <= 600.0; t += 10.0)
    pole.push_back({t, t / (0.02 * t - 5.0)});
  const std::vector<SettlementReading> backToS0{{0, 0.0},  {10, 0.1}, {20, 0.0},
                                                {30, 0.3}, {40, 0.4}, {50, 0.5}};
  auto withNan = good, backwards = good;
  withNan[7].s = NAN;
  backwards[7].t = backwards[6].t;
  FitRequest infiniteFrom = Request(kHyperbolic, 0, 0, 100);
  infiniteFrom.from = -INFINITY;
  const struct {
    const char* what;
    const std::vector<SettlementReading>& readings;
    FitRequest request;
    FitFailure failure;
  } cases[] = {
      {"a reading NaN", withNan, Request(kHyperbolic, 0, 0, 600), kNotFinite},
      {"from infinite", good, infiniteFrom, kNotFinite},
      {"a day repeated", backwards, Request(kAsaoka, 0, 0, 600), kReadingsNotIncreasing},
      {"dt zero", good, Request(kAsaoka, 0, 0, 600, 0.0), kStepNotPositive},
      {"from after to", good, Request(kSquareRoot, 0, 300, 200), kWindowReversed},
      {"to after the last", good, Request(kHyperbolic, 0, 100, 601), kWindowOutsideReadings},
      {"from before the first", good, Request(kAsaoka, 0, -1, 600), kWindowOutsideReadings},
      {"no readings", {}, Request(kHyperbolic, 0, 0, 0), kWindowOutsideReadings},
      {"t0 after the last", good, Request(kHyperbolic, 700, 0, 600), kT0OutsideReadings},
      {"dt tiny", good, Request(kAsaoka, 0, 0, 600, 1e-3), kTooManySteps},
      {"two readings", good, Request(kHyperbolic, 0, 10, 25), kTooFewPoints},
      {"two readings after t0", good, Request(kSquareRoot, 580, 0, 600), kTooFewPoints},
      {"two steps", good, Request(kAsaoka, 0, 0, 29, 10), kTooFewPoints},
      {"flat, hyperbolic", flat, Request(kHyperbolic, 0, 10, 600), kNoChange},
      {"flat, Asaoka", flat, Request(kAsaoka, 0, 0, 600), kNoChange},
      {"a reading back at S0", backToS0, Request(kSquareRoot, 0, 0, 50), kNoChange},
      {"accelerating, hyperbolic", accelerating, Request(kHyperbolic, 0, 10, 600),
       kSlopeNotPositive},
      {"accelerating, Asaoka", accelerating, Request(kAsaoka, 0, 0, 600), kRatioOutOfRange},
      {"zigzag, Asaoka", zigzag, Request(kAsaoka, 0, 0, 600, 10), kRatioOutOfRange},
      {"rising, square root", rising, Request(kSquareRoot, 0, 10, 600), kAmplitudeNotPositive},
      {"pole, hyperbolic", pole, Request(kHyperbolic, 0, 300, 600), kInterceptNegative},
      {"heave, Asaoka", heave, Request(kAsaoka, 0, 0, 600, 10), kFinalOutOfRange},
  };
  for (const auto& c : cases) {
    const FitOutcome outcome = FitSettlement(c.readings, c.request);
    EXPECT_FALSE(outcome.fit) << c.what;
    EXPECT_EQ(outcome.failure, c.failure) << c.what;
  }
}

}  // namespace
}  // namespace qel
