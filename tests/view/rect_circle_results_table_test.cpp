// The rectangular and circular results table: the lattice listing, the course of the
// calculation, the results grid and the results and layout kept between calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/c_locale.h"
#include "document/load_lists.h"
#include "support/computation_count.h"
#include "support/render_world.h"
#include "test_support/recording_device_context.h"
#include "view/render_caches.h"
#include "view/renderers.h"
#include "view/table_texts.h"

namespace qel {
namespace {

using test::BodyStrings;
using test::BodyTexts;
using test::DrawnText;

// 254 dpi: lines 42 pixels apart from 242 on page 1 (10 pt), 57 lines a page, the two-thirds
// rule breaking after more than 38 lines; columns at 110, 360, 610, 860 and 1110.
class RectCircleResultsTableTest : public ::testing::Test {
 protected:
  RectCircleResultsTableTest() { world.UseDevice(254, 254); }

  void SetRect(int row, std::vector<std::string> cells) {
    for (std::size_t c = 0; c < cells.size(); ++c)
      world.tables.rectLoads[row][c + 1] = cells[c];
  }
  void SetCircle(int row, std::vector<std::string> cells) {
    for (std::size_t c = 0; c < cells.size(); ++c)
      world.tables.circleLoads[row][c + 1] = cells[c];
  }
  void SetLattice(const std::vector<std::string>& xs, const std::vector<std::string>& ys,
                  const std::vector<std::string>& zs) {
    const std::vector<std::string>* columns[] = {nullptr, &xs, &ys, &zs};
    for (int column = 1; column <= 3; ++column)
      for (int row = 1; row <= kGridRows; ++row)
        world.tables.gridPoints[row][column] =
            row <= int(columns[column]->size()) ? (*columns[column])[row - 1] : "";
  }
  void ShowTrace(bool on) {
    world.tables
        .settingLines[setting_line::Style(Problem::RectCircle, setting_line::kShowCalcTrace)] =
        on ? "1" : "0";
  }
  RecordingDeviceContext Page(int page) {
    return test::DrawTablePageOf(world, RenderRectCircleResults, page);
  }
  int Pages() { return RenderRectCircleResults(world.Ctx(), nullptr, false); }
  // Every body text of every page.
  std::vector<std::string> AllStrings() {
    std::vector<std::string> all;
    for (int page = 1, pages = Pages(); page <= pages; ++page) {
      std::vector<std::string> strings = BodyStrings(Page(page));
      all.insert(all.end(), strings.begin(), strings.end());
    }
    return all;
  }

  test::RenderWorld world;
};

TEST_F(RectCircleResultsTableTest, LatticeIsListedWithXChangingFastest) {
  SetLattice({"0", "1"}, {"0", "1", "2"}, {"1", "2"});
  const std::vector<DrawnText> texts = BodyTexts(Page(1));
  ASSERT_EQ(texts.size(), 5u * 13);
  EXPECT_EQ(std::vector<DrawnText>(texts.begin(), texts.begin() + 10),
            (std::vector<DrawnText>{{110, 242, "計算点"},
                                    {360, 242, "x"},
                                    {610, 242, "y"},
                                    {860, 242, "z"},
                                    {1110, 242, "dP tf/㎡"},
                                    {110, 284, "P1"},
                                    {360, 284, "0.00"},
                                    {610, 284, "0.00"},
                                    {860, 284, "1.00"},
                                    {1110, 284, "0.000"}}));
  const char* expected[12][4] = {
      {"P1", "0.00", "0.00", "1.00"},  {"P2", "1.00", "0.00", "1.00"},
      {"P3", "0.00", "1.00", "1.00"},  {"P4", "1.00", "1.00", "1.00"},
      {"P5", "0.00", "2.00", "1.00"},  {"P6", "1.00", "2.00", "1.00"},
      {"P7", "0.00", "0.00", "2.00"},  {"P8", "1.00", "0.00", "2.00"},
      {"P9", "0.00", "1.00", "2.00"},  {"P10", "1.00", "1.00", "2.00"},
      {"P11", "0.00", "2.00", "2.00"}, {"P12", "1.00", "2.00", "2.00"},
  };
  for (int point = 0; point < 12; ++point) {
    for (int column = 0; column < 4; ++column)
      EXPECT_EQ(texts[5 * (point + 1) + column].text, expected[point][column]) << point;
    EXPECT_EQ(texts[5 * (point + 1) + 4].text, "0.000");  // no loads: every dP is zero
  }

  world.settings.unitSystem = 1;
  EXPECT_EQ(BodyStrings(Page(1))[4], "dP kN/㎡");
}

// The method changes the values, never the layout: the note it brings is page furniture.
TEST_F(RectCircleResultsTableTest, TheCompatibleMethodKeepsThePageCount) {
  SetCircle(1, {"1", "0", "0", "1", "1"});
  SetLattice({"0", "1", "2", "3"}, {"0", "1", "2"}, {"1", "2", "3", "4", "5"});
  ShowTrace(true);
  const int exact = Pages();
  ASSERT_GT(exact, 1);
  world.Ctx().circleMethod = CircleMethod::kCompatible;
  EXPECT_EQ(Pages(), exact);
}

TEST_F(RectCircleResultsTableTest, CourseListingOfARectangleAndACircle) {
  // A square of side 2 around the point at depth 1: four corner rectangles with m = n = 1,
  // 0.175221 each, S = 0.700884, dP = 3 S = 2.102652.
  SetRect(1, {"7", "-1", "-1", "1", "1", "3"});
  SetCircle(1, {"2", "3", "4", "2", "1.5"});  // 5 m away from the point
  SetLattice({"0"}, {"0"}, {"1"});
  ShowTrace(true);
  const double circle = CircularLoadInfluence(2, 5, 1);
  std::vector<DrawnText> expected = {
      // line 1 is blank
      {110, 284, "計算点 P1(0.00,0.00,1.00)"},
      {110, 326, "[1] 長方形 No. 7"},
      {610, 326, "R1(-1.00,-1.00)  R2(1.00,1.00) q=3.00"},
      {360, 368, "I"},
      {610, 368, "x/z"},
      {860, 368, "y/z"},
  };
  const int cornerY[4] = {410, 452, 494, 536};
  for (int corner = 0; corner < 4; ++corner) {
    const int y = cornerY[corner];
    expected.push_back({110, y, "(" + std::to_string(corner + 1) + ")"});
    expected.push_back({360, y, " 0.175"});
    expected.push_back({610, y, "1.00"});
    expected.push_back({860, y, "1.00"});
  }
  const std::vector<DrawnText> rest = {
      {360, 578, "I=0.701"},
      {610, 578, "dP=2.103"},
      {110, 620, "[1] 円形 No. 2"},
      {610, 620, "C(3.00,4.00)  r=2.00 q=1.50"},
      {610, 662, "r/z"},
      {860, 662, "a/r"},
      {610, 704, "2.0000"},
      {860, 704, "2.5000"},
      {360, 746, FormatC("I=%4.3f", circle)},
      {610, 746, FormatC("dP=%4.3f", circle * 1.5)},
      // line 14 is blank; the table follows on line 15
      {110, 830, "計算点"},
  };
  expected.insert(expected.end(), rest.begin(), rest.end());
  std::vector<DrawnText> texts = BodyTexts(Page(1));
  ASSERT_GE(texts.size(), expected.size());
  texts.resize(expected.size());
  EXPECT_EQ(texts, expected);
}

TEST_F(RectCircleResultsTableTest, TwoThirdsRuleAfterTheListing) {
  SetCircle(1, {"1", "0", "0", "1", "1"});
  SetLattice({"0", "1", "2", "3", "4", "5"}, {"0"}, {"1"});
  ShowTrace(true);  // 6 lines a point and a closing blank line: 37 lines
  EXPECT_EQ(Pages(), 1);
  std::vector<DrawnText> texts = BodyTexts(Page(1));
  EXPECT_EQ(texts[texts.size() - 6 * 5 - 5], (DrawnText{110, 1796, "計算点"}));  // line 38

  world.tables.gridPoints[7][1] = "6";  // 43 lines
  EXPECT_EQ(Pages(), 2);
  EXPECT_EQ(BodyTexts(Page(2)).front(), (DrawnText{110, 242, "計算点"}));
}

TEST_F(RectCircleResultsTableTest, ResultsMatchTheEngineAndAreComputedOnceForManyPages) {
  SetRect(1, {"1", "-3", "-2", "4", "5", "2.5"});
  SetRect(2, {"2", "10", "0", "6", "-4", "1"});
  SetCircle(1, {"1", "1", "1", "3", "2"});
  SetCircle(2, {"2", "-5", "4", "1.5", "4"});
  SetLattice({"-4", "", "0", "2.5", "9"}, {"-1", "3", "7"}, {"0", "0.5", "", "-2", "3"});
  Pages();
  ResultsGrid expected;
  ComputeLatticeResults(world.Ctx().document.plan(), expected, 1);
  const ResultsGrid& results =
      world.results.Lattice(world.Ctx().document, world.Ctx().circleMethod);
  for (int i = 1; i <= kGridRows; ++i)
    for (int j = 1; j <= kGridRows; ++j)
      for (int k = 1; k <= kGridRows; ++k)
        ASSERT_EQ(results.at(i, j, k), expected.at(i, j, k)) << i << j << k;
  EXPECT_NE(results.at(3, 2, 2), 0.0);

  const test::ComputationCount computed(world.computations);
  Page(1);  // served from the cache
  Page(1);
  EXPECT_EQ(computed.lattice(), 0);
}

TEST_F(RectCircleResultsTableTest, ListingOfManyPointsKeepsPointOrder) {
  // 144 points are laid out in parallel; the listing must still run P1, P2, ... with x
  // changing fastest.
  SetCircle(1, {"1", "0", "0", "2", "1"});
  std::vector<std::string> values;
  for (int i = 0; i < kGridRows; ++i)
    values.push_back(std::to_string(i));
  SetLattice(values, values, {"1"});
  ShowTrace(true);
  int expectedNumber = 0;
  for (const std::string& text : AllStrings()) {
    int number = 0;
    double x = 0, y = 0, z = 0;
    if (std::sscanf(text.c_str(), "計算点 P%d(%lf,%lf,%lf)", &number, &x, &y, &z) == 4) {
      ++expectedNumber;
      ASSERT_EQ(number, expectedNumber);
      EXPECT_EQ(x, (number - 1) % kGridRows);
      EXPECT_EQ(y, (number - 1) / kGridRows);
    }
  }
  EXPECT_EQ(expectedNumber, kGridRows * kGridRows);
}

TEST_F(RectCircleResultsTableTest, ResultsAndLayoutAreKeptUntilAnInputChanges) {
  SetRect(1, {"1", "0", "0", "4", "2", "2"});
  SetCircle(1, {"1", "1", "1", "3", "2"});
  SetLattice({"0", "1", "2"}, {"0", "1"}, {"0.5", "1", "3"});
  ShowTrace(true);
  ASSERT_GE(Pages(), 4);
  const std::string first = Page(4).Log();
  EXPECT_EQ(Page(4).Log(), first);

  test::RenderWorld fresh;
  fresh.UseDevice(254, 254);
  fresh.tables = world.tables;
  EXPECT_EQ(test::DrawTablePageOf(fresh, RenderRectCircleResults, 4).Log(), first);

  // Results are reused while loads and points stay, also when the table is laid out anew.
  const test::ComputationCount computed(world.computations);
  world.settings.stressDigits = 2;
  std::vector<std::string> all = AllStrings();
  const std::string value = FormatC(
      "%3.2f", world.results.Lattice(world.Ctx().document, world.Ctx().circleMethod).at(1, 1, 1));
  EXPECT_NE(std::find(all.begin(), all.end(), value), all.end());
  EXPECT_EQ(computed.lattice(), 0);

  // A changed load recomputes them.
  SetCircle(1, {"1", "1", "1", "3", "2.0"});
  Pages();
  EXPECT_EQ(computed.lattice(), 1);
  world.settings.stressDigits = 3;
  EXPECT_EQ(Page(4).Log(), first);

  // Resolution, paper and listing flag change the layout.
  world.UseDevice(600, 600);
  EXPECT_NE(Page(4).Log(), first);
  world.UseDevice(254, 254);
  world.UsePaper(210, 400);
  EXPECT_NE(Page(4).Log(), first);
  world.UsePaper(210, 297);
  EXPECT_EQ(Page(4).Log(), first);
  ShowTrace(false);
  EXPECT_EQ(Pages(), 1);
}

}  // namespace
}  // namespace qel
