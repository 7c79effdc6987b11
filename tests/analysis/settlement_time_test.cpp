// Tests of the time-settlement numbers: the decades of a time axis and S at times.
#include "analysis/settlement_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qel {
namespace {

// 4 m of clay by mv (cv 100 cm2/day unless told, draining at both faces) over 2 m of sand.
SoilProfile ClayProfile(std::optional<double> cv = 100.0) {
  SoilProfile profile;
  profile.layers.resize(2);
  SoilLayer &clay = profile.layers[0], &sand = profile.layers[1];
  clay.bottom = 4.0, clay.gammaT = clay.gammaSat = 16.0, clay.mv = 0.001, clay.cv = cv;
  clay.method = SettlementMethod::kMv;
  sand.bottom = 6.0, sand.gammaT = sand.gammaSat = 19.0;
  return profile;
}

SettlementCourse UniformCourse(const SettlementCourseModel& model, double deltaP) {
  const std::vector<double> loads(model.model().slices().size(), deltaP);
  return model.Course(loads);
}

TEST(SettlementTimeDecades, SpanTheWholeDecadesAroundTheDays) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    std::vector<double> days;
    int first, last;
  };
  for (const Case& c : std::vector<Case>{
           {{10, 30, 100, 300, 1000, 3000}, 1, 4},
           {{100, 1000}, 2, 3},          // days on the decades stay on them
           {{1000}, 3, 4},               // one day still spans a decade
           {{1.31, 13.1, 169.5}, 0, 3},  // between decades: the ones around
           {{}, 0, 4},                   // nothing to span: 1 to 10^4
           {{0, -5, nan, inf}, 0, 4},    // nothing positive and finite either
           {{0, 5, nan, 50}, 0, 2},      // those are left out
           {{1e-9, 1e20}, -4, 8},        // within the bounds, twelve decades from the earliest
           {{1e12}, kLatestDecade - 1, kLatestDecade},
       }) {
    SCOPED_TRACE(::testing::PrintToString(c.days));
    const TimeDecades decades = DecadesSpanning(c.days);
    EXPECT_EQ(decades.first, c.first);
    EXPECT_EQ(decades.last, c.last);
  }
}

// A loaded column settles more with time, an unloaded one heaves more: S(t) is monotone in the
// direction of its total, and ends close to the total.
TEST(SettlementTimeSamples, SettlementGrowsTowardsTheTotal) {
  const SettlementCourseModel model(ClayProfile());
  const std::vector<double> samples = LogTimeSamples({-1, 5}, 20);
  for (const double deltaP : {50.0, -5.0}) {
    SCOPED_TRACE(deltaP);
    const SettlementCourse course = UniformCourse(model, deltaP);
    const SettlementColumn& column = course.final;
    ASSERT_TRUE(column.total);
    const std::vector<std::optional<double>> s = SettlementAtTimes(model, course, samples);
    ASSERT_EQ(s.size(), samples.size());
    for (std::size_t i = 1; i < s.size(); ++i) {
      ASSERT_TRUE(s[i]);
      EXPECT_GE(*s[i] * (deltaP > 0 ? 1 : -1), *s[i - 1] * (deltaP > 0 ? 1 : -1)) << samples[i];
    }
    EXPECT_NEAR(*s.back(), *column.total, 1e-9 * std::fabs(*column.total));
  }
}

// Under the whole load from day 0, S at the profile's times is each layer's own consolidation;
// without cv there is none at any time.
TEST(SettlementTimeValues, AreEachLayersOwnUnderAStepLoad) {
  for (const std::optional<double> cv : {std::optional<double>(100.0), std::optional<double>()}) {
    const SettlementCourseModel model(ClayProfile(cv));
    const SettlementCourse course = UniformCourse(model, 40.0);
    ASSERT_TRUE(course.final.total);
    EXPECT_EQ(course.hasTime, cv.has_value());
    const std::vector<double>& times = model.profile().times;
    const std::vector<std::optional<double>> s = SettlementAtTimes(model, course, times);
    ASSERT_EQ(s.size(), times.size());
    for (std::size_t i = 0; i < times.size(); ++i) {
      EXPECT_EQ(s[i].has_value(), cv.has_value());
      EXPECT_EQ(s[i], model.model().SettlementAt(course.final, times[i])) << times[i];
    }
  }
}

// Built over a ramp the settlement lags the step load's, and with Cα it passes the primary
// total once the primary is nearly done.
TEST(SettlementTimeValues, FollowTheLoadAsBuiltAndSecondaryCompression) {
  const SettlementCourseModel step(ClayProfile());
  SoilProfile built = ClayProfile();
  built.stages = {{1, 0.0, 200.0, 1.0}};
  built.layers[0].e0 = 1.0;
  built.layers[0].calpha = 0.02;
  const SettlementCourseModel ramp(built);
  const SettlementCourse fast = UniformCourse(step, 40.0), slow = UniformCourse(ramp, 40.0);
  const std::vector<double> days = {50.0, 1e5};
  const std::vector<std::optional<double>> s = SettlementAtTimes(step, fast, days);
  const std::vector<std::optional<double>> b = SettlementAtTimes(ramp, slow, days);
  ASSERT_TRUE(s[0] && b[0] && b[1]);
  EXPECT_LT(*b[0], 0.5 * *s[0]);
  EXPECT_GT(*b[1], *slow.final.total * 1.01);
}

// The columns shown: the numbers chosen that exist, in their order and once each; else the six
// that settle most, in their own order, those without a settlement only to fill the count.
TEST(SettlementTimeColumns, AreTheChosenOrTheSixLargest) {
  std::vector<SettlementColumn> columns(8);
  const std::optional<double> totals[] = {0.10, 0.50, std::nullopt, 0.30, 0.90, 0.20, 0.40, 0.05};
  for (std::size_t i = 0; i < columns.size(); ++i)
    columns[i].total = totals[i];
  std::vector<const SettlementColumn*> all;
  for (const SettlementColumn& column : columns)
    all.push_back(&column);
  struct Case {
    std::vector<int> chosen;
    std::size_t largest;
    std::vector<std::size_t> shown;
  };
  const Case cases[] = {
      {{}, 6, {0, 1, 3, 4, 5, 6}},
      {{}, 8, {0, 1, 2, 3, 4, 5, 6, 7}},
      {{}, 2, {1, 4}},
      {{7, 1, 7, 0, 9, -2, 3}, 6, {6, 0, 2}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ShownTimeColumns(all, c.chosen, c.largest), c.shown);
  EXPECT_TRUE(ShownTimeColumns({}, {}).empty());
}

// A column without a curve says why, naming a settling layer without cv; one with a curve has
// no reason.
TEST(SettlementTimeColumns, NameWhyAColumnHasNoCurve) {
  for (const std::optional<double> cv : {std::optional<double>(100.0), std::optional<double>()}) {
    SoilProfile profile = ClayProfile(cv);
    profile.layers[0].number = 1, profile.layers[0].name = "粘土";
    const SettlementCourseModel model(profile);
    const std::optional<std::string> reason = NoTimeCurveReason(model, UniformCourse(model, 40.0));
    EXPECT_EQ(reason.has_value(), !cv.has_value());
    if (reason) {
      EXPECT_NE(reason->find("土層 1 (粘土)"), std::string::npos) << *reason;
    }
    SettlementCourse unsettled = UniformCourse(model, 40.0);
    unsettled.final.total.reset();
    EXPECT_TRUE(NoTimeCurveReason(model, unsettled));
  }
}

// The load in place follows the stages: a ramp from the previous fraction, held between
// stages, a step where a stage starts and ends on one day; the whole load from day 0 without
// stages.
TEST(LoadFractionAt, FollowsTheStages) {
  const std::vector<LoadStage> stages = {{1, 10, 60, 0.5}, {2, 120, 120, 0.8}, {3, 150, 200, 1.0}};
  struct Case {
    double t, f;
  } cases[] = {{0, 0},       {10, 0},    {35, 0.25}, {60, 0.5},  {100, 0.5},
               {119.9, 0.5}, {120, 0.8}, {175, 0.9}, {200, 1.0}, {1e6, 1.0}};
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(LoadFractionAt(stages, c.t), c.f) << c.t;
  EXPECT_EQ(LoadFractionAt({}, -1.0), 0.0);
  EXPECT_EQ(LoadFractionAt({}, 0.0), 1.0);
}

}  // namespace
}  // namespace qel
