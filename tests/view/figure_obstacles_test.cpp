// What labels keep clear of: boxes and strokes found wherever they lie, the parts of a line
// under texts, and a field's range found by sampling.
#include "view/figure_obstacles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "analysis/field_range.h"

namespace qel {
namespace {

// A mark, a long slanting outline, a thick stroke and a stroke owned by line 7, far apart, and
// boxes that meet each, miss them all, or pass beside the slanting one's bounding box corner.
TEST(FigureObstacles, ABoxIsClearOnlyWhereNothingMeetsIt) {
  FigureObstacles obstacles;
  obstacles.AddBox({100, 100, 110, 110});
  obstacles.AddStroke({0, 1000}, {3000, 4000}, 1);
  obstacles.AddStroke({-500, -500}, {-500, 500}, 9);
  obstacles.AddStroke({2000, 0}, {2100, 0}, 1, 7);
  struct Case {
    const char* what;
    DeviceBox box;
    int ignored;
    bool clear;
  };
  const Case cases[] = {
      {"over the mark", {105, 105, 120, 120}, FigureObstacles::kNoOwner, false},
      {"touching the mark", {110, 90, 130, 100}, FigureObstacles::kNoOwner, false},
      {"beside the mark", {112, 100, 130, 110}, FigureObstacles::kNoOwner, true},
      {"on the slanting line far along",
       {2490, 3480, 2510, 3520},
       FigureObstacles::kNoOwner,
       false},
      {"inside its bounding box, off the line",
       {2500, 1200, 2600, 1300},
       FigureObstacles::kNoOwner,
       true},
      {"within half the thick pen", {-496, 0, -480, 10}, FigureObstacles::kNoOwner, false},
      {"beyond the thick pen", {-490, 0, -480, 10}, FigureObstacles::kNoOwner, true},
      {"on line 7", {2050, -5, 2060, 5}, FigureObstacles::kNoOwner, false},
      {"on line 7, its own label", {2050, -5, 2060, 5}, 7, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(obstacles.IsClear(c.box, c.ignored), c.clear) << c.what;
  EXPECT_EQ(obstacles.Crossings({2050, -5, 2060, 5}, FigureObstacles::kNoOwner), 1);
  EXPECT_EQ(obstacles.Crossings({2050, -5, 2060, 5}, 7), 0);
  EXPECT_EQ(obstacles.Cover({0, 0, 10, 10}), 0.0);
  EXPECT_EQ(obstacles.Cover({100, 100, 105, 120}), 50.0);  // half the mark's width, its height
}

// The stretches of a segment that lie under boxes, merged where boxes overlap, in order.
TEST(FigureObstacles, BoxSpansAreTheStretchesOfASegmentUnderTheBoxes) {
  FigureObstacles texts;
  texts.AddBox({10, -5, 20, 5});
  texts.AddBox({18, -5, 30, 5});
  texts.AddBox({60, -5, 70, 5});
  texts.AddBox({40, 50, 50, 60});  // off the segment
  const std::vector<std::pair<double, double>> spans = texts.BoxSpans({0, 0}, {100, 0});
  ASSERT_EQ(spans.size(), 2u);
  EXPECT_DOUBLE_EQ(spans[0].first, 0.1);
  EXPECT_DOUBLE_EQ(spans[0].second, 0.3);
  EXPECT_DOUBLE_EQ(spans[1].first, 0.6);
  EXPECT_DOUBLE_EQ(spans[1].second, 0.7);
  EXPECT_TRUE(texts.BoxSpans({0, 100}, {100, 100}).empty());
}

// A peak and a pit narrower than the sampling lattice, an extreme on the window's edge, and a
// plateau: the range is found to the field's own precision with the seeds where they are.
TEST(FieldRange, FindsTheExtremesOfAFieldOverItsWindow) {
  const ContourWindow window{0.0, 100.0, 0.0, 50.0};
  struct Case {
    const char* what;
    ScalarField field;
    std::vector<ContourPoint> seeds;
    double low, high;
  };
  auto bump = [](double u0, double v0, double width, double height) {
    return [=](double u, double v) {
      return height * std::exp(-((u - u0) * (u - u0) + (v - v0) * (v - v0)) / (width * width));
    };
  };
  const Case cases[] = {
      {"a broad hill",
       bump(40.0, 20.0, 30.0, 7.5),
       {},
       7.5 * std::exp(-(60.0 * 60.0 + 30.0 * 30.0) / 900.0),
       7.5},
      {"a narrow peak at a seed", bump(33.3, 17.7, 0.5, 250.0), {{33.3, 17.7}}, 0.0, 250.0},
      {"a narrow pit at a seed", bump(71.1, 3.3, 0.5, -40.0), {{71.1, 3.3}}, -40.0, 0.0},
      {"a slope rising to an edge", [](double u, double v) { return u - v; }, {}, -50.0, 100.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const FieldRange range = SampleFieldRange(c.field, window, c.seeds);
    EXPECT_NEAR(range.low, c.low, 1e-6 * std::max(1.0, std::fabs(c.low)));
    EXPECT_NEAR(range.high, c.high, 1e-6 * std::max(1.0, std::fabs(c.high)));
  }
  const FieldRange none = SampleFieldRange([](double, double) { return 1.0; }, {1, 1, 0, 1});
  EXPECT_EQ(none.low, 0.0);
  EXPECT_EQ(none.high, 0.0);
}

}  // namespace
}  // namespace qel
