// Tests of a column's totals, its consolidation in time and the times t50 and t90.
#include "engine/settlement_column.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <stdexcept>

#include "engine/consolidation_degree.h"

namespace qel {
namespace {

SoilLayer Mv(double bottom, std::optional<double> cv, Drainage drainage) {
  SoilLayer layer;
  layer.bottom = bottom;
  layer.gammaT = 18.0;
  layer.method = SettlementMethod::kMv;
  layer.mv = 0.001;
  layer.cv = cv;
  layer.drainage = drainage;
  return layer;
}

// A Cc layer that swells where it is unloaded (an unloaded mv layer does not: its mv is the
// loading one).
SoilLayer Swelling(double bottom, std::optional<double> cv, Drainage drainage) {
  SoilLayer layer = Mv(bottom, cv, drainage);
  layer.method = SettlementMethod::kCc;
  layer.e0 = 1.0;
  layer.cc = 0.5;
  layer.cs = 0.1;
  return layer;
}

// A 2 m layer that does not settle over two mv layers of 4 m (cv 100) and 6 m (cv 400).
SoilProfile TwoClays() {
  SoilProfile profile;
  SoilLayer sand;
  sand.bottom = 2.0;
  sand.gammaT = 18.0;
  profile.layers = {sand, Mv(6.0, 100.0, Drainage::kBoth), Mv(12.0, 400.0, Drainage::kTop)};
  return profile;
}

// dP given by depth: `upper` in the first clay, `lower` in the second.
SettlementColumn ColumnOf(const SettlementModel& model, double upper, double lower) {
  return model.Column([&](const std::vector<double>& depths) {
    std::vector<double> deltaP;
    for (double z : depths)
      deltaP.push_back(z < 6.0 ? upper : lower);
    return deltaP;
  });
}

TEST(SettlementColumn, LayerTotalsSumTheirSlicesAndTheTotalSumsTheLayers) {
  const SettlementModel model(TwoClays());
  ASSERT_EQ(model.SliceMiddles().size(), 10u);
  const SettlementColumn column = ColumnOf(model, 50.0, 20.0);
  EXPECT_FALSE(column.layerTotals[0].has_value());
  EXPECT_NEAR(*column.layerTotals[1], 0.001 * 50 * 4, 1e-15);
  EXPECT_NEAR(*column.layerTotals[2], 0.001 * 20 * 6, 1e-15);
  EXPECT_NEAR(*column.total, 0.32, 1e-15);
  // S(t) adds each layer's U at its own Tv: Hd 2 m (both faces) and 6 m (top only).
  for (double t : {0.0, 10.0, 100.0, 1000.0}) {
    const double expected = DegreeOfConsolidation(100e-4 * t / 4.0) * 0.2 +
                            DegreeOfConsolidation(400e-4 * t / 36.0) * 0.12;
    EXPECT_NEAR(*model.SettlementAt(column, t), expected, 1e-15) << t;
  }
  EXPECT_THROW(model.Column(std::vector<double>(9, 1.0)), std::invalid_argument);
}

TEST(SettlementColumn, TimesToHalfAndNineTenthsSolveTheCurve) {
  // One layer: the solved time gives U = 0.5 and 0.9 at Tv50 = 0.196731, Tv90 = 0.848085
  // (the latter from the series' first term, -4 / pi^2 ln(pi^2 / 80)), whatever the drainage.
  for (Drainage drainage : {Drainage::kBoth, Drainage::kTop, Drainage::kBottom}) {
    for (double sign : {1.0, -1.0}) {  // heave alone consolidates the same way
      SoilProfile profile;
      profile.layers = {sign > 0 ? Mv(5.0, 80.0, drainage) : Swelling(5.0, 80.0, drainage)};
      const SettlementModel model(profile);
      const SettlementColumn column = ColumnOf(model, sign * 5.0, 0.0);
      ASSERT_TRUE(column.t50 && column.t90);
      EXPECT_NEAR(DegreeOfConsolidation(*model.TimeFactor(0, *column.t50)), 0.5, 1e-12);
      EXPECT_NEAR(DegreeOfConsolidation(*model.TimeFactor(0, *column.t90)), 0.9, 1e-12);
      EXPECT_NEAR(*model.TimeFactor(0, *column.t50), 0.196731, 1e-5);
      EXPECT_NEAR(*model.TimeFactor(0, *column.t90), 0.848085, 1e-5);
      EXPECT_NEAR(*model.SettlementAt(column, *column.t90) / *column.total, 0.9, 1e-12);
    }
  }
  // Two layers: S(t50) is half the total.
  const SettlementModel model(TwoClays());
  const SettlementColumn column = ColumnOf(model, 50.0, 20.0);
  ASSERT_TRUE(column.t50);
  EXPECT_NEAR(*model.SettlementAt(column, *column.t50), 0.16, 1e-13);
  EXPECT_LT(*column.t50, *column.t90);
}

TEST(SettlementColumn, NoTimesWithoutCvAZeroTotalMixedSignsOrASliceWithoutS) {
  struct Case {
    const char* what;
    std::optional<double> cv;  // of the second clay
    double upper, lower;
    bool total, atTime;
  };
  const Case cases[] = {
      {"a settling layer without cv", std::nullopt, 50, 20, true, false},
      {"a layer without cv that does not settle", std::nullopt, 50, 0, true, true},
      {"no settlement at all", 400.0, 0, 0, true, true},
      {"one layer settles, one heaves", 400.0, 50, -20, true, true},
      {"a slice unloaded below zero stress", 400.0, 50, -1000, false, false},
  };
  for (const Case& c : cases) {
    SoilProfile profile = TwoClays();
    // The second clay swells where it is unloaded.
    profile.layers[2] = Swelling(12.0, c.cv, Drainage::kTop);
    const SettlementModel model(profile);
    const SettlementColumn column = ColumnOf(model, c.upper, c.lower);
    EXPECT_EQ(column.total.has_value(), c.total) << c.what;
    EXPECT_EQ(model.SettlementAt(column, 100.0).has_value(), c.atTime) << c.what;
    const bool solvable = c.atTime && c.upper * c.lower >= 0 && c.upper + c.lower != 0;
    EXPECT_EQ(column.t50.has_value(), solvable) << c.what;
    EXPECT_EQ(column.t90.has_value(), solvable) << c.what;
    // U only where it is a degree: every layer settles, or every one heaves; then within [0, 1]
    // from 0 at t = 0.
    const bool degree = c.atTime && c.upper * c.lower >= 0 && c.upper + c.lower != 0;
    for (const double t : {0.0, 1.0, 100.0, 1e7}) {
      const std::optional<double> u = model.DegreeAt(column, t);
      ASSERT_EQ(u.has_value(), degree) << c.what;
      if (u) {
        EXPECT_TRUE(*u >= 0.0 && *u <= (t == 0.0 ? 0.0 : 1.0)) << c.what << " " << *u;
      }
    }
  }
}

// A layer so thin that its drainage path squared underflows: no time has passed at t = 0, and
// it has consolidated at once after it.
TEST(SettlementModel, AThinLayerIsUnconsolidatedAtZeroAndConsolidatedAfter) {
  SoilProfile profile;
  profile.layers = {Mv(1e-170, 100.0, Drainage::kBoth)};
  const SettlementModel model(profile);
  EXPECT_EQ(model.TimeFactor(0, 0.0), 0.0);
  EXPECT_EQ(model.TimeFactor(0, 10.0), INFINITY);
  const SettlementColumn column = ColumnOf(model, 50.0, 50.0);
  EXPECT_EQ(model.SettlementAt(column, 0.0), 0.0);
  EXPECT_EQ(model.DegreeAt(column, 0.0), 0.0);
  EXPECT_EQ(model.DegreeAt(column, 10.0), 1.0);
}

TEST(SettlementModel, RefusesAnElogPLayerWithoutItsCurve) {
  SoilProfile profile = TwoClays();
  profile.layers[1].method = SettlementMethod::kElogP;
  profile.layers[1].curve = 3;
  EXPECT_THROW(SettlementModel{profile}, std::invalid_argument);
  profile.curves = {ElogPCurve{3, {10}, {1.0}}};
  EXPECT_THROW(SettlementModel{profile}, std::invalid_argument);
  profile.curves = {ElogPCurve{3, {10, 100}, {1.0, 0.8}}};
  EXPECT_NO_THROW(SettlementModel{profile});
}

// A copy reads the curves of its own profile: the model it was copied from may be gone.
TEST(SettlementModel, ACopyOutlivesItsOriginal) {
  SoilProfile profile = TwoClays();
  profile.layers[1].method = SettlementMethod::kElogP;
  profile.layers[1].curve = 3;
  profile.curves = {ElogPCurve{3, {10, 100}, {1.0, 0.8}}};
  std::optional<SettlementModel> original(std::in_place, profile);
  const SettlementColumn expected = ColumnOf(*original, 50.0, 20.0);
  const SettlementModel copy = *original;
  original.reset();
  const SettlementColumn column = ColumnOf(copy, 50.0, 20.0);
  ASSERT_TRUE(column.total && expected.total);
  EXPECT_EQ(*column.total, *expected.total);
  EXPECT_EQ(column.slices[0].e1, expected.slices[0].e1);
}

}  // namespace
}  // namespace qel
