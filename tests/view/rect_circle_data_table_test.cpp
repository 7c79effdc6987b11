// The rectangular and circular data table: its two sections, its pages and its own line step.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// 254 dpi: lines 42 pixels apart from 242 on page 1 (10 pt), 57 lines a page; columns at 110,
// 360, 610, 860, 1110 and 1360.
class RectCircleDataTableTest : public ::testing::Test {
 protected:
  RectCircleDataTableTest() { world.UseDevice(254, 254); }

  void SetRect(int row, std::vector<std::string> cells) {
    for (std::size_t c = 0; c < cells.size(); ++c)
      world.tables.rectLoads[row][c + 1] = cells[c];
  }
  void SetCircle(int row, std::vector<std::string> cells) {
    for (std::size_t c = 0; c < cells.size(); ++c)
      world.tables.circleLoads[row][c + 1] = cells[c];
  }
  RecordingDeviceContext Page(int page) {
    return test::DrawTablePageOf(world, RenderRectCircleData, page);
  }
  int Pages() { return RenderRectCircleData(world.Ctx(), nullptr, false); }

  test::RenderWorld world;
};

TEST_F(RectCircleDataTableTest, EmptyDocumentShowsBothSectionHeadingsAndDashes) {
  EXPECT_EQ(Pages(), 1);
  EXPECT_EQ(
      BodyTexts(Page(1)),
      (std::vector<DrawnText>{
          {110, 242, "長方形荷重"}, {360, 284, "-"}, {110, 326, "円形荷重"}, {360, 368, "-"}}));
}

TEST_F(RectCircleDataTableTest, RectanglesWithCornerHeadingsThenCircles) {
  SetRect(1, {"1", "-2", "0", "3.5", "4", "10"});
  SetCircle(1, {"4", "1", "2", "0.75", "12.346"});
  const std::vector<DrawnText> expected = {
      {110, 242, "長方形荷重"}, {360, 242, "R1"},     {860, 242, "R2"},     {110, 284, "No."},
      {360, 284, "x"},          {610, 284, "y"},      {860, 284, "x"},      {1110, 284, "y"},
      {1360, 284, "q"},         {110, 326, "  1"},    {360, 326, "-2.00"},  {610, 326, "0.00"},
      {860, 326, "3.50"},       {1110, 326, "4.00"},  {1360, 326, "10.00"}, {110, 368, "円形荷重"},
      {110, 410, "No."},        {360, 410, "x"},      {610, 410, "y"},      {860, 410, "r"},
      {1110, 410, "q"},         {110, 452, "  4"},    {360, 452, "1.00"},   {610, 452, "2.00"},
      {860, 452, "0.75"},       {1110, 452, "12.35"},
  };
  EXPECT_EQ(BodyTexts(Page(1)), expected);
}

TEST_F(RectCircleDataTableTest, NoRectanglesAndTwoCircles) {
  SetCircle(1, {"1", "0", "0", "1", "1"});
  SetCircle(2, {"2", "5", "5", "2", "1"});
  const std::vector<std::string> strings = BodyStrings(Page(1));
  const std::vector<std::string> start = {"長方形荷重", "-", "円形荷重", "No.", "x",
                                          "y",          "r", "q",        "  1"};
  ASSERT_EQ(strings.size(), start.size() + 4 + 5);
  EXPECT_EQ(std::vector<std::string>(strings.begin(), strings.begin() + start.size()), start);
  EXPECT_EQ(strings[start.size() + 4], "  2");
}

TEST_F(RectCircleDataTableTest, FortyOfEachFillTwoPages) {
  for (int row = 1; row <= kRectRows; ++row)
    SetRect(row, {std::to_string(row), "0", "0", "1", "1", "1"});
  for (int row = 1; row <= kCircleRows; ++row)
    SetCircle(row, {std::to_string(row), "0", "0", "1", "1"});
  // 84 lines: 57 on page 1, the rest on page 2 with circle 14 (line 58), below the circles'
  // title and column headings repeated at the top.
  EXPECT_EQ(Pages(), 2);
  const std::vector<DrawnText> page2 = BodyTexts(Page(2));
  ASSERT_GE(page2.size(), 7u);
  EXPECT_EQ(page2[0], (DrawnText{110, 200, "円形荷重"}));
  EXPECT_EQ(page2[1], (DrawnText{110, 242, "No."}));
  EXPECT_EQ(page2[6], (DrawnText{110, 284, " 14"}));
  EXPECT_EQ(page2.back().text, "1.00");

  // A smaller font fits them on one page; the table uses its own font slot.
  world.fonts[kRectCircleFont].size = 6;
  EXPECT_EQ(Pages(), 1);
  world.fonts[kStripFont].size = 30;
  EXPECT_EQ(Pages(), 1);
}

TEST_F(RectCircleDataTableTest, OwnTitleAndOwnRememberedLineStep) {
  world.tables.settingLines[setting_line::Style(Problem::RectCircle, setting_line::kDataTitle)] =
      "長方形円形データ";
  const std::vector<std::string> texts = Page(1).Texts();
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.front(), "長方形円形データ");
  EXPECT_NEAR(world.view.screenLineSteps.rectCircleData, 0.42, 1e-12);
}

TEST_F(RectCircleDataTableTest, TheLayoutIsKeptUntilACellChanges) {
  SetRect(1, {"1", "0", "0", "1", "1", "1"});
  const std::string first = Page(1).Log();
  EXPECT_EQ(Page(1).Log(), first);
  world.tables.circleLoads[kCircleRows][circle_col::kNo] = "3";  // not listed, still a change
  EXPECT_EQ(Page(1).Log(), first);
  SetCircle(1, {"1", "0", "0", "1", "1"});
  EXPECT_NE(Page(1).Log(), first);
}

}  // namespace
}  // namespace qel
