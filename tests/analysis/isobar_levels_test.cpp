// The default isobar levels and the parsing of typed level lists.
#include "analysis/isobar_levels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace qel {
namespace {

// The round step nearest by ratio to an eighth of the largest intensity.
TEST(IsobarLevelsTest, DefaultStepIsTheRoundValueNearestAnEighth) {
  struct Case {
    double largest, step;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (const Case& c : {Case{100, 10}, Case{250, 25}, Case{36, 5}, Case{18, 2.5}, Case{16, 2},
                        Case{1, 0.1}, Case{7.9, 1}, Case{60, 10}, Case{30, 5}, Case{2000, 250},
                        Case{0.36, 0.05}, Case{0, 0}, Case{-5, 0}, Case{nan, 0}, Case{inf, 0}}) {
    SCOPED_TRACE(c.largest);
    EXPECT_DOUBLE_EQ(DefaultIsobarStep(c.largest), c.step);
  }
}

// Multiples of the step below the largest intensity, and on the unloading side below the most
// negative one; the intensity itself is the loaded surface and gets no line.
TEST(IsobarLevelsTest, DefaultLevelsSplitTheIntensitiesIntoRoundSteps) {
  struct Case {
    double positive, negative;
    std::vector<double> levels;
  };
  const Case cases[] = {
      {100, 0, {10, 20, 30, 40, 50, 60, 70, 80, 90}},
      {36, 0, {5, 10, 15, 20, 25, 30, 35}},
      {40, 0, {5, 10, 15, 20, 25, 30, 35}},
      {30, -12, {5, 10, 15, 20, 25, -5, -10}},
      {0, -20, {-2.5, -5, -7.5, -10, -12.5, -15, -17.5}},
      {0.7, 0, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6}},  // 3 * 0.1 as it is written
      {0, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.positive) + " " + std::to_string(c.negative));
    EXPECT_EQ(DefaultIsobarLevels(c.positive, c.negative), c.levels);
  }
}

TEST(IsobarLevelsTest, TypedListsAreReadOrRefusedWithAReason) {
  struct Case {
    std::string text;
    std::vector<double> levels;  // empty: refused
    std::string error;
  };
  const Case cases[] = {
      {"10,20,30", {10, 20, 30}, ""},
      {" 12.5 , 25 ", {12.5, 25}, ""},
      {"1e1,+5,-5", {10, 5, -5}, ""},
      {"", {}, "missing"},
      {"10,,20", {}, "missing"},
      {"10,", {}, "missing"},
      {"10,abc", {}, "\"abc\" is not a number"},
      {"1.5x", {}, "not a number"},
      {"inf", {}, "not a number"},
      {"1,0", {}, "level 0"},
      {"5,5", {}, "twice"},
      {"3,1,2,1e0,2", {}, "level 1e0 is given twice"},
      {"1,5", {1, 5}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::string error;
    const std::optional<std::vector<double>> levels = ParseIsobarLevels(c.text, error);
    if (c.levels.empty()) {
      EXPECT_FALSE(levels);
      EXPECT_NE(error.find(c.error), std::string::npos) << error;
    } else {
      ASSERT_TRUE(levels) << error;
      EXPECT_EQ(*levels, c.levels);
    }
  }
}

}  // namespace
}  // namespace qel
