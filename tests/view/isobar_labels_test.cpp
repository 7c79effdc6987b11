// The level labels along isobars and the classes of a fill's legend, on lines and sets made
// for the purpose.
#include "view/isobar_labels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "view/isobar_legend.h"

namespace qel {
namespace {

constexpr int kHeight = 20;

std::vector<DevicePoint> Ring(int cx, int cy, int radius) {
  std::vector<DevicePoint> points;
  for (int i = 0; i <= 64; ++i) {
    const double angle = i * 2.0 * 3.141592653589793 / 64;
    points.push_back({cx + static_cast<int>(std::lround(radius * std::cos(angle))),
                      cy + static_cast<int>(std::lround(radius * std::sin(angle)))});
  }
  return points;
}

// Whether the polyline passes through the box.
bool Through(const std::vector<DevicePoint>& points, const DeviceBox& box) {
  for (std::size_t i = 1; i < points.size(); ++i)
    if (LengthInside(points[i - 1], points[i], box) > 0.0) return true;
  return false;
}

// A long line with an obstacle at its middle, a ring too short for a label of its own, and a
// ring hemmed in by an outline on each side: each level gets a label, none over an obstacle or
// another label, inside the window; the hemmed-in one stands beside its ring with a leader.
TEST(LevelLabels, EveryLevelIsLabelledClearOfWhatIsTaken) {
  const DeviceBox window{0, 0, 2000, 1000};
  FigureObstacles taken;
  taken.AddBox({900, 480, 1100, 520});
  for (const int r : {22, 38})  // outlines just inside and outside the ring of level 30
    taken.AddPolyline(Ring(1500, 800, r), 2);
  const std::vector<DeviceIsobar> lines = {
      {10, {{100, 500}, {1900, 500}}},
      {20, Ring(300, 800, 12)},
      {30, Ring(1500, 800, 30)},
  };
  const std::vector<LevelLabel> labels = PlaceLevelLabels(lines, taken, window, kHeight);
  std::map<std::string, const LevelLabel*> byText;
  for (const LevelLabel& label : labels) {
    SCOPED_TRACE(label.text);
    byText[label.text] = &label;
    EXPECT_TRUE(label.clear);
    EXPECT_TRUE(label.ground.Inside(window));
    EXPECT_TRUE(taken.IsClear(label.ground));
    for (const LevelLabel& other : labels) {
      if (&other != &label) {
        EXPECT_FALSE(other.ground.Meets(label.ground)) << other.text;
      }
    }
  }
  ASSERT_EQ(byText.size(), 3u);
  EXPECT_FALSE(byText["10"]->leader);
  EXPECT_TRUE(Through(lines[0].points, byText["10"]->box));
  EXPECT_FALSE(byText["20"]->leader);
  EXPECT_TRUE(Through(lines[1].points, byText["20"]->box));
  const LevelLabel& hemmed = *byText["30"];
  EXPECT_TRUE(hemmed.leader);
  EXPECT_FALSE(Through(lines[2].points, hemmed.box));
  EXPECT_NEAR(std::hypot(hemmed.to.x - 1500, hemmed.to.y - 800), 30.0, 1.5);  // on the ring
  EXPECT_EQ(hemmed.from.x, std::clamp(hemmed.to.x, hemmed.ground.left, hemmed.ground.right));
  EXPECT_EQ(hemmed.from.y, std::clamp(hemmed.to.y, hemmed.ground.top, hemmed.ground.bottom));
}

// A level whose only line lies where every place is taken still gets its label, on the least
// covered place of the line, marked as not clear.
TEST(LevelLabels, ALevelWithNoClearPlaceTakesTheLeastCovered) {
  const DeviceBox window{0, 0, 400, 200};
  FigureObstacles taken;
  taken.AddBox({0, 0, 400, 200});
  const std::vector<LevelLabel> labels =
      PlaceLevelLabels({{5, {{50, 100}, {350, 100}}}}, taken, window, kHeight);
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0].text, "5");
  EXPECT_FALSE(labels[0].clear);
}

// The classes a page has: those its sampled range meets, and both sides of every level with a
// line on it.
TEST(FillLegend, ListsTheClassesThePageHas) {
  struct Case {
    const char* what;
    double low, high;
    std::vector<double> lineLevels;
    std::vector<std::string> present;
  };
  const Case cases[] = {
      {"inside one class", 12, 18, {}, {"10 ～ 20"}},
      {"a line at 20", 12, 18, {20}, {"10 ～ 20", "20 ～ 30"}},
      {"above the last level", 35, 40, {}, {"30 以上"}},
      {"below every level", 0, 5, {}, {}},
      {"across zero", -15, 25, {}, {"10 ～ 20", "20 ～ 30", "-10 ～ -20"}},
      {"below the last negative level", -90, -60, {}, {"-20 以下"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    IsobarSet set;
    for (const double level : {10.0, 20.0, 30.0, -10.0, -20.0})
      set.fills.push_back({level, {}});
    set.range = {c.low, c.high};
    for (const double level : c.lineLevels)
      set.lines.push_back({level, false, {}});
    std::vector<std::string> texts;
    for (const FillClass& fill : PresentClasses(set, false))
      texts.push_back(fill.text);
    EXPECT_EQ(texts, c.present);
  }
}

// A few classes are listed a row each; many, or too little room, make a bar no taller than the
// room leaves and never shorter than six rows.
TEST(FillLegend, ManyClassesOrLittleRoomMakeABar) {
  struct Case {
    int classes, room;
    bool bar;
    int height;  // -1: at most the room
  };
  const Case cases[] = {
      {5, 1000, false, 5 * kHeight}, {12, 1000, false, 12 * kHeight}, {13, 1000, true, -1},
      {100, 600, true, -1},          {5, 60, true, 7 * kHeight},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.classes) + " in " + std::to_string(c.room));
    std::vector<FillClass> classes(c.classes);
    for (int i = 0; i < c.classes; ++i)
      classes[i] = {nullptr, 0, i * 10.0, i * 10.0 + 10.0, "x ～ y"};
    const LegendShape shape = ShapeLegend(classes, kHeight, c.room);
    EXPECT_EQ(shape.bar, c.bar);
    if (c.height >= 0) {
      EXPECT_EQ(shape.height, c.height);
    } else {
      EXPECT_LE(shape.height, c.room);
    }
  }
  EXPECT_EQ(ShapeLegend({}, kHeight, 1000).height, 0);
}

}  // namespace
}  // namespace qel
