// How each figure's content is cut into pages side by side.
#include "view/figure_pages.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "support/render_world.h"

namespace qel {
namespace {

FigureRange Range(int leftX, int rangeX, int pageOverlap) {
  FigureRange range;
  range.scaleX = range.scaleY = 500;
  range.rangeY = 100;
  range.leftX = leftX;
  range.rangeX = rangeX;
  range.pageOverlap = pageOverlap;
  return range;
}

TEST(FigurePageCountTest, PagesStepBrangeYLessOverlap) {
  const FigureRange range = Range(0, 80, 10);
  EXPECT_EQ(FigurePageStep(range), 70);
  EXPECT_EQ(FigurePageCount(160, range), 3);  // trunc(2.29 + 0.01) + 1
  EXPECT_EQ(FigurePageCount(150, range), 3);  // trunc(2.14 + 0.01) + 1
  EXPECT_EQ(FigurePageCount(139, range), 2);
  EXPECT_EQ(FigurePageCount(0, range), 1);
}

TEST(FigurePageCountTest, ContentEndingAtAPageBoundaryGetsOneMorePage) {
  // extent = leftX + k * step gives k + 1 pages.
  EXPECT_EQ(FigurePageCount(140, Range(0, 80, 10)), 3);
  EXPECT_EQ(FigurePageCount(5 + 4 * 70, Range(5, 80, 10)), 5);
  // Just short of a boundary the 0.01 lifts it over: 139.5 / 70 = 1.993.
  EXPECT_EQ(FigurePageCount(139.5, Range(0, 80, 10)), 3);
}

TEST(FigurePageCountTest, ContentLeftOfTheFirstPageStillHasOnePage) {
  EXPECT_EQ(FigurePageCount(0, Range(100, 80, 10)), 1);  // trunc(-1.42) + 1 would be 0
  EXPECT_EQ(FigurePageCount(0, Range(500, 80, 10)), 1);  // and here negative
}

TEST(FigurePageCountTest, StepThatDoesNotAdvanceFallsBackToTheRange) {
  EXPECT_EQ(FigurePageStep(Range(0, 80, 80)), 80);
  EXPECT_EQ(FigurePageStep(Range(0, 80, 100)), 80);
  EXPECT_EQ(FigurePageStep(Range(0, 0, 0)), 1);
  EXPECT_EQ(FigurePageStep(Range(0, -5, 3)), 1);
  EXPECT_EQ(FigurePageCount(160, Range(0, 80, 80)), 3);  // 160 / 80 = 2, + 1
  EXPECT_EQ(FigurePageCount(10, Range(0, 0, 0)), 11);
}

TEST(FigurePageCountTest, PrintedPagesStartAtLeftXAndStepOn) {
  EXPECT_DOUBLE_EQ(PrintedPageLeft(Range(0, 80, 10), 1), 0.0);
  EXPECT_DOUBLE_EQ(PrintedPageLeft(Range(0, 80, 10), 3), 140.0);
  EXPECT_DOUBLE_EQ(PrintedPageLeft(Range(-20, 50, 5), 2), 25.0);
  EXPECT_DOUBLE_EQ(PrintedPageLeft(Range(0, 80, 90), 3), 160.0);
}

// One page shows what the paper holds at the figure's scale: A4 (210 x 297 mm) with margins of
// 10 mm (left) and 20 mm (top) holds scale * 190 / 1000 m across and scale * 257 / 1000 m down.
TEST(PageFigureOnPaperTest, APageShowsNoMoreThanThePaperHolds) {
  struct Case {
    int scale, rangeX, rangeY, overlap;
    int pageX, pageY, rows, pageOverlap;
  };
  const Case cases[] = {
      {500, 80, 100, 10, 80, 100, 1, 10},  // fits: the range as set
      {500, 95, 128, 0, 95, 128, 1, 0},    // exactly what fits
      {200, 80, 40, 5, 38, 40, 1, 5},      // too wide: 38 m across
      {200, 38, 100, 5, 38, 51, 3, 5},     // too tall: rows step 46 m, 51 + 46 + 46 >= 100
      {200, 38, 97, 5, 38, 51, 2, 5},      // 51 + 46 = 97: two rows do
      {200, 38, 98, 0, 38, 51, 2, 0},      // 51 + 51 = 102
      {200, 80, 40, -7, 38, 40, 1, 0},     // a negative overlap would leave strips unprinted
      {20, 10, 10, 0, 3, 5, 2, 0},         // 1/20: 3.8 m across, 5.14 m down, in whole metres
      {200, 38, 200, 60, 38, 51, 4, 60},   // overlap beyond the height: rows step the height
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "1/" << c.scale << " " << c.rangeX << " x " << c.rangeY);
    FigureRange range = Range(0, c.rangeX, c.overlap);
    range.scaleX = range.scaleY = c.scale;
    range.rangeY = c.rangeY;
    const FigurePaging paging = PageFigureOnPaper(range, 210, 297, 10, 20);
    EXPECT_EQ(paging.page.rangeX, c.pageX);
    EXPECT_EQ(paging.page.rangeY, c.pageY);
    EXPECT_EQ(paging.rows, c.rows);
    EXPECT_EQ(paging.page.pageOverlap, c.pageOverlap);
    // The rows cover the height set.
    EXPECT_GE(paging.page.rangeY + (paging.rows - 1) * FigureRowStep(paging), c.rangeY);
  }
}

// Pages run down a column of rows, then on to the next column.
TEST(PageFigureOnPaperTest, PrintedWindowsGoDownEachColumnFirst) {
  FigureRange range = Range(-10, 80, 5);
  range.scaleX = range.scaleY = 200;
  range.topY = 10;
  range.rangeY = 100;  // three rows of 51 m stepping 46 m
  const FigurePaging paging = PageFigureOnPaper(range, 210, 297, 10, 20);
  ASSERT_EQ(paging.rows, 3);
  EXPECT_EQ(FigurePagingCount(60, paging), 3 * 3);  // columns at -10, 23, 56
  struct Case {
    int page;
    double left, top;
  };
  const Case cases[] = {{1, -10, 10}, {2, -10, -36}, {3, -10, -82}, {4, 23, 10},
                        {6, 23, -82}, {7, 56, 10},   {9, 56, -82}};
  for (const Case& c : cases) {
    const FigureWindow window = PrintedFigureWindow(paging, c.page);
    EXPECT_DOUBLE_EQ(window.left, c.left) << c.page;
    EXPECT_DOUBLE_EQ(window.right, c.left + 38) << c.page;
    EXPECT_DOUBLE_EQ(window.top, c.top) << c.page;
    EXPECT_DOUBLE_EQ(window.bottom, c.top - 51) << c.page;
  }
  // The screen's window in a row beyond the last is the last row's.
  EXPECT_DOUBLE_EQ(FigureWindowAt(paging, 5, 7).top, -82);
  EXPECT_DOUBLE_EQ(FigureWindowAt(paging, 5, -1).top, 10);
}

// A typo cannot ask for more than kMostFigurePages pages, rows and columns together.
TEST(LimitFigureExtentTest, ATypoCannotAskForMoreThanTheMostPages) {
  auto paged = [](FigureRange range, int rows = 1) {
    FigurePaging paging;
    paging.page = range;
    paging.rows = rows;
    return paging;
  };
  struct Case {
    const char* what;
    double extent;
    FigurePaging paging;
    bool cut;
  };
  const Case cases[] = {
      {"ordinary content", 160, paged(Range(0, 80, 10)), false},
      {"exactly the most pages", 999 * 70, paged(Range(0, 80, 10)), false},
      {"one page more", 1000 * 70, paged(Range(0, 80, 10)), true},
      {"a coordinate of 1e15", 1e15, paged(Range(0, 80, 10)), true},
      {"a coordinate of 1e308", 1e308, paged(Range(0, 80, 0)), true},
      {"an infinite coordinate", HUGE_VAL, paged(Range(0, 80, 0)), true},
      {"a left X of INT_MIN", 0, paged(Range(INT_MIN, 80, 0)), true},
      {"a one-metre step", 5000, paged(Range(0, 1, 0)), true},
      {"ten rows leave a hundred columns", 100 * 80, paged(Range(0, 80, 0), 10), true},
      {"ten rows and 99 columns", 98 * 80, paged(Range(0, 80, 0), 10), false},
  };
  for (const Case& c : cases) {
    const PagedExtent limited = LimitFigureExtent(c.extent, c.paging);
    EXPECT_EQ(limited.cut, c.cut) << c.what;
    const int pages = FigurePagingCount(limited.x, c.paging);
    EXPECT_LE(pages, kMostFigurePages) << c.what;
    if (!c.cut) {
      EXPECT_EQ(limited.x, c.extent) << c.what;
    }
  }
}

// A height of INT_MAX would need millions of rows: they stop at the most pages, and the extent
// says so.
TEST(LimitFigureExtentTest, RowsStopAtTheMostPagesToo) {
  FigureRange range = Range(0, 38, 0);
  range.scaleX = range.scaleY = 200;
  range.rangeY = INT_MAX;
  const FigurePaging paging = PageFigureOnPaper(range, 210, 297, 10, 20);
  EXPECT_EQ(paging.rows, kMostFigurePages);
  EXPECT_TRUE(paging.rowsCut);
  EXPECT_TRUE(LimitFigureExtent(0, paging).cut);
  EXPECT_EQ(FigurePagingCount(1e15, paging), kMostFigurePages);
}

class FigureExtentTest : public ::testing::Test {
 protected:
  test::RenderWorld world;
  DocumentTables& t = world.tables;
};

TEST_F(FigureExtentTest, StripExtentCoversPiecesOfBothSetsAndPoints) {
  EXPECT_DOUBLE_EQ(StripFigureExtent(world.Ctx().document.strip(), world.settings), 0.0);

  t.stripLoads[1][1][strip_col::kX4] = "30";
  t.stripLoads[1][2][strip_col::kX4] = "";  // ends set 1
  t.stripLoads[1][3][strip_col::kX4] = "500";
  t.stripLoads[2][1][strip_col::kX4] = "45.5";
  EXPECT_DOUBLE_EQ(StripFigureExtent(world.Ctx().document.strip(), world.settings), 45.5);

  t.stripPoints[3][point_col::kX] = "60";  // points may have gaps
  t.stripPoints[5][point_col::kX] = "x";
  EXPECT_DOUBLE_EQ(StripFigureExtent(world.Ctx().document.strip(), world.settings), 60.0);
}

TEST_F(FigureExtentTest, ExtentIsNeverNegative) {
  t.stripLoads[1][1][strip_col::kX4] = "-30";
  t.stripPoints[1][point_col::kX] = "-5";
  EXPECT_DOUBLE_EQ(StripFigureExtent(world.Ctx().document.strip(), world.settings), 0.0);
}

TEST_F(FigureExtentTest, RectCircleExtentCoversRectanglesCirclesAndPoints) {
  t.rectLoads[1][rect_col::kX2] = "20";
  t.rectLoads[2][rect_col::kX2] = "35";
  t.circleLoads[1][circle_col::kX] = "30";
  t.circleLoads[1][circle_col::kR] = "12";   // reaches 42
  t.circleLoads[2][circle_col::kX] = "100";  // no radius: the list ends
  EXPECT_DOUBLE_EQ(RectCircleFigureExtent(world.Ctx().document.plan(), world.settings), 42.0);

  t.gridPoints[12][point_col::kGridX] = "50";
  EXPECT_DOUBLE_EQ(RectCircleFigureExtent(world.Ctx().document.plan(), world.settings), 50.0);
}

TEST_F(FigureExtentTest, DrawnGridCountsWithItsLargerBound) {
  using namespace setting_line;
  t.settingLines[Style(Problem::RectCircle, kGridFromX)] = "0";
  t.settingLines[Style(Problem::RectCircle, kGridToX)] = "90";
  EXPECT_DOUBLE_EQ(RectCircleFigureExtent(world.Ctx().document.plan(), world.settings), 90.0);
  EXPECT_DOUBLE_EQ(StripFigureExtent(world.Ctx().document.strip(), world.settings),
                   0.0);  // the other problem's grid

  // Entered from 90 down to 0, the grid is drawn over the same span.
  t.settingLines[Style(Problem::RectCircle, kGridFromX)] = "90";
  t.settingLines[Style(Problem::RectCircle, kGridToX)] = "0";
  EXPECT_DOUBLE_EQ(RectCircleFigureExtent(world.Ctx().document.plan(), world.settings), 90.0);

  world.settings.gridMarkSize = 0;  // grid off
  EXPECT_DOUBLE_EQ(RectCircleFigureExtent(world.Ctx().document.plan(), world.settings), 0.0);
}

}  // namespace
}  // namespace qel
