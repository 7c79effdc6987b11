// Line step, pagination and laid-out lines shared by the four tables.
#include "view/table_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/render_world.h"
#include "test_support/recording_device_context.h"

namespace qel {
namespace {

// A content of `lines` lines, each with its 1-based number as its only text.
TableContent NumberedLines(int lines, int firstNumber = 1) {
  TableContent content;
  for (int i = 0; i < lines; ++i) {
    content.NextLine();
    content.AddText(0.1, std::to_string(firstNumber + i));
  }
  return content;
}

TEST(TablePagingTest, LinesPerPageStayWithinTwoAndTwoHundred) {
  // 25 units with a step of 0.5: trunc(50) - 2 = 48 lines, nothing below 1 unit.
  TablePaging paging = PagingForStep(25, 0.5);
  EXPECT_EQ(paging.linesPerPage, 48);
  EXPECT_DOUBLE_EQ(paging.bottomLimit, 1.0);

  EXPECT_EQ(PagingForStep(25, 10.0).linesPerPage, 2);    // trunc(2.5) - 2 = 0
  EXPECT_EQ(PagingForStep(25, 0.01).linesPerPage, 200);  // 2498
  EXPECT_EQ(PagingForStep(25, 0.0).linesPerPage, 200);   // a font of no height
  EXPECT_EQ(PagingForStep(0, 0.0).linesPerPage, 2);      // 0 / 0
  EXPECT_EQ(PagingForStep(-3, 0.5).linesPerPage, 2);     // paper smaller than the margins
}

class TablePagingDeviceTest : public ::testing::Test {
 protected:
  test::RenderWorld world;
  double remembered = 0.0;
};

TEST_F(TablePagingDeviceTest, ScreenStepIsOnePointTwoFontHeightsAndIsRemembered) {
  // 96 dpi, 10 pt: trunc(13.33) = 13 pixels; one table unit is 37.795 pixels;
  // A4 297 mm with a 20 mm top margin: trunc(100 * 257 / 1000) = 25 units.
  TablePaging paging = PrepareTablePaging(world.Ctx(), kStripFont, remembered);
  EXPECT_EQ(paging.top, 25);
  EXPECT_NEAR(paging.lineStep, 13 / 37.79527559055118 * 1.2, 1e-12);
  EXPECT_EQ(paging.linesPerPage, 58);  // trunc(60.57) - 2
  EXPECT_DOUBLE_EQ(remembered, paging.lineStep);

  world.fonts[kRectCircleFont].size = 20;  // each table reads its own slot
  EXPECT_NEAR(PrepareTablePaging(world.Ctx(), kRectCircleFont, remembered).lineStep,
              26 / 37.79527559055118 * 1.2, 1e-12);
}

TEST_F(TablePagingDeviceTest, APrinterWithinThreePercentUsesTheScreenStep) {
  world.UseDevice(600, 600);
  world.view.printing = true;
  // 600 dpi, 10 pt: 83 pixels over 236.22 pixels a unit.
  const double printerStep = 83 / 236.2204724409449 * 1.2;

  remembered = printerStep / 1.02;  // the printer's step is 2 % larger than the screen's
  EXPECT_DOUBLE_EQ(PrepareTablePaging(world.Ctx(), kStripFont, remembered).lineStep, remembered);
  remembered = printerStep * 1.029;  // just inside the upper limit
  EXPECT_DOUBLE_EQ(PrepareTablePaging(world.Ctx(), kStripFont, remembered).lineStep, remembered);
  remembered = printerStep * 1.031;  // just outside
  EXPECT_NEAR(PrepareTablePaging(world.Ctx(), kStripFont, remembered).lineStep, printerStep, 1e-12);

  remembered = printerStep / 1.05;  // 5 %: the printer keeps its own
  EXPECT_NEAR(PrepareTablePaging(world.Ctx(), kStripFont, remembered).lineStep, printerStep, 1e-12);
  EXPECT_DOUBLE_EQ(remembered, printerStep / 1.05);  // printing never changes what is remembered

  remembered = 0.0;  // nothing shown on screen yet
  EXPECT_NEAR(PrepareTablePaging(world.Ctx(), kStripFont, remembered).lineStep, printerStep, 1e-12);

  world.fonts[kStripFont].size = 1;  // 8 pixels: a step of 0.04 units is never matched
  remembered = 8 / 236.2204724409449 * 1.2 * 1.01;
  EXPECT_NEAR(PrepareTablePaging(world.Ctx(), kStripFont, remembered).lineStep,
              8 / 236.2204724409449 * 1.2, 1e-12);
}

TEST(TablePlacementTest, PageOneStartsOneStepDownAndLaterPagesAtTheTop) {
  // 10 units with a step of 1: 8 lines a page, nothing below 2.
  const TablePaging paging = PagingForStep(10, 1.0);
  ASSERT_EQ(paging.linesPerPage, 8);

  TablePlacement placement = PlaceTableLines(NumberedLines(8), paging);
  EXPECT_EQ(placement.pageCount, 1);
  EXPECT_EQ(placement.lineY.front(), 9.0);
  EXPECT_EQ(placement.lineY.back(), 2.0);

  // One line more opens page 2 at the top, and page 2 then holds 9 lines, the first with the
  // count reset to 0.
  placement = PlaceTableLines(NumberedLines(8 + 9 + 1), paging);
  EXPECT_EQ(placement.pageCount, 3);
  EXPECT_EQ(placement.lineY[8], 10.0);
  EXPECT_EQ(placement.LinesOfPage(1), (std::pair<std::size_t, std::size_t>{0, 8}));
  EXPECT_EQ(placement.LinesOfPage(2), (std::pair<std::size_t, std::size_t>{8, 17}));
  EXPECT_EQ(placement.LinesOfPage(3), (std::pair<std::size_t, std::size_t>{17, 18}));
  EXPECT_EQ(placement.lineY[16], 2.0);
  EXPECT_EQ(placement.LinesOfPage(4), (std::pair<std::size_t, std::size_t>{0, 0}));
  EXPECT_EQ(placement.LinesOfPage(0), (std::pair<std::size_t, std::size_t>{0, 0}));
}

// 8 lines a page (9 on later pages): a heading in force is repeated at the top of a page that
// begins after it, and a block that would be split begins the next page when it fits there.
TEST(TablePlacementTest, HeadingsRepeatAndBlocksAreNotSplit) {
  const TablePaging paging = PagingForStep(10, 1.0);
  struct Case {
    const char* name;
    int before, blockSize, after;  // lines before the heading's block, in it, after it
    int pages;
    std::size_t pageTwoFirst;     // first line of page 2
    std::size_t pageTwoRepeated;  // heading lines repeated on page 2
  };
  const Case cases[] = {
      {"heading repeated on page 2", 0, 2, 13, 2, 8, 1},
      {"a block that would be split moves to page 2", 6, 3, 0, 2, 6, 0},
      // It keeps only its heading with the line after it.
      {"a block longer than a page is split as it comes", 6, 12, 0, 3, 8, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TableContent content = NumberedLines(c.before);
    content.BeginHeading();
    content.Append(NumberedLines(1, c.before + 1));
    content.EndHeading();
    content.Append(NumberedLines(c.blockSize - 1, c.before + 2));
    content.KeepTogether(static_cast<std::size_t>(c.before));
    content.Append(NumberedLines(c.after, c.before + c.blockSize + 1));
    const TablePlacement placement = PlaceTableLines(content, paging);
    EXPECT_EQ(placement.pageCount, c.pages);
    EXPECT_EQ(placement.LinesOfPage(2).first, c.pageTwoFirst);
    ASSERT_GE(placement.repeatedLines.size(), 2u);
    EXPECT_EQ(placement.repeatedLines[1].size(), c.pageTwoRepeated);
    if (c.pageTwoRepeated == 1) {
      EXPECT_EQ(placement.repeatedLines[1][0],
                (RepeatedLine{static_cast<std::size_t>(c.before), 10.0, false}));
      EXPECT_EQ(placement.lineY[c.pageTwoFirst], 9.0);  // below the repeated heading
    }
  }
}

TEST(TablePlacementTest, TheBottomLimitBreaksBeforeTheLineCountDoes) {
  // 10 units with a step of 3: trunc(3.33) - 2 = 1, raised to 2 lines; nothing below 6, so
  // page 1 holds the line at 7, and every later page the lines at 10 and 7.
  const TablePaging paging = PagingForStep(10, 3.0);
  TablePlacement placement = PlaceTableLines(NumberedLines(5), paging);
  EXPECT_EQ(placement.pageCount, 3);
  EXPECT_EQ(placement.lineY, (std::vector<double>{7, 10, 7, 10, 7}));
}

TEST(TablePlacementTest, TwoThirdsRuleStartsANewPageOnlyPastTwoThirds) {
  const TablePaging paging = PagingForStep(10, 1.0);  // 8 lines: two thirds are 5.33

  TableContent five = NumberedLines(5);
  five.BreakPastTwoThirds();
  five.Append(NumberedLines(1, 6));
  TablePlacement placement = PlaceTableLines(five, paging);
  EXPECT_EQ(placement.pageCount, 1);
  EXPECT_EQ(placement.lineY[5], 4.0);

  TableContent six = NumberedLines(6);
  six.BreakPastTwoThirds();
  six.Append(NumberedLines(1, 7));
  placement = PlaceTableLines(six, paging);
  EXPECT_EQ(placement.pageCount, 2);
  EXPECT_EQ(placement.lineY[6], 9.0);  // the new page starts one step below the top
  EXPECT_EQ(placement.LinesOfPage(2), (std::pair<std::size_t, std::size_t>{6, 7}));

  // With nothing after it the break still counts a page.
  TableContent trailing = NumberedLines(6);
  trailing.BreakPastTwoThirds();
  EXPECT_EQ(PlaceTableLines(trailing, paging).pageCount, 2);
  EXPECT_EQ(PlaceTableLines(TableContent(), paging).pageCount, 1);
}

// A content from a plan, a character a line or mark: 'r' a line of text, 'b' a blank line, 'h'
// a heading line (a run of them is one heading), '(' and ')' the lines between them kept
// together, '/' the two-thirds rule.
TableContent Planned(const std::string& plan) {
  TableContent content;
  std::size_t blockFirst = 0;
  for (std::size_t i = 0; i < plan.size(); ++i) {
    const char c = plan[i];
    if (c == 'h' && (i == 0 || plan[i - 1] != 'h')) content.BeginHeading();
    if (c == 'r' || c == 'h' || c == 'b') content.NextLine();
    if (c == 'r' || c == 'h') content.AddText(0.1, std::string(1, c));
    if (c == 'h' && (i + 1 == plan.size() || plan[i + 1] != 'h')) content.EndHeading();
    if (c == '(') blockFirst = content.LineCount();
    if (c == ')') content.KeepTogether(blockFirst);
    if (c == '/') content.BreakPastTwoThirds();
  }
  return content;
}

// 2 lines on page 1 and 3 on later pages: no page is given up while it shows nothing, blank
// lines never stand alone, and a heading that no page holds with its line is not given one.
TEST(TablePlacementTest, PagesThatHoldTwoOrThreeLinesAreNeverGivenUpEmpty) {
  const TablePaging paging = PagingForStep(10, 2.5);  // lines at 7.5 and 5, then 10, 7.5, 5
  struct Case {
    const char* name;
    const char* plan;
    std::vector<std::size_t> pageFirstLine;
    std::vector<std::size_t> repeatedOnLastPage;
    std::size_t topLine = 0;  // a line at the top of its page, when not 0
  };
  const Case cases[] = {
      {"page 1 takes a heading that only a later page holds with its line",
       "hhrrr",
       {0, 2, 5},
       {},
       2},
      {"a blank line at the top of a page gives way to a block", "rrb(hrr)", {0, 2, 6}, {}, 3},
      {"page 1 with only a blank line takes what of a block fits", "b(hrr)", {0, 3, 4}, {1}, 0},
      {"a heading no page holds with its line goes line by line", "rhhhr", {0, 2, 5}, {}, 2},
      {"blank lines that end the table stay on the last page", "rrbb", {0, 4}, {}, 0},
      {"a page begun by the two-thirds rule is not given up", "rr/(hrr)", {0, 2, 4, 5}, {2}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TableContent content = Planned(c.plan);
    const TablePlacement placement = PlaceTableLines(content, paging);
    EXPECT_EQ(placement.pageFirstLine, c.pageFirstLine);
    std::vector<std::size_t> repeated;
    for (const RepeatedLine& line : placement.repeatedLines.back())
      repeated.push_back(line.line);
    EXPECT_EQ(repeated, c.repeatedOnLastPage);
    for (int page = 1; page <= placement.pageCount; ++page) {
      auto [shown, last] = placement.LinesOfPage(page);
      while (shown < last && content.IsBlankLine(shown))
        ++shown;
      EXPECT_LT(shown, last) << "page " << page << " shows nothing";
    }
    if (c.topLine != 0) {
      EXPECT_EQ(placement.lineY[c.topLine], 10.0);
    }
  }
}

TEST(TableContentTest, AppendKeepsTextsColumnsAndBreaks) {
  TableContent first;
  first.NextLine();
  first.AddText(0.1, "a");
  first.AddText(2.6, "bc");
  first.NextLine();  // blank
  TableContent second;
  second.NextLine();
  second.BreakPastTwoThirds();
  second.NextLine();
  second.AddText(7.6, "");
  second.AddText(2.6, "d");

  std::vector<TableContent> parts = {first, second};
  TableContent joined;
  joined.AppendAll(parts);
  auto line = [&](std::size_t index) {
    std::string text;
    joined.ForEachText(index, index + 1, [&](std::size_t, double x, std::string_view placed) {
      text += std::to_string(x).substr(0, 3) + ":" + std::string(placed) + " ";
    });
    return text;
  };
  ASSERT_EQ(joined.LineCount(), 4u);
  EXPECT_EQ(line(0), "0.1:a 2.6:bc ");
  EXPECT_EQ(line(1), "");
  EXPECT_EQ(line(2), "");
  EXPECT_EQ(line(3), "7.6: 2.6:d ");
  EXPECT_EQ(joined.twoThirdsBreaks(), std::vector<std::size_t>{3});
  EXPECT_EQ(parts[0].LineCount(), 0u);  // the parts are emptied
}

TEST(TableContentTest, DrawsOnlyTheLinesOfThePage) {
  const TablePaging paging = PagingForStep(10, 1.0);
  TableContent content = NumberedLines(10);
  TablePlacement placement = PlaceTableLines(content, paging);
  WorldTransform t;
  t.pixelsPerMetreX = t.pixelsPerMetreY = 10;
  t.originY = 10;
  RecordingDeviceContext dc;
  DrawTablePage(dc, t, content, placement, 2);
  // Lines 9 and 10 on page 2, at y = 10 and 9 units: 0 and 10 pixels from the top.
  EXPECT_EQ(dc.lines(), (std::vector<std::string>{"text 1 0 9", "text 1 10 10"}));

  dc.Clear();
  DrawTablePage(dc, t, content, placement, 3);
  EXPECT_TRUE(dc.lines().empty());
}
}  // namespace
}  // namespace qel
