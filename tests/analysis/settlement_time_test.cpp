// Tests of the time-settlement numbers: the decades of a time axis, its samples, and S at times.
#include "analysis/settlement_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qel {
namespace {

// 4 m of clay by mv (cv 100 cm2/day unless told, draining at both faces) over 2 m of sand.
SoilProfile ClayProfile(std::optional<double> cv = 100.0) {
  SoilProfile profile;
  profile.sliceThickness = 1.0;
  profile.layers.resize(2);
  SoilLayer& clay = profile.layers[0];
  clay.bottom = 4.0;
  clay.gammaT = clay.gammaSat = 16.0;
  clay.method = SettlementMethod::kMv;
  clay.mv = 0.001;
  clay.cv = cv;
  profile.layers[1].bottom = 6.0;
  profile.layers[1].gammaT = profile.layers[1].gammaSat = 19.0;
  return profile;
}

SettlementColumn UniformColumn(const SettlementModel& model, double deltaP) {
  const std::vector<double> loads(model.slices().size(), deltaP);
  return model.Column(loads);
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

TEST(SettlementTimeSamples, RunFromDecadeToDecadeInEqualRatios) {
  struct Case {
    TimeDecades decades;
    int perDecade;
    std::size_t count;
  };
  for (const Case& c : {Case{{1, 4}, 20, 61}, Case{{-2, 0}, 5, 11}, Case{{0, 1}, 0, 2}}) {
    const std::vector<double> samples = LogTimeSamples(c.decades, c.perDecade);
    ASSERT_EQ(samples.size(), c.count);
    EXPECT_DOUBLE_EQ(samples.front(), std::pow(10.0, c.decades.first));
    EXPECT_DOUBLE_EQ(samples.back(), std::pow(10.0, c.decades.last));
    const double ratio = std::pow(10.0, 1.0 / std::max(c.perDecade, 1));
    for (std::size_t i = 1; i < samples.size(); ++i)
      EXPECT_NEAR(samples[i] / samples[i - 1], ratio, 1e-12);
  }
}

// A loaded column settles more with time, an unloaded one heaves more: S(t) is monotone in the
// direction of its total, and ends close to the total.
TEST(SettlementTimeSamples, SettlementGrowsTowardsTheTotal) {
  const SettlementModel model(ClayProfile());
  const std::vector<double> samples = LogTimeSamples({-1, 5}, 20);
  for (const double deltaP : {50.0, -5.0}) {
    SCOPED_TRACE(deltaP);
    const SettlementColumn column = UniformColumn(model, deltaP);
    ASSERT_TRUE(column.total);
    const std::vector<std::optional<double>> s = SettlementAtTimes(model, column, samples);
    ASSERT_EQ(s.size(), samples.size());
    for (std::size_t i = 1; i < s.size(); ++i) {
      ASSERT_TRUE(s[i]);
      EXPECT_GE(*s[i] * (deltaP > 0 ? 1 : -1), *s[i - 1] * (deltaP > 0 ? 1 : -1)) << samples[i];
    }
    EXPECT_NEAR(*s.back(), *column.total, 1e-9 * std::fabs(*column.total));
  }
}

TEST(SettlementTimeValues, AreTheModelsAtTheProfilesTimes) {
  const SettlementModel model(ClayProfile());
  const SettlementColumn column = UniformColumn(model, 40.0);
  const std::vector<double>& times = model.profile().times;
  const std::vector<std::optional<double>> s = SettlementAtTimes(model, column, times);
  ASSERT_EQ(s.size(), times.size());
  for (std::size_t i = 0; i < times.size(); ++i)
    EXPECT_EQ(s[i], model.SettlementAt(column, times[i])) << times[i];
  EXPECT_TRUE(HasTimeBehaviour(model, column));
}

TEST(SettlementTimeValues, NoneWithoutCv) {
  const SettlementModel model(ClayProfile(std::nullopt));
  const SettlementColumn column = UniformColumn(model, 40.0);
  ASSERT_TRUE(column.total);
  EXPECT_FALSE(HasTimeBehaviour(model, column));
  for (const std::optional<double>& s : SettlementAtTimes(model, column, model.profile().times))
    EXPECT_FALSE(s);
}

TEST(SettlementTimeDays, ReachFromBeforeT50ToPastT90) {
  const SettlementModel model(ClayProfile());
  const SettlementColumn column = UniformColumn(model, 40.0);
  ASSERT_TRUE(column.t50 && column.t90);
  const SettlementColumn* columns[] = {&column};
  const std::vector<double> days = DaysOfInterest(model, columns);
  std::vector<double> expected = model.profile().times;
  expected.push_back(*column.t50 * kBeforeT50);
  expected.push_back(*column.t90 * kAfterT90);
  EXPECT_EQ(days, expected);
  // Hd = 2 m, cv = 100 cm2/day: Tv = 1 after 400 days; t50 at Tv 0.197 is within 10 to 100 days.
  EXPECT_GT(*column.t50, 10.0);
  EXPECT_LT(*column.t50, 100.0);
}

}  // namespace
}  // namespace qel
