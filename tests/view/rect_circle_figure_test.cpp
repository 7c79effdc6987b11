// The rectangular and circular load figure drawn onto a recording device.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "support/figure_range_edit.h"
#include "support/render_world.h"
#include "test_support/recording_device_context.h"
#include "view/figure_strokes.h"
#include "view/renderers.h"

namespace qel {
namespace {

using test::IndexOf;
using test::Stroke;
using test::StrokesIn;
using test::StrokesOf;

constexpr unsigned kPointGrey = 0x404040;  // the world's calculation point colour

struct Box {
  int left, top, right, bottom;
  bool operator==(const Box&) const = default;
};

// The device box a recorded polyline encloses, whatever the order of its corners.
Box BoxOf(const std::string& polyline) {
  Box box{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
  std::size_t at = polyline.find(' ');
  int x = 0, y = 0, used = 0;
  while (at != std::string::npos &&
         std::sscanf(polyline.c_str() + at, " %d,%d%n", &x, &y, &used) == 2) {
    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
           std::max(box.bottom, y)};
    at += used;
  }
  return box;
}

// At 254 dpi a millimetre is exactly 10 pixels, so at 1/500 a metre is 20 pixels. The margins
// put world (pageLeft, topY = 10) at device (100, 200):
//   device x = (x - pageLeft) * 20 + 100,   device y = (10 - y) * 20 + 200.
class RectCircleFigureTest : public ::testing::Test {
 protected:
  RectCircleFigureTest() {
    world.UseDevice(254, 254);
    settings.pointMarkSize = 10;  // half a metre at 1/500
    settings.axisLineWidth = 0;   // most tests look at the loads alone
  }

  // Sets the scale as the paint dispatcher does, then draws.
  int Render() {
    WorldTransform& t = world.transform;
    const FigureRange range = ReadFigureRange(world.tables, Problem::RectCircle);
    t.pixelsPerMetreX = 1000.0 / range.scaleX * world.geometry.pixelsPerMmX;
    t.pixelsPerMetreY = 1000.0 / range.scaleY * world.geometry.pixelsPerMmY;
    return RenderRectCircleFigure(world.Ctx(), dc);
  }

  // No., X1, Y1, X2, Y2, q.
  void SetRect(int row, const std::array<std::string, 6>& cells) {
    for (int column = 1; column <= kRectColumns; ++column)
      world.tables.rectLoads[row][column] = cells[column - 1];
  }
  // No., X, Y, r, q.
  void SetCircle(int row, const std::array<std::string, 5>& cells) {
    for (int column = 1; column <= kCircleColumns; ++column)
      world.tables.circleLoads[row][column] = cells[column - 1];
  }

  void Print(int page) {
    world.view.printing = true;
    world.view.currentPage = page;
  }

  test::RenderWorld world;
  SystemSettings& settings = world.settings;
  RecordingDeviceContext dc{254, 254};
};

TEST_F(RectCircleFigureTest, PrintedPageWindowFollowsThePageNumber) {
  test::ChangeFigureRange(world.tables, Problem::RectCircle,
                          [](FigureRange& range) { range.leftX = 10; });
  test::ChangeFigureRange(world.tables, Problem::RectCircle,
                          [](FigureRange& range) { range.rangeX = 80; });
  test::ChangeFigureRange(world.tables, Problem::RectCircle,
                          [](FigureRange& range) { range.pageOverlap = 20; });
  SetRect(1, {"1", "80", "0", "90", "-5", "2"});
  Print(2);
  Render();

  // Page 2 shows x from 10 + 60 = 70 to 150.
  EXPECT_DOUBLE_EQ(world.transform.originX, -70.0);
  EXPECT_EQ(dc.Lines("clip"), std::vector<std::string>{"clip 100 200 1700 2200"});
  EXPECT_EQ(dc.Lines("polyline"),
            std::vector<std::string>{"polyline 300,400 500,400 500,500 300,500 300,400"});
  EXPECT_EQ(dc.Log().find("0xffff00"), std::string::npos);
}

TEST_F(RectCircleFigureTest, ScreenOutlineIsCyanOfWidthTwoAfterTheTitle) {
  world.tables.settingLines[setting_line::Style(Problem::RectCircle, setting_line::kFigureTitle)] =
      "平面図";
  world.view.screenLeftX = -20;
  world.tables.figures.rectNotes = false;  // the notes make a font of their own
  Render();

  const int title = IndexOf(dc, "text ");
  const int outline = IndexOf(dc, "pen solid 2 0xffff00");
  ASSERT_GE(title, 0);
  ASSERT_GE(outline, 0);
  EXPECT_EQ(dc.lines()[title], "text 0 0 平面図");
  EXPECT_LT(title, outline);
  EXPECT_EQ(dc.lines()[outline + 1], "polyline 100,200 1700,200 1700,2200 100,2200 100,200");
  EXPECT_LT(outline, IndexOf(dc, "clip"));
  EXPECT_EQ(dc.Lines("font").size(), 1u);  // the title font is made once
  EXPECT_EQ(dc.lines().back(), "noclip");
}

TEST_F(RectCircleFigureTest, AxesCrossAtTheOrigin) {
  settings.axisLineWidth = 1;
  world.view.screenLeftX = -20;  // x = 0 lies 20 m into the window
  Render();

  const std::vector<Stroke> expected = {{100, 400, 1700, 400, 1, 0x808080},
                                        {500, 200, 500, 2200, 1, 0x808080}};
  EXPECT_EQ(StrokesOf(dc), expected);
}

TEST_F(RectCircleFigureTest, RectangleCornersMayComeInAnyOrder) {
  Print(1);
  SetRect(1, {"1", "10", "2", "5", "8", "1.5"});  // x2 < x1
  SetRect(2, {"2", "5", "8", "10", "2", "1.5"});  // y2 < y1
  SetRect(3, {"3", "5", "2", "10", "8", "1.5"});  // in order
  Render();

  std::vector<std::string> rectangles = dc.Lines("polyline");
  ASSERT_EQ(rectangles.size(), 3u);
  // x 5..10 -> device 200..300, y 2..8 -> device 360..240.
  const Box expected{200, 240, 300, 360};
  for (const std::string& r : rectangles)
    EXPECT_EQ(BoxOf(r), expected) << r;
  EXPECT_EQ(dc.Lines("pen solid 2 0x000000").size(), 3u);  // figureLineWidth, black
}

TEST_F(RectCircleFigureTest, RectangleListEndsAtTheFirstIncompleteRow) {
  Print(1);
  SetRect(1, {"1", "0", "0", "1", "1", "2"});
  SetRect(2, {"", "0", "0", "2", "2", "2"});  // empty No.
  SetRect(3, {"3", "0", "0", "3", "3", "2"});
  Render();
  EXPECT_EQ(dc.Lines("polyline").size(), 1u);

  dc.Clear();
  SetRect(2, {"2", "0", "0", "2", "2", ""});  // empty q ends the list just as well
  Render();
  EXPECT_EQ(dc.Lines("polyline").size(), 1u);

  dc.Clear();
  SetRect(2, {"2", "0", "0", "2", "2", "2"});
  Render();
  EXPECT_EQ(dc.Lines("polyline").size(), 3u);
}

TEST_F(RectCircleFigureTest, CircleBecomesAnEllipseWhenTheScalesDiffer) {
  test::ChangeFigureRange(world.tables, Problem::RectCircle, [](FigureRange& range) {
    range.scaleX = 200;
  });  // 50 px per metre across
  test::ChangeFigureRange(world.tables, Problem::RectCircle,
                          [](FigureRange& range) { range.scaleY = 100; });  // 100 px per metre down
  SetCircle(1, {"1", "0", "0", "5", "3"});
  Print(1);
  Render();

  // Box (-5, -5)..(5, 5): device x -150..350, device y 1700..700; start = end = (5, 0).
  EXPECT_EQ(dc.Lines("arc"), std::vector<std::string>{"arc -150 1700 350 700 350 1200 350 1200"});
  EXPECT_EQ(dc.Lines("pen solid 2 0x000000").size(), 1u);

  // On paper at 600 dpi the ellipse is still twice as high as wide.
  RecordingDeviceContext paper(600, 600);
  world.UseDevice(600, 600);
  world.transform.pixelsPerMetreX = 1000.0 / 200 * world.geometry.pixelsPerMmX;
  world.transform.pixelsPerMetreY = 1000.0 / 100 * world.geometry.pixelsPerMmY;
  RenderRectCircleFigure(world.Ctx(), paper);
  int left, top, right, bottom;
  ASSERT_EQ(std::sscanf(paper.Lines("arc").at(0).c_str(), "arc %d %d %d %d", &left, &top, &right,
                        &bottom),
            4);
  // 10 m across at 1/200 is 50 mm = 1181.1 px, 10 m down at 1/100 is 100 mm = 2362.2 px.
  EXPECT_NEAR(right - left, 1181, 1);
  EXPECT_NEAR(top - bottom, 2362, 1);
}

TEST_F(RectCircleFigureTest, CircleListEndsAtTheFirstIncompleteRow) {
  Print(1);
  SetCircle(1, {"1", "0", "0", "5", "3"});
  SetCircle(2, {"2", "10", "0", "", "3"});  // no radius
  SetCircle(3, {"3", "20", "0", "5", "3"});
  Render();
  EXPECT_EQ(dc.Lines("arc").size(), 1u);
}

TEST_F(RectCircleFigureTest, CrossAtEveryLatticePointWhenAnyDepthIsGiven) {
  Print(1);
  const char* xs[] = {"0", "5", "10"};
  for (int i = 0; i < 3; ++i)
    world.tables.gridPoints[1 + 2 * i][point_col::kGridX] = xs[i];
  world.tables.gridPoints[2][point_col::kGridY] = "-1";
  world.tables.gridPoints[12][point_col::kGridY] = "3";
  Render();
  EXPECT_TRUE(StrokesOf(dc).empty());  // no depth, no calculation points

  world.tables.gridPoints[7][point_col::kGridZ] = "2";
  dc.Clear();
  Render();
  std::vector<Stroke> crosses = StrokesIn(dc, kPointGrey);
  ASSERT_EQ(crosses.size(), 12u);  // 3 x times 2 y, two strokes each
  // First row y = -1 (device 420), x = 0, 5, 10 (device 100, 200, 300); then y = 3 (device 340).
  EXPECT_EQ(crosses[0], (Stroke{90, 420, 110, 420, 2, kPointGrey}));
  EXPECT_EQ(crosses[1], (Stroke{100, 430, 100, 410, 2, kPointGrey}));
  EXPECT_EQ(crosses[4], (Stroke{290, 420, 310, 420, 2, kPointGrey}));
  EXPECT_EQ(crosses[6], (Stroke{90, 340, 110, 340, 2, kPointGrey}));
}

TEST_F(RectCircleFigureTest, ReturnsThePageCountOfItsContent) {
  test::ChangeFigureRange(world.tables, Problem::RectCircle,
                          [](FigureRange& range) { range.rangeX = 80; });
  test::ChangeFigureRange(world.tables, Problem::RectCircle,
                          [](FigureRange& range) { range.pageOverlap = 10; });
  SetRect(1, {"1", "0", "0", "100", "10", "1"});
  SetCircle(1, {"1", "120", "0", "40", "1"});  // reaches x = 160
  EXPECT_EQ(Render(), 3);                      // trunc(160 / 70 + 0.01) + 1
}

}  // namespace
}  // namespace qel
