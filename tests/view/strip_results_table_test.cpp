// The strip-load results table: the computed dP, the course listing, the blocks of the final
// table, the results grid and the results and layout kept between calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

// 254 dpi: 100 pixels a table unit, table top at 200, left margin at 100; 10 pt: lines 0.42
// units (42 pixels) apart, starting at 242 on page 1; 57 lines a page, so the two-thirds rule
// breaks after more than 38 lines. Label column 110; value columns for up to six a block at
// 360, 610, 860, 1110, 1360, 1610, and for seven or eight at 360, 560, 760, 960, 1160, 1360,
// 1560, 1760.
class StripResultsTableTest : public ::testing::Test {
 protected:
  StripResultsTableTest() { world.UseDevice(254, 254); }

  void SetPiece(int set, int row, std::vector<std::string> cells) {
    for (std::size_t c = 0; c < cells.size(); ++c)
      world.tables.stripLoads[set][row][c + 1] = cells[c];
  }
  void SetPoints(const std::vector<std::string>& xs, const std::vector<std::string>& zs) {
    for (int row = 1; row <= kStripPointRows; ++row) {
      world.tables.stripPoints[row][point_col::kX] = row <= int(xs.size()) ? xs[row - 1] : "";
      world.tables.stripPoints[row][point_col::kZ] = row <= int(zs.size()) ? zs[row - 1] : "";
    }
  }
  void ShowTrace(bool on) {
    world.tables.settingLines[setting_line::kShowCalcTrace] = on ? "1" : "0";
  }
  RecordingDeviceContext Page(int page) {
    return test::DrawTablePageOf(world, RenderStripResults, page);
  }
  int Pages() { return RenderStripResults(world.Ctx(), nullptr, false); }

  test::RenderWorld world;
};

TEST_F(StripResultsTableTest, EmptyDocumentHasOnePageWithoutLines) {
  EXPECT_EQ(Pages(), 1);
  EXPECT_TRUE(BodyTexts(Page(1)).empty());
}

TEST_F(StripResultsTableTest, FinalTableListsEachDepthWithItsXValuesAndDp) {
  // Trapezoid (0, 2, 4, 6) with q = 1: I = 0.477953 at x = 1, z = 2 and 0.790915 at x = 3.
  SetPiece(1, 1, {"1", "0", "2", "4", "6", "1", "1"});
  SetPoints({"1", "3"}, {"2"});
  const std::vector<DrawnText> expected = {
      {110, 242, "Z m  2.00"},  {110, 284, "  X m"}, {360, 284, " 1.00"}, {610, 284, " 3.00"},
      {110, 326, "  dP tf/㎡"}, {360, 326, "0.478"}, {610, 326, "0.791"},
  };
  EXPECT_EQ(BodyTexts(Page(1)), expected);

  // The unit setting changes the label only.
  world.settings.unitSystem = 1;
  std::vector<DrawnText> kiloNewtons = expected;
  kiloNewtons[4].text = "  dP kN/㎡";
  EXPECT_EQ(BodyTexts(Page(1)), kiloNewtons);

  world.settings.stressDigits = 6;
  EXPECT_EQ(BodyStrings(Page(1))[5], "0.477953");
}

TEST_F(StripResultsTableTest, CourseListingShowsEveryPieceOfEveryPoint) {
  SetPiece(1, 1, {"1", "0", "2", "4", "6", "1", "1"});
  SetPiece(2, 1, {"5", "0", "3", "3", "3", "2", "0.5"});  // left triangle, q = 1
  SetPoints({"1"}, {"2"});
  ShowTrace(true);
  world.settings.influenceDigits = 4;
  world.settings.stressDigits = 1;
  const StripPiece triangle{0, 3, 3, 3, 2, 0.5};
  const std::vector<DrawnText> expected = {
      // line 1 is blank
      {110, 284, "計算点 P1(1.00,2.00)"},
      {110, 326, "荷重1 帯状荷重 No. 1"},
      {610, 326, "x(0.00, 2.00, 4.00, 6.00)  h=1.00 γ=1.00"},
      {360, 368, "I=0.4780"},
      {610, 368, "dP=0.5"},
      {110, 410, "荷重2 帯状荷重 No. 5"},
      {610, 410, "x(0.00, 3.00, 3.00, 3.00)  h=2.00 γ=0.50"},
      {360, 452, FormatC("I=%5.4f", StripPieceI(triangle, 1, 2))},
      {610, 452, FormatC("dP=%2.1f", StripPieceStress(triangle, 1, 2))},
      // line 7 is blank; 7 lines are not past two thirds, so the table follows on line 8
      {110, 536, "Z m  2.00"},
  };
  std::vector<DrawnText> texts = BodyTexts(Page(1));
  texts.resize(expected.size());
  EXPECT_EQ(texts, expected);

  // With one set only the load set number is left out.
  for (int c = 1; c <= kStripColumns; ++c)
    world.tables.stripLoads[2][1][c] = "";
  world.tables.stripLoads[1][1][1] = "3";
  EXPECT_EQ(BodyStrings(Page(1))[1], "　　　帯状荷重 No. 3");
}

TEST_F(StripResultsTableTest, TwoThirdsRuleMovesTheFinalTableToANewPage) {
  SetPiece(1, 1, {"1", "0", "2", "4", "6", "1", "1"});
  SetPoints({"1", "2", "3", "4", "5", "6", "7", "8", "9"}, {"1"});
  ShowTrace(true);  // 4 lines a point and a closing blank line: 37 lines
  EXPECT_EQ(Pages(), 1);
  std::vector<DrawnText> texts = BodyTexts(Page(1));
  // Line 38, followed by two blocks (six and three x values) of 22 texts.
  EXPECT_EQ(texts[texts.size() - 23], (DrawnText{110, 1796, "Z m  1.00"}));

  world.tables.stripPoints[10][point_col::kX] = "10";  // 41 lines: past two thirds of 57
  EXPECT_EQ(Pages(), 2);
  texts = BodyTexts(Page(2));
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.front(), (DrawnText{110, 242, "Z m  1.00"}));

  ShowTrace(false);  // without the listing the table starts right under the title
  EXPECT_EQ(Pages(), 1);
  EXPECT_EQ(BodyTexts(Page(1)).front(), (DrawnText{110, 242, "Z m  1.00"}));
}

TEST_F(StripResultsTableTest, PointNumbersRunOnAcrossPages) {
  SetPiece(1, 1, {"1", "0", "2", "4", "6", "1", "1"});
  SetPoints({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
            {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
  ShowTrace(true);
  const int pages = Pages();
  ASSERT_GE(pages, 7);  // 401 lines of listing
  std::vector<int> numbers;
  for (int page = 1; page <= pages; ++page) {
    std::vector<int> onPage;
    for (const std::string& text : BodyStrings(Page(page))) {
      int number = 0;
      if (std::sscanf(text.c_str(), "計算点 P%d(", &number) == 1) onPage.push_back(number);
    }
    if (page == 2) {
      ASSERT_FALSE(onPage.empty());
      EXPECT_EQ(onPage.front(), numbers.back() + 1);
    }
    numbers.insert(numbers.end(), onPage.begin(), onPage.end());
  }
  ASSERT_EQ(numbers.size(), 100u);
  for (int i = 0; i < 100; ++i)
    EXPECT_EQ(numbers[i], i + 1);
}

// The texts of one line of the final table: those drawn at one y.
std::vector<DrawnText> LineAt(const std::vector<DrawnText>& texts, int y) {
  std::vector<DrawnText> line;
  for (const DrawnText& t : texts)
    if (t.y == y) line.push_back(t);
  return line;
}

TEST_F(StripResultsTableTest, BlocksOfSixColumnsAndNarrowerBlocksOfSevenOrEight) {
  SetPoints({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, {"1"});
  std::vector<DrawnText> texts = BodyTexts(Page(1));
  // Z, then x and dP of six points, then of four.
  ASSERT_EQ(texts.size(), 1u + 7 + 7 + 5 + 5);
  EXPECT_EQ(LineAt(texts, 284), (std::vector<DrawnText>{{110, 284, "  X m"},
                                                        {360, 284, " 1.00"},
                                                        {610, 284, " 2.00"},
                                                        {860, 284, " 3.00"},
                                                        {1110, 284, " 4.00"},
                                                        {1360, 284, " 5.00"},
                                                        {1610, 284, " 6.00"}}));
  EXPECT_EQ(LineAt(texts, 368), (std::vector<DrawnText>{{110, 368, "  X m"},
                                                        {360, 368, " 7.00"},
                                                        {610, 368, " 8.00"},
                                                        {860, 368, " 9.00"},
                                                        {1110, 368, "10.00"}}));
  EXPECT_EQ(LineAt(texts, 410).back(), (DrawnText{1110, 410, "0.000"}));

  world.settings.stripResultColumns = 7;
  texts = BodyTexts(Page(1));
  std::vector<int> xs;
  for (const DrawnText& t : LineAt(texts, 284))
    xs.push_back(t.x);
  EXPECT_EQ(xs, (std::vector<int>{110, 360, 560, 760, 960, 1160, 1360, 1560}));
  EXPECT_EQ(LineAt(texts, 368).size(), 1u + 3);

  world.settings.stripResultColumns = 12;  // used as 8
  texts = BodyTexts(Page(1));
  EXPECT_EQ(LineAt(texts, 284).back(), (DrawnText{1760, 284, " 8.00"}));
  EXPECT_EQ(LineAt(texts, 368).size(), 1u + 2);
}

TEST_F(StripResultsTableTest, ColumnCountBelowOneShowsOneColumnAndSkippedRowsTakeNone) {
  SetPoints({"1", "", "3", "4"}, {"1", "", "2"});
  world.settings.stripResultColumns = 0;
  std::vector<std::string> strings = BodyStrings(Page(1));
  const std::vector<std::string> depth = {
      "Z m  1.00",  "  X m", " 1.00", "  dP tf/㎡", "0.000",      "  X m", " 3.00",
      "  dP tf/㎡", "0.000", "  X m", " 4.00",      "  dP tf/㎡", "0.000"};
  ASSERT_EQ(strings.size(), 2 * depth.size());
  EXPECT_EQ(std::vector<std::string>(strings.begin(), strings.begin() + depth.size()), depth);
  EXPECT_EQ(strings[depth.size()], "Z m  2.00");

  // Rows 1, 3 and 4 in one block of six: x row 2 takes no column.
  world.settings.stripResultColumns = 6;
  std::vector<DrawnText> texts = BodyTexts(Page(1));
  EXPECT_EQ(LineAt(texts, 284).size(), 4u);
  EXPECT_EQ(LineAt(texts, 284)[2], (DrawnText{610, 284, " 3.00"}));

  // No x value at all: (0 - 1) / 6 + 1 = 1 block without values, (0 - 1) / 1 + 1 = none.
  SetPoints({}, {"1"});
  EXPECT_EQ(BodyStrings(Page(1)), (std::vector<std::string>{"Z m  1.00", "  X m", "  dP tf/㎡"}));
  world.settings.stripResultColumns = 1;
  EXPECT_EQ(BodyStrings(Page(1)), std::vector<std::string>{"Z m  1.00"});
}

TEST_F(StripResultsTableTest, ResultsGridHoldsTheDpOfEveryPoint) {
  SetPiece(1, 1, {"1", "0", "2", "4", "6", "1", "1"});
  SetPiece(2, 1, {"2", "1", "1", "3", "3", "2", "1.5"});
  SetPoints({"1", "", "-2.5"}, {"0.5", "3"});
  Pages();
  const ResultsGrid& results = world.results.Strip(world.Ctx().document);
  const StripLoadSets loads = ExtractStripLoads(world.tables);
  for (int c : {1, 3}) {
    for (int r : {1, 2}) {
      const double x = ToDouble(world.tables.stripPoints[c][1]);
      const double z = ToDouble(world.tables.stripPoints[r][2]);
      EXPECT_EQ(results.strip(c, r), StripPointStress(loads, x, z)) << c << " " << r;
    }
  }
  EXPECT_EQ(results.strip(2, 1), 0.0);  // a row without a number takes no part
  EXPECT_EQ(results.at(1, 1, 1), 0.0);  // a lattice cell, never touched here

  // Later pages are served from the values computed once.
  const test::ComputationCount computed(world.computations);
  Page(1);
  EXPECT_EQ(computed.strip(), 0);
}

TEST_F(StripResultsTableTest, ResultsAndLayoutAreKeptUntilAnInputChanges) {
  SetPiece(1, 1, {"1", "0", "2", "4", "6", "1", "1"});
  SetPoints({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, {"1", "2", "3"});
  ShowTrace(true);
  ASSERT_GE(Pages(), 3);
  const std::string first = Page(3).Log();
  EXPECT_EQ(Page(3).Log(), first);

  test::RenderWorld fresh;
  fresh.UseDevice(254, 254);
  fresh.tables = world.tables;
  EXPECT_EQ(test::DrawTablePageOf(fresh, RenderStripResults, 3).Log(), first);

  // The results are not recomputed while the loads and points stay, also when the layout is
  // rebuilt for another number format.
  const test::ComputationCount computed(world.computations);
  world.settings.stressDigits = 1;
  Pages();
  std::vector<std::string> all;
  for (int page = 1, pages = Pages(); page <= pages; ++page) {
    std::vector<std::string> strings = BodyStrings(Page(page));
    all.insert(all.end(), strings.begin(), strings.end());
  }
  const std::string value = FormatC("%2.1f", world.results.Strip(world.Ctx().document).strip(1, 1));
  EXPECT_NE(std::find(all.begin(), all.end(), value), all.end());
  EXPECT_EQ(computed.strip(), 0);

  // A changed point recomputes.
  world.tables.stripPoints[1][point_col::kZ] = "1.0";
  Pages();
  EXPECT_EQ(computed.strip(), 1);
  world.settings.stressDigits = 3;
  EXPECT_EQ(Page(3).Log(), first);

  // The listing flag, the digits and the units each lay the table out again.
  ShowTrace(false);
  EXPECT_EQ(Pages(), 1);
  world.settings.influenceDigits = 5;
  ShowTrace(true);
  EXPECT_NE(Page(3).Log(), first);
}

}  // namespace
}  // namespace qel
