// Tests of one slice's settlement by each method and branch, against hand calculations.
#include "engine/slice_settlement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace qel {
namespace {

SoilLayer Cc(std::optional<double> pc) {
  SoilLayer layer;
  layer.method = SettlementMethod::kCc;
  layer.e0 = 0.8;
  layer.cc = 0.5;
  layer.cs = 0.05;
  layer.pc = pc;
  return layer;
}

// A loose clay: a void ratio of 3 that a strain of a half would bring to 1.
SoilLayer Loose() {
  SoilLayer layer = Cc({});
  layer.e0 = 3.0;
  layer.cc = 1.1;
  return layer;
}

SoilLayer Curve(std::optional<double> cs) {
  SoilLayer layer;
  layer.method = SettlementMethod::kElogP;
  layer.cs = cs;
  return layer;
}

SoilLayer Mv() {
  SoilLayer layer;
  layer.method = SettlementMethod::kMv;
  layer.mv = 0.001;
  return layer;
}

// e = 2.0 at p = 10, 1.5 at 100, 1.0 at 1000: e(p) = 2.5 - 0.5 log10 p on the whole curve.
const ElogPCurve kCurve{1, {10, 100, 1000}, {2.0, 1.5, 1.0}};

TEST(SettleSlice, EveryMethodAndBranchFollowsItsDefinition) {
  const double l2 = std::log10(2.0);
  struct Case {
    const char* what;
    SoilLayer layer;
    double sigma0, deltaP, h;
    std::optional<double> e0, e1, settlement;
    SliceGap gap = SliceGap::kNone;
    bool outside = false;
  };
  const Case cases[] = {
      {"cc normally consolidated", Cc({}), 100, 100, 2, 0.8, 0.8 - 0.5 * l2, 0.5 * l2 / 1.8 * 2},
      {"cc p'c below sigma'v0 counts as sigma'v0", Cc(50), 100, 100, 2, 0.8, 0.8 - 0.5 * l2,
       0.5 * l2 / 1.8 * 2},
      {"cc over-consolidated, p1 under p'c", Cc(400), 100, 100, 2, 0.8, 0.8 - 0.05 * l2,
       0.05 * l2 / 1.8 * 2},
      {"cc crossing p'c", Cc(200), 100, 300, 2, 0.8, 0.8 - 0.05 * l2 - 0.5 * l2,
       0.55 * l2 / 1.8 * 2},
      {"cc unloaded", Cc(200), 100, -50, 2, 0.8, 0.8 + 0.05 * l2, -0.05 * l2 / 1.8 * 2},
      {"cc unchanged", Cc({}), 100, 0, 2, 0.8, 0.8, 0.0},
      {"cc p1 = 0", Cc({}), 100, -100, 2, 0.8, {}, {}, SliceGap::kNoEffectiveStress},
      {"cc without overburden", Cc({}), 0, 10, 2, 0.8, {}, {}, SliceGap::kNoOverburden},
      {"curve inside", Curve({}), 20, 30, 3, 2.5 - 0.5 * std::log10(20.0),
       2.5 - 0.5 * std::log10(50.0), 0.5 * std::log10(2.5) / (3.5 - 0.5 * std::log10(20.0)) * 3},
      {"curve beyond its last point", Curve({}), 500, 1500, 1, 2.5 - 0.5 * std::log10(500.0),
       2.5 - 0.5 * std::log10(2000.0), 0.5 * std::log10(4.0) / (3.5 - 0.5 * std::log10(500.0)),
       SliceGap::kNone, true},
      {"curve before its first point", Curve({}), 5, 1, 1, 2.0 + 0.5 * l2,
       2.5 - 0.5 * std::log10(6.0), 0.5 * std::log10(1.2) / (3.0 + 0.5 * l2), SliceGap::kNone,
       true},
      {"curve unloaded", Curve(0.04), 100, -50, 1, 1.5, 1.5 + 0.04 * l2, -0.04 * l2 / 2.5},
      {"curve unloaded, no Cs", Curve({}), 100, -50, 1, 1.5, {}, {}, SliceGap::kNoSwellingIndex},
      {"curve p1 < 0",
       Curve(0.04),
       5,
       -6,
       1,
       2.0 + 0.5 * l2,
       {},
       {},
       SliceGap::kNoEffectiveStress,
       true},
      {"curve e0 < -1", Curve({}), 1e8, 0, 1, -1.5, {}, {}, SliceGap::kVoidRatioOutOfRange, true},
      {"mv loaded", Mv(), 100, 40, 2, {}, {}, 0.08},
      {"mv unloaded: no swelling by mv", Mv(), 100, -40, 2, {}, {}, 0.0},
      {"mv p1 = 0", Mv(), 100, -100, 2, {}, {}, {}, SliceGap::kNoEffectiveStress},
      // Compression no soil undergoes: e1 at or below 0, or a strain beyond a half, gets no S
      // (e1 is kept to show why).
      {"cc e1 below 0",
       Cc({}),
       10,
       1e5 - 10,
       1,
       0.8,
       0.8 - 0.5 * 4,
       {},
       SliceGap::kVoidRatioNotPositive},
      {"cc strain beyond a half",
       Loose(),
       10,
       1e3 - 10,
       1,
       3.0,
       3.0 - 1.1 * 2,
       {},
       SliceGap::kStrainTooLarge},
      {"curve strain beyond a half",
       Curve({}),
       10,
       2e4 - 10,
       1,
       2.0,
       2.5 - 0.5 * std::log10(2e4),
       {},
       SliceGap::kStrainTooLarge,
       true},
      {"mv strain beyond a half", Mv(), 100, 600, 1, {}, {}, {}, SliceGap::kStrainTooLarge},
  };
  for (const Case& c : cases) {
    const SliceSettlement slice = SettleSlice(c.layer, &kCurve, c.sigma0, c.deltaP, c.h);
    EXPECT_EQ(slice.p1, c.sigma0 + c.deltaP) << c.what;
    const std::pair<std::optional<double>, std::optional<double>> values[] = {
        {slice.e0, c.e0}, {slice.e1, c.e1}, {slice.settlement, c.settlement}};
    for (const auto& [value, expected] : values) {
      ASSERT_EQ(value.has_value(), expected.has_value()) << c.what;
      EXPECT_NEAR(value.value_or(0.0), expected.value_or(0.0), 1e-12) << c.what;
    }
    EXPECT_EQ(slice.gap, c.gap) << c.what;
    EXPECT_EQ(slice.outsideCurve, c.outside) << c.what;
  }
  EXPECT_THROW(SettleSlice(Curve({}), nullptr, 100, 10, 1), std::invalid_argument);
}

// What a slice is settled as, and told: a p'c under sigma'v0 as normally consolidated, an
// unloaded mv slice as no settlement.
TEST(SettleSlice, MarksAPcUnderTheOverburdenAndAnUnloadedMvSlice) {
  EXPECT_TRUE(SettleSlice(Cc(50), nullptr, 100, 100, 2).pcBelowOverburden);
  EXPECT_FALSE(SettleSlice(Cc(150), nullptr, 100, 100, 2).pcBelowOverburden);
  EXPECT_FALSE(SettleSlice(Cc({}), nullptr, 100, 100, 2).pcBelowOverburden);
  EXPECT_TRUE(SettleSlice(Mv(), nullptr, 100, -40, 2).unloadedMv);
  EXPECT_FALSE(SettleSlice(Mv(), nullptr, 100, 40, 2).unloadedMv);
}

// A slice whose void ratio changes little beside its own (e0 = 20, Cc = 0.01) keeps the digits
// of S = Cc log10(p1/p0) h/(1+e0): S is not formed from e0 - e1.
TEST(SettleSlice, ASmallChangeOfALargeVoidRatioLosesNoDigits) {
  SoilLayer layer = Cc({});
  layer.e0 = 20.0;
  layer.cc = 0.01;
  for (const double deltaP : {10.0, 50.0}) {
    const double exact = 0.01 * std::log1p(deltaP / 100.0) / std::log(10.0) / 21.0 * 2.0;
    EXPECT_NEAR(*SettleSlice(layer, nullptr, 100, deltaP, 2).settlement, exact, exact * 1e-13)
        << deltaP;
  }
}

TEST(CurveVoidRatio, LinearInLogPBetweenPointsAndAlongTheEndSegmentsBeyond) {
  // A curve with a bend at p = 100: slope 0.5 per decade above, 0.2 below.
  const ElogPCurve curve{2, {10, 100, 1000}, {2.0, 1.8, 1.3}};
  struct Case {
    double p, e;
    bool outside;
  };
  const Case cases[] = {{10, 2.0, false},
                        {100, 1.8, false},
                        {1000, 1.3, false},
                        {50, 2.0 - 0.2 * std::log10(5.0), false},
                        {1, 2.2, true},
                        {10000, 0.8, true},
                        {300, 1.8 - 0.5 * std::log10(3.0), false}};
  for (const Case& c : cases) {
    bool outside = !c.outside;
    EXPECT_NEAR(CurveVoidRatio(curve, c.p, &outside), c.e, 1e-13) << c.p;
    EXPECT_EQ(outside, c.outside) << c.p;
  }
}

}  // namespace
}  // namespace qel
