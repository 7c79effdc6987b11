// Tests of the settlement course against published solutions: Olson's ramp, equivalent thickness,
// Schiffman & Stein's four layers, Carrillo's drains, and secondary compression.
#include "analysis/settlement_course.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/consolidation_degree.h"

namespace qel {
namespace {

struct Clay {
  double thickness;
  double cv;  // cm2/day
  double mv;
  Drainage drainage;
};

// Clays by mv from the surface down, above any water table.
SoilProfile Clays(const std::vector<Clay>& clays,
                  ConsolidationRule rule = ConsolidationRule::kLayers) {
  SoilProfile profile;
  profile.consolidation = rule;
  profile.sliceThickness = 0.5;
  double bottom = 0;
  for (std::size_t i = 0; i < clays.size(); ++i) {
    SoilLayer layer;
    layer.number = static_cast<int>(i + 1);
    bottom += clays[i].thickness;
    layer.bottom = bottom;
    layer.gammaT = layer.gammaSat = 16.0;
    layer.method = SettlementMethod::kMv;
    layer.mv = clays[i].mv;
    layer.cv = clays[i].cv;
    layer.drainage = clays[i].drainage;
    profile.layers.push_back(layer);
  }
  return profile;
}

std::vector<double> Uniform(const SettlementCourseModel& model, double deltaP) {
  return std::vector<double>(model.model().slices().size(), deltaP);
}

// 2 m of clay drained at both faces with cv = 1 m2/day: Tv equals the days.
SoilProfile UnitClay() {
  return Clays({{2.0, 1e4, 0.001, Drainage::kBoth}});
}

TEST(SettlementCourse, AStageStepIsTodaysSettlement) {
  SoilProfile staged =
      Clays({{3.0, 120.0, 0.002, Drainage::kTop}, {5.0, 40.0, 0.001, Drainage::kBoth}});
  const SettlementModel today(staged);
  staged.stages = {{1, 0.0, 0.0, 1.0}};
  const SettlementCourseModel course(staged);
  const SettlementCourse column = course.Course(Uniform(course, 80.0));
  const SettlementColumn plain = today.Column(Uniform(course, 80.0));
  ASSERT_TRUE(column.hasTime);
  for (const double t : {1.0, 30.0, 365.0, 3000.0, 1e5}) {
    SCOPED_TRACE(t);
    EXPECT_NEAR(course.At(column, t)->primary, *today.SettlementAt(plain, t), 1e-12);
    EXPECT_EQ(course.At(column, t)->secondary, 0.0);
  }
  EXPECT_NEAR(*column.t90, *plain.t90, 1e-9 * *plain.t90);
}

TEST(SettlementCourse, ARampFollowsOlson) {
  struct Case {
    TimeLoading loading;
    double tc, t, degree;
  };
  for (const Case& c : std::vector<Case>{{TimeLoading::kExact, 0.2, 0.2, 0.336350},
                                         {TimeLoading::kExact, 1.0, 1.0, 0.694526},
                                         {TimeLoading::kTerzaghi, 0.2, 0.2, 0.356823},
                                         {TimeLoading::kTerzaghi, 1.0, 1.0, 0.763950}}) {
    SoilProfile profile = UnitClay();
    profile.stages = {{1, 0.0, c.tc, 1.0}};
    profile.timeLoading = c.loading;
    const SettlementCourseModel model(profile);
    const SettlementCourse column = model.Course(Uniform(model, 50.0));
    EXPECT_NEAR(*model.At(column, c.t)->degree, c.degree, 1e-6) << c.tc;
  }
}

TEST(SettlementCourse, StagesShareTheFinalSettlementByTheMethod) {
  SoilProfile profile = UnitClay();
  profile.layers[0].method = SettlementMethod::kCc;
  profile.layers[0].e0 = 2.0, profile.layers[0].cc = 0.8, profile.layers[0].cs = 0.08;
  profile.stages = {{1, 0.0, 30.0, 0.5}, {2, 60.0, 90.0, 0.8}};
  const SettlementCourseModel model(profile);
  // The loads' dP is 100; the stages end at 0.8 of it.
  const SettlementCourse column = model.Course(Uniform(model, 80.0));
  // Cc: S = Cc / (1 + e0) h log10(1 + f dP / sigma'v0) summed over four slices of 0.5 m, their
  // sigma'v0 16 zm.
  auto settled = [](double f) {
    double s = 0;
    for (const double zm : {0.25, 0.75, 1.25, 1.75})
      s += 0.8 / 3.0 * 0.5 * std::log10(1.0 + f * 100.0 / (16.0 * zm));
    return s;
  };
  ASSERT_EQ(column.stageSettlements.size(), 2u);
  EXPECT_NEAR(*column.stageSettlements[0], settled(0.5), 1e-12);
  EXPECT_NEAR(*column.stageSettlements[0] + *column.stageSettlements[1], *column.final.total,
              1e-12);
  EXPECT_NEAR(*column.final.total, settled(0.8), 1e-12);
  // Nothing settles before the first stage starts, and all of it in the end.
  EXPECT_EQ(model.At(column, 0.0)->primary, 0.0);
  EXPECT_NEAR(model.At(column, 1e4)->primary, *column.final.total, 1e-12);
}

TEST(SettlementCourse, EquivalentThicknessGivesThePublishedT90) {
  const SettlementCourseModel model(Clays({{1.0, 50.0, 0.001, Drainage::kTop},
                                           {3.0, 100.0, 0.001, Drainage::kNone},
                                           {2.0, 400.0, 0.001, Drainage::kBottom}},
                                          ConsolidationRule::kEquivalent));
  ASSERT_EQ(model.groups().size(), 1u);
  EXPECT_NEAR(*model.groups()[0].thickness, 3.8284, 1e-4);
  const SettlementCourse column = model.Course(Uniform(model, 50.0));
  EXPECT_NEAR(*column.t90, 621.5, 0.1);
}

TEST(SettlementCourse, CoupledLayersGiveSchiffmanAndStein) {
  // h in m, cv in m2/day (x 1e4 to cm2/day), mv per unit load, a step of 100.
  const SettlementCourseModel model(Clays({{10.0, 411.0, 3.07e-3, Drainage::kTop},
                                           {20.0, 1918.0, 1.95e-3, Drainage::kNone},
                                           {30.0, 548.0, 9.74e-4, Drainage::kNone},
                                           {20.0, 686.0, 1.95e-3, Drainage::kBottom}},
                                          ConsolidationRule::kCoupled));
  const SettlementCourse column = model.Course(Uniform(model, 100.0));
  ASSERT_TRUE(column.hasTime);
  EXPECT_NEAR(*column.final.total, 13.792, 1e-9);
  const std::pair<double, double> published[] = {
      {122, 1.41200}, {740, 3.48058}, {2930, 6.98645}, {7195, 10.45107}, {31623, 13.73046}};
  for (const auto& [t, settlement] : published)
    EXPECT_NEAR(model.At(column, t)->primary, settlement, 1e-4 * 13.792) << t;
}

// A Cc layer of a coupled group without load (so without settlement) keeps its flow at the
// ground's own compressibility and adds nothing: the column's course is that of the same group
// with the layer given as mv = the mean of Cc / ((1 + e0) sigma'v0 ln 10) over its slices.
TEST(SettlementCourse, ACoupledLayerWithoutLoadStillCarriesItsFlow) {
  SoilProfile profile = Clays({{3.0, 100.0, 0, Drainage::kTop}, {4.0, 300.0, 0, Drainage::kBottom}},
                              ConsolidationRule::kCoupled);
  for (SoilLayer& layer : profile.layers) {
    layer.method = SettlementMethod::kCc;
    layer.e0 = 1.2, layer.cc = 0.6, layer.cs = 0.06;
  }
  const SettlementCourseModel model(profile);
  std::vector<double> deltaP = Uniform(model, 60.0);
  double tangent = 0;
  int lower = 0;
  for (std::size_t i = 0; i < deltaP.size(); ++i)
    if (model.model().slices()[i].layer == 1) {
      deltaP[i] = 0.0;
      tangent += 0.6 / (2.2 * model.model().Column(deltaP).slices[i].sigma0 * std::log(10.0));
      ++lower;
    }
  const SettlementCourse unloaded = model.Course(deltaP);
  profile.layers[1].method = SettlementMethod::kMv;
  profile.layers[1].mv = tangent / lower;
  const SettlementCourseModel given(profile);
  const SettlementCourse reference = given.Course(deltaP);
  ASSERT_TRUE(unloaded.hasTime && reference.hasTime);
  EXPECT_EQ(*unloaded.final.layerTotals[1], 0.0);
  EXPECT_EQ(*unloaded.final.total, *unloaded.final.layerTotals[0]);
  for (const double t : {10.0, 100.0, 1000.0})
    EXPECT_NEAR(model.At(unloaded, t)->primary, given.At(reference, t)->primary,
                1e-6 * *unloaded.final.total)
        << t;
}

TEST(SettlementCourse, DrainsGiveCarrillosProduct) {
  // Ideal drains with n = 10 (mu = 1.578343528) in the unit clay, ch = 2 cv.
  SoilProfile profile = UnitClay();
  profile.layers[0].ch = 2e4;
  const double de = 1.0;
  profile.drains = VerticalDrains{DrainPattern::kSquare,
                                  de * std::sqrt(std::numbers::pi) / 2.0,
                                  de / 10.0,
                                  std::nullopt,
                                  std::nullopt,
                                  std::nullopt,
                                  5.0};
  const SettlementCourseModel model(profile);
  const SettlementCourse column = model.Course(Uniform(model, 50.0));
  for (const double t : {0.01, 0.1, 0.3, 1.0}) {
    const double uh = 1.0 - std::exp(-8.0 * 2.0 * t / (de * de) / 1.578343528);
    const double uv = DegreeOfConsolidation(t);
    EXPECT_NEAR(*model.At(column, t)->degree, 1.0 - (1.0 - uv) * (1.0 - uh), 1e-9) << t;
  }
  // Drains that end above the clay's slices leave it to drain vertically only.
  profile.drains->bottom = 0.1;
  const SettlementCourseModel shallow(profile);
  EXPECT_NEAR(*shallow.At(shallow.Course(Uniform(shallow, 50.0)), 0.3)->degree,
              DegreeOfConsolidation(0.3), 1e-12);
}

TEST(SettlementCourse, SecondaryCompressionStartsAtTheShareOfPrimary) {
  SoilProfile profile = Clays({{3.0, 100.0, 0.001, Drainage::kBoth}});
  profile.layers[0].calpha = 0.02, profile.layers[0].e0 = 1.0;
  profile.secondaryStart = 0.9;
  const SettlementCourseModel model(profile);
  const SettlementCourse column = model.Course(Uniform(model, 50.0));
  ASSERT_EQ(column.secondary.size(), 1u);
  const double tp = *column.secondary[0].tp;
  EXPECT_NEAR(tp, *column.t90, 1e-9 * tp);
  EXPECT_EQ(model.At(column, 0.99 * tp)->secondary, 0.0);
  // One log cycle after tp: Calpha / (1 + ep) h = 0.02 / 2 x 3 m.
  EXPECT_NEAR(model.At(column, 10.0 * tp)->secondary, 0.030, 1e-12);
  EXPECT_NEAR(model.At(column, 10.0 * tp)->total(), model.At(column, 10.0 * tp)->primary + 0.030,
              1e-12);
}

}  // namespace
}  // namespace qel
