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

// S at the profile's times is the model's; without cv there is none at any time.
TEST(SettlementTimeValues, AreTheModelsAtTheProfilesTimes) {
  for (const std::optional<double> cv : {std::optional<double>(100.0), std::optional<double>()}) {
    const SettlementModel model(ClayProfile(cv));
    const SettlementColumn column = UniformColumn(model, 40.0);
    ASSERT_TRUE(column.total);
    EXPECT_EQ(HasTimeBehaviour(model, column), cv.has_value());
    const std::vector<double>& times = model.profile().times;
    const std::vector<std::optional<double>> s = SettlementAtTimes(model, column, times);
    ASSERT_EQ(s.size(), times.size());
    for (std::size_t i = 0; i < times.size(); ++i) {
      EXPECT_EQ(s[i].has_value(), cv.has_value());
      EXPECT_EQ(s[i], model.SettlementAt(column, times[i])) << times[i];
    }
  }
}

}  // namespace
}  // namespace qel
