// Tests of the equivalent thickness of a layered group, secondary compression and the day a
// primary curve reaches a share of its final value.
#include "engine/equivalent_thickness.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/ramp_consolidation.h"
#include "engine/secondary_compression.h"

namespace qel {
namespace {

const LayerThicknessAndCv kTextbookLayers[] = {{1.0, 50.0}, {3.0, 100.0}, {2.0, 400.0}};

// The textbook example: H' = 382.84 cm with the first layer as reference, t90 = 621.5 days; the
// rate cv_ref / Hd^2 comes out the same whichever layer is the reference.
TEST(EquivalentThickness, TextbookExampleWhicheverLayerIsTheReference) {
  EXPECT_NEAR(EquivalentThickness(kTextbookLayers, 0), 3.8284, 0.5e-4);
  for (std::size_t reference = 0; reference < 3; ++reference) {
    const double hd = EquivalentThickness(kTextbookLayers, reference) / 2.0;
    EXPECT_NEAR(VerticalRate(kTextbookLayers[reference].cv, hd),
                EquivalentVerticalRate(kTextbookLayers, true), 1e-18);
  }
  EXPECT_DOUBLE_EQ(EquivalentVerticalRate(kTextbookLayers, false),
                   EquivalentVerticalRate(kTextbookLayers, true) / 4.0);
  const ConsolidationRates rates{EquivalentVerticalRate(kTextbookLayers, true), 0.0};
  const std::optional<double> t90 =
      TimeToReachFraction([&](double t) { return StepConsolidation(rates, t); }, 1.0, 0.9);
  ASSERT_TRUE(t90.has_value());
  EXPECT_NEAR(*t90, 621.5, 0.05);
  EXPECT_TRUE(std::isnan(EquivalentThickness(kTextbookLayers, 3)));
  EXPECT_TRUE(std::isnan(EquivalentVerticalRate({}, true)));
  const LayerThicknessAndCv withoutCv[] = {{1.0, 50.0}, {2.0, 0.0}};
  EXPECT_TRUE(std::isnan(EquivalentVerticalRate(withoutCv, true)));
}

// Calpha = 0.02, e = 1, h = 3 m over one log cycle (1 to 10 years): 0.030 m; nothing before tp.
TEST(SecondaryCompression, OneLogCycleAndNothingBeforeItStarts) {
  EXPECT_NEAR(SecondaryCompression(0.02, 1.0, 3.0, 365.0, 3650.0), 0.030, 1e-15);
  EXPECT_EQ(SecondaryCompression(0.02, 1.0, 3.0, 365.0, 365.0), 0.0);
  EXPECT_EQ(SecondaryCompression(0.02, 1.0, 3.0, 365.0, 100.0), 0.0);
  EXPECT_EQ(SecondaryCompression(0.02, 1.0, 3.0, 0.0, 100.0), 0.0);
}

// Terzaghi's Tv50 = 0.1967307 and Tv90 = 0.8480854 from a curve in days, a falling curve (heave),
// a curve that starts late, and the cases without an answer.
TEST(TimeToReachFraction, FindsTheCrossingOrSaysThereIsNone) {
  const ConsolidationRates rates{0.002, 0.0};
  auto primary = [&](double t) { return 0.4 * StepConsolidation(rates, t); };
  EXPECT_NEAR(*TimeToReachFraction(primary, 0.4, 0.5), 0.19673074 / 0.002, 5e-6);
  EXPECT_NEAR(*TimeToReachFraction(primary, 0.4, 0.9), 0.84808541 / 0.002, 5e-6);
  auto heave = [&](double t) { return -primary(t); };
  EXPECT_NEAR(*TimeToReachFraction(heave, -0.4, 0.5), 0.19673074 / 0.002, 5e-6);
  auto late = [&](double t) { return RampConsolidation(rates, {200.0, 260.0}, t); };
  const double t95 = *TimeToReachFraction(late, 1.0, 0.95);
  EXPECT_NEAR(late(t95), 0.95, 1e-12);
  EXPECT_EQ(*TimeToReachFraction([](double) { return 1.0; }, 1.0, 0.5), 1e-6);
  EXPECT_FALSE(TimeToReachFraction(primary, 0.4, 1.0));
  EXPECT_FALSE(TimeToReachFraction(primary, 0.0, 0.5));
  EXPECT_FALSE(TimeToReachFraction([](double) { return 0.0; }, 1.0, 0.5));
  EXPECT_FALSE(TimeToReachFraction([](double) { return NAN; }, 1.0, 0.5));
  int evaluations = 0;
  TimeToReachFraction([&](double t) { return ++evaluations, std::tanh(t / 1e5); }, 1.0, 0.99);
  EXPECT_LE(evaluations, 200);
}

}  // namespace
}  // namespace qel
