// The strip-load data table: its lines, its pages, its title and the layout kept between calls.
#include <gtest/gtest.h>

#include <algorithm>
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

// 254 dpi: 10 pixels a millimetre, 100 a table unit. A4 with a 20 mm top margin: 25 units, the
// table top at 200 pixels and its left margin at 100. The 10 pt body font is 35 pixels high, so
// lines are 0.42 units (42 pixels) apart and a page holds trunc(25 / 0.42) - 2 = 57 lines.
// Column x: 1 mm -> 110, 21 -> 310, 41 -> 509 (the sum falls just short of 510), 61 -> 710,
// 81 -> 910, 106 -> 1160, 126 -> 1360, 146 -> 1560.
class StripDataTableTest : public ::testing::Test {
 protected:
  StripDataTableTest() { world.UseDevice(254, 254); }

  void SetRow(int set, int row, std::vector<std::string> cells) {
    for (std::size_t c = 0; c < cells.size(); ++c)
      world.tables.stripLoads[set][row][c + 1] = cells[c];
  }
  // Rows 1..count of a set with No. = row and simple coordinates.
  void FillRows(int set, int count) {
    for (int row = 1; row <= count; ++row)
      SetRow(set, row, {std::to_string(row), "0", "1", "2", "3", "1", "1.8", "0"});
  }
  RecordingDeviceContext Page(int page) {
    return test::DrawTablePageOf(world, RenderStripData, page);
  }
  int Pages() { return RenderStripData(world.Ctx(), nullptr, false); }

  test::RenderWorld world;
};

TEST_F(StripDataTableTest, EmptyDocumentGivesOnePageWithTwoDashLines) {
  EXPECT_EQ(Pages(), 1);
  // Line 1 (empty heading) at 242, line 2 at 284, line 3 at 326, line 4 at 368.
  EXPECT_EQ(BodyTexts(Page(1)), (std::vector<DrawnText>{{310, 284, "-"}, {310, 368, "-"}}));
}

TEST_F(StripDataTableTest, BothSetsAreNumberedAndListedInTheirFormats) {
  SetRow(1, 1, {"1", "0", "2", "4", "6", "1.5", "1.8", "-2"});
  SetRow(1, 2, {"12abc", "1.005", "x", "", "+3", "2", "1", "0.125"});
  SetRow(2, 1, {" 7", "10", "11", "12", "13", "1", "2", "3"});

  const std::vector<DrawnText> expected = {
      {110, 242, "帯状荷重 1"},
      {110, 284, "No."},
      {310, 284, "x1"},
      {509, 284, "x2"},
      {710, 284, "x3"},
      {910, 284, "x4"},
      {1160, 284, "h"},
      {1360, 284, "γ"},
      {1560, 284, "y"},
      {110, 326, "  1"},
      {310, 326, "0.00"},
      {509, 326, "2.00"},
      {710, 326, "4.00"},
      {910, 326, "6.00"},
      {1160, 326, "1.50"},
      {1360, 326, "1.80"},
      {1560, 326, "-2.00"},
      // atoi/atof of the texts: trailing letters ignored, letters alone give 0.
      {110, 368, " 12"},
      {310, 368, "1.00"},
      {509, 368, "0.00"},
      {710, 368, "0.00"},
      {910, 368, "3.00"},
      {1160, 368, "2.00"},
      {1360, 368, "1.00"},
      {1560, 368, "0.12"},
      // X2 and X3 are not numbers: the row is marked and a note for each says it counts as 0.
      {1760, 368, "※"},
      {110, 410, "※ 行No.[ 12abc ] X2「x」 は 0 として計算しています"},
      {110, 452, "※ 行No.[ 12abc ] X3「」 は 0 として計算しています"},
      {110, 494, "帯状荷重 2"},
      {110, 536, "No."},
      {310, 536, "x1"},
      {509, 536, "x2"},
      {710, 536, "x3"},
      {910, 536, "x4"},
      {1160, 536, "h"},
      {1360, 536, "γ"},
      {1560, 536, "y"},
      {110, 578, "  7"},
      {310, 578, "10.00"},
      {509, 578, "11.00"},
      {710, 578, "12.00"},
      {910, 578, "13.00"},
      {1160, 578, "1.00"},
      {1360, 578, "2.00"},
      {1560, 578, "3.00"},
  };
  EXPECT_EQ(BodyTexts(Page(1)), expected);
}

TEST_F(StripDataTableTest, OnlySetTwoHasDataGivesAnEmptyHeadingAndADash) {
  FillRows(2, 1);
  const std::vector<DrawnText> texts = BodyTexts(Page(1));
  ASSERT_GE(texts.size(), 3u);
  EXPECT_EQ(texts[0], (DrawnText{310, 284, "-"}));         // line 1 holds nothing
  EXPECT_EQ(texts[1], (DrawnText{110, 326, "帯状荷重"}));  // no set number
  EXPECT_EQ(texts[2], (DrawnText{110, 368, "No."}));
  EXPECT_EQ(texts.back().y, 410);
}

TEST_F(StripDataTableTest, OneLineMoreThanAPageHoldsOpensPageTwoAtTheTop) {
  world.fonts[kStripFont].size = 20;  // 70 pixels: 0.84 units a line, 27 lines a page
  FillRows(1, 20);                    // 22 lines
  FillRows(2, 3);                     // 5 lines: 27 in all
  EXPECT_EQ(Pages(), 1);

  FillRows(2, 4);  // 28 lines
  EXPECT_EQ(Pages(), 2);
  const std::vector<DrawnText> page2 = BodyTexts(Page(2));
  ASSERT_EQ(page2.size(), 17u);
  // The set's heading and column headings at the very top of the table area, then the row.
  EXPECT_EQ(page2[0], (DrawnText{110, 200, "帯状荷重 2"}));
  EXPECT_EQ(page2[1], (DrawnText{110, 284, "No."}));
  EXPECT_EQ(page2[9], (DrawnText{110, 368, "  4"}));
  const std::vector<DrawnText> page1 = BodyTexts(Page(1));
  EXPECT_EQ(page1.front().y, 284);  // page 1 starts one line below the top
  EXPECT_EQ(page1.back().text, "0.00");
  EXPECT_EQ(page1.back().y, 2467);  // the 27th line
}

// Row numbers of set 2 on a page of a document whose set 1 is full: the set 1 rows are all on
// page 1 in these tests.
std::vector<std::string> SetTwoRowsOn(const std::vector<DrawnText>& texts) {
  std::vector<std::string> rows;
  for (const DrawnText& t : texts)
    if (t.text == "  4" || t.text == "  5") rows.push_back(t.text);
  return rows;
}

TEST_F(StripDataTableTest, PrintingBreaksWhereTheScreenDoesWhenTheStepsAreWithinThreePercent) {
  // 20 pt: on a 96 dpi screen 26 pixels, 0.8255 units a line, 28 lines a page; on a 600 dpi
  // printer 166 pixels, 0.8433 units, 27 lines a page; the printer's step is 2.2 % larger.
  world.fonts[kStripFont].size = 20;
  FillRows(1, 20);
  FillRows(2, 5);  // 29 lines
  world.UseDevice(96, 96);
  EXPECT_EQ(Pages(), 2);
  EXPECT_EQ(SetTwoRowsOn(BodyTexts(Page(2))), std::vector<std::string>{"  5"});

  world.UseDevice(600, 600);
  world.view.printing = true;
  EXPECT_EQ(Pages(), 2);
  EXPECT_EQ(SetTwoRowsOn(BodyTexts(Page(2))), std::vector<std::string>{"  5"});

  // A printer 5 % off the screen keeps its own step and its own breaks.
  world.view.screenLineSteps.stripData = (166 / 236.2204724409449 * 1.2) / 1.05;
  EXPECT_EQ(SetTwoRowsOn(BodyTexts(Page(2))), (std::vector<std::string>{"  4", "  5"}));
}

TEST_F(StripDataTableTest, AVeryLargeFontUsesPageOneAndKeepsBrokenRowsWhole) {
  // 170.1 pt at 254 dpi: 600 pixels, 7.2 units a line; trunc(25 / 7.2) - 2 = 1 is raised to 2.
  // The bottom limit of 14.4 units leaves one line on page 1 and two on each later page. An em
  // of 6 units leaves 3.17 ems of the 19-unit printable width a line, so every heading and row
  // takes several lines and no page holds a heading with its row: page 1 is not given up for
  // them but holds the first line of set 1's title. A title broken over two lines stays whole.
  world.fonts[kStripFont].size = 170.1;
  FillRows(1, 1);
  FillRows(2, 1);
  const int pages = Pages();
  ASSERT_GE(pages, 4);
  EXPECT_EQ(BodyStrings(Page(1)), std::vector<std::string>{"帯状荷"});
  int titlePages = 0;
  for (int page = 1; page <= pages; ++page) {
    const std::vector<std::string> texts = BodyStrings(Page(page));
    EXPECT_FALSE(texts.empty()) << "page " << page;
    if (std::find(texts.begin(), texts.end(), "重 2") != texts.end()) {
      EXPECT_EQ(texts.front(), "帯状荷") << "page " << page;
      ++titlePages;
    }
  }
  EXPECT_EQ(titlePages, 1);
}

TEST_F(StripDataTableTest, TitleOnTheFirstPageOrOnEveryPageAndThenTheBodyFont) {
  world.tables.settingLines[setting_line::kDataTitle] = "入力データ";
  world.tables.settingLines[setting_line::kDataTitleTop] = "12";
  world.tables.settingLines[setting_line::kTitleLeft] = "30";
  world.fonts[kTitleFont].size = 14;
  world.fonts[kStripFont].faceName = "ＭＳ ゴシック";
  world.fonts[kStripFont].colour = 0x0000ff;
  world.fonts[kStripFont].size = 20;
  FillRows(1, 20);
  FillRows(2, 10);

  RecordingDeviceContext page1 = Page(1);
  const std::vector<std::string>& lines = page1.lines();
  ASSERT_GE(lines.size(), 7u);
  // trunc(254 * 14 / 72) = 49 pixels for the title, 70 for the body.
  EXPECT_EQ(lines[0], "font 49 0 0 ＭＳ 明朝");
  EXPECT_EQ(lines[3], "text 300 120 入力データ");
  EXPECT_EQ(lines[5], "font 70 0 0 ＭＳ ゴシック");
  EXPECT_EQ(lines[6], "textcolour 0x0000ff");
  EXPECT_EQ(page1.Lines("text").size(), 1 + BodyTexts(page1).size());

  EXPECT_EQ(Page(2).Texts().front(), "帯状荷重 2");  // no title on page 2, the set's heading
  world.tables.settingLines[setting_line::kDataTitleEveryPage] = "1";
  EXPECT_EQ(Page(2).Texts().front(), "入力データ");

  // The figure transform is back as it was once the table is drawn or counted.
  world.transform.originX = -7;
  world.transform.pixelsPerMetreY = 13;
  Page(1);
  Pages();
  EXPECT_EQ(world.transform.originX, -7);
  EXPECT_EQ(world.transform.originY, 0);
  EXPECT_EQ(world.transform.pixelsPerMetreX, 0);
  EXPECT_EQ(world.transform.pixelsPerMetreY, 13);
}

TEST_F(StripDataTableTest, TheLayoutIsKeptUntilAnInputChanges) {
  world.fonts[kStripFont].size = 20;
  FillRows(1, 20);
  FillRows(2, 10);
  const std::string first = Page(2).Log();
  EXPECT_EQ(Page(2).Log(), first);  // from the cached layout

  // The same output from nothing cached.
  test::RenderWorld fresh;
  fresh.UseDevice(254, 254);
  fresh.tables = world.tables;
  fresh.fonts = world.fonts;
  EXPECT_EQ(test::DrawTablePageOf(fresh, RenderStripData, 2).Log(), first);

  // The cached lines are what is drawn: a layout replaced behind the renderer's back shows.
  TableContent marker;
  marker.NextLine();
  marker.AddText(0.1, "cached");
  world.caches.stripData.content = marker;
  EXPECT_EQ(BodyStrings(Page(1)), std::vector<std::string>{"cached"});

  // Any change of a cell lays the table out again.
  world.tables.stripLoads[2][10][8] = "9";
  EXPECT_NE(BodyStrings(Page(1)), std::vector<std::string>{"cached"});
  const std::string afterCell = Page(2).Log();
  EXPECT_NE(afterCell, first);
  EXPECT_NE(afterCell.find("9.00"), std::string::npos);

  // So does another resolution or paper.
  world.UseDevice(300, 300);
  EXPECT_NE(Page(2).Log(), afterCell);
  world.UseDevice(254, 254);
  EXPECT_EQ(Page(2).Log(), afterCell);
  EXPECT_EQ(Pages(), 2);
  world.UsePaper(210, 500);
  EXPECT_EQ(Pages(), 1);
  world.UsePaper(210, 297);
  world.settings.marginTop = 150;
  EXPECT_GT(Pages(), 2);
}

TEST_F(StripDataTableTest, TheScreenStepIsRememberedOnEveryScreenCallAlsoFromTheCache) {
  Pages();
  const double step = world.view.screenLineSteps.stripData;
  EXPECT_NEAR(step, 0.42, 1e-12);
  world.view.screenLineSteps.stripData = 0;
  Pages();  // cached layout, but the step is still remembered
  EXPECT_EQ(world.view.screenLineSteps.stripData, step);
  EXPECT_EQ(world.view.screenLineSteps.rectCircleData, 0.0);  // each table keeps its own

  world.view.printing = true;
  world.UseDevice(600, 600);
  Pages();
  EXPECT_EQ(world.view.screenLineSteps.stripData, step);
}

}  // namespace
}  // namespace qel
