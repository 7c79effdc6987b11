// The strip-load figure drawn onto a recording device.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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

constexpr unsigned kCyan = 0xffff00;
constexpr unsigned kAxisGrey = 0x808080;   // the world's axis colour
constexpr unsigned kPointGrey = 0x404040;  // the world's calculation point colour

// At 254 dpi a millimetre is exactly 10 pixels, so at 1/500 a metre is 20 pixels. The margins
// put world (pageLeft, topY = 10) at device (100, 200):
//   device x = (x - pageLeft) * 20 + 100,   device y = (10 - y) * 20 + 200.
class StripFigureTest : public ::testing::Test {
 protected:
  StripFigureTest() {
    world.UseDevice(254, 254);
    settings.pointMarkSize = 10;  // half a metre at 1/500
  }

  // Sets the scale as the paint dispatcher does, then draws.
  int Render() {
    WorldTransform& t = world.transform;
    const FigureRange range = ReadFigureRange(world.tables, Problem::Strip);
    t.pixelsPerMetreX = 1000.0 / range.scaleX * world.geometry.pixelsPerMmX;
    t.pixelsPerMetreY = 1000.0 / range.scaleY * world.geometry.pixelsPerMmY;
    return RenderStripFigure(world.Ctx(), dc);
  }

  // No., X1, X2, X3, X4, h, gamma, Y.
  void SetPiece(int set, int row, const std::array<std::string, 8>& cells) {
    for (int column = 1; column <= kStripColumns; ++column)
      world.tables.stripLoads[set][row][column] = cells[column - 1];
  }

  void Print(int page) {
    world.view.printing = true;
    world.view.currentPage = page;
  }

  test::RenderWorld world;
  SystemSettings& settings = world.settings;
  RecordingDeviceContext dc{254, 254};
};

TEST_F(StripFigureTest, PrintedPageThreeShowsItsOwnWindow) {
  test::ChangeFigureRange(world.tables, Problem::Strip,
                          [](FigureRange& range) { range.leftX = 0; });
  test::ChangeFigureRange(world.tables, Problem::Strip,
                          [](FigureRange& range) { range.rangeX = 80; });
  test::ChangeFigureRange(world.tables, Problem::Strip,
                          [](FigureRange& range) { range.pageOverlap = 10; });
  settings.axisLineWidth = 0;
  world.view.screenLeftX = 35;  // the screen position plays no part on paper
  world.tables.stripPoints[1][point_col::kX] = "150";
  world.tables.stripPoints[1][point_col::kZ] = "2";
  world.tables.stripPoints[2][point_col::kX] = "160";
  Print(3);

  EXPECT_EQ(Render(), 3);  // content up to x = 160: trunc(160 / 70 + 0.01) + 1

  // Page 3 starts at 2 * 70 = 140 and ends at 220; the window is 80 m by 100 m from y = 10.
  EXPECT_EQ(dc.Lines("clip"), std::vector<std::string>{"clip 100 200 1700 2200"});
  EXPECT_DOUBLE_EQ(world.transform.originX, -140.0);
  EXPECT_DOUBLE_EQ(world.transform.originY, 10.0);
  // The cross at (150, -2) lands 10 m right of the page's left edge.
  std::vector<Stroke> crosses = StrokesIn(dc, kPointGrey);
  ASSERT_EQ(crosses.size(), 4u);
  EXPECT_EQ(crosses[0], (Stroke{290, 440, 310, 440, 2, kPointGrey}));
  EXPECT_EQ(crosses[1], (Stroke{300, 450, 300, 430, 2, kPointGrey}));
}

TEST_F(StripFigureTest, ScreenWindowFollowsTheArrowKeysAndIsOutlinedInCyan) {
  world.view.screenLeftX = 70;
  world.view.currentPage = 2;
  Render();

  EXPECT_EQ(dc.Lines("clip"), std::vector<std::string>{"clip 100 200 1700 2200"});
  EXPECT_DOUBLE_EQ(world.transform.originX, -70.0);
  ASSERT_GE(IndexOf(dc, "pen solid 1 0xffff00"), 0);
  EXPECT_EQ(dc.lines()[IndexOf(dc, "pen solid 1 0xffff00") + 1],
            "polyline 100,200 1700,200 1700,2200 100,2200 100,200");
}

TEST_F(StripFigureTest, PaperNeverShowsTheCyanOutline) {
  for (int page : {1, 2}) {
    dc.Clear();
    Print(page);
    Render();
    EXPECT_EQ(dc.Log().find("0xffff00"), std::string::npos) << "page " << page;
    EXPECT_TRUE(dc.Lines("polyline").empty());
  }
}

TEST_F(StripFigureTest, DrawsInTheOrderOfItsSteps) {
  settings.gridLineWidth = 1;
  settings.gridMarkSize = 10;
  for (int line : {setting_line::kGridFromX, setting_line::kGridToX, setting_line::kGridFromY,
                   setting_line::kGridToY})
    world.tables.settingLines[line] = "5";
  world.tables.settingLines[setting_line::kFigureTitle] = "断面図";
  SetPiece(1, 1, {"1", "0", "1", "2", "3", "1", "2", "0"});
  world.tables.stripPoints[1][point_col::kX] = "1";
  world.tables.stripPoints[1][point_col::kZ] = "1";
  Render();

  const int firstFont = IndexOf(dc, "font");
  const int outline = IndexOf(dc, "polyline");
  const int titleFont = IndexOf(dc, "font", outline);
  const int title = IndexOf(dc, "text ");
  const int clip = IndexOf(dc, "clip");
  const int axes = IndexOf(dc, "pen solid 1 0x808080");
  const int grid = IndexOf(dc, "pen solid 1 0xc0c0c0");
  const int loads = IndexOf(dc, "pen solid 2 0x000000");
  const int points = IndexOf(dc, "pen solid 2 0x404040");
  EXPECT_EQ(firstFont, 0);  // the title font comes before anything is drawn
  EXPECT_LT(firstFont, outline);
  EXPECT_LT(outline, titleFont);
  EXPECT_LT(titleFont, title);
  EXPECT_EQ(dc.lines()[title], "text 0 0 断面図");
  EXPECT_LT(title, clip);
  EXPECT_LT(clip, axes);
  EXPECT_LT(axes, grid);
  EXPECT_LT(grid, loads);
  EXPECT_LT(loads, points);
  EXPECT_EQ(dc.lines().back(), "noclip");
}

TEST_F(StripFigureTest, PieceIsATrapezoidStandingOnItsBase) {
  settings.axisLineWidth = 0;
  // x1 = x2 and x3 = x4: a rectangle 10 m wide and 3 m high standing on y = 1.
  SetPiece(1, 1, {"1", "10", "10", "20", "20", "3", "1.8", "1"});
  Render();

  const std::vector<Stroke> expected = {
      {300, 380, 300, 320, 2, 0},  // (x1, y) up to (x2, y + h)
      {300, 320, 500, 320, 2, 0},  // across the top
      {500, 320, 500, 380, 2, 0},  // (x3, y + h) down to (x4, y)
      {500, 380, 300, 380, 2, 0},  // back along the base
  };
  EXPECT_EQ(StrokesOf(dc), expected);
}

TEST_F(StripFigureTest, PieceOfNoHeightIsAFlatLine) {
  settings.axisLineWidth = 0;
  SetPiece(1, 1, {"1", "0", "2", "4", "6", "0", "1.8", "-1"});
  Render();

  std::vector<Stroke> strokes = StrokesOf(dc);
  ASSERT_EQ(strokes.size(), 4u);
  for (const Stroke& s : strokes) {
    EXPECT_EQ(s.y1, 420);
    EXPECT_EQ(s.y2, 420);
  }
  EXPECT_EQ(strokes[1], (Stroke{140, 420, 180, 420, 2, 0}));
}

TEST_F(StripFigureTest, BothSetsAreDrawnUpToTheirFirstIncompleteRow) {
  settings.axisLineWidth = 0;
  SetPiece(1, 1, {"1", "0", "1", "2", "3", "1", "1", "0"});
  SetPiece(1, 2, {"2", "", "1", "2", "3", "1", "1", "0"});  // no X1: the set ends here
  SetPiece(1, 3, {"3", "0", "1", "2", "3", "1", "1", "0"});
  SetPiece(2, 1, {"1", "5", "6", "", "", "", "", ""});  // X3, X4, h and Y count as 0
  Render();

  std::vector<Stroke> strokes = StrokesOf(dc);
  ASSERT_EQ(strokes.size(), 8u);
  EXPECT_EQ(strokes[0], (Stroke{100, 400, 120, 380, 2, 0}));  // set 1, piece 1
  EXPECT_EQ(strokes[4], (Stroke{200, 400, 220, 400, 2, 0}));  // set 2: (5, 0) to (6, 0)
  EXPECT_EQ(strokes[6], (Stroke{100, 400, 100, 400, 2, 0}));  // (x3, 0) to (x4 = 0, 0)
}

TEST_F(StripFigureTest, CrossAtEveryEnteredXAndDepth) {
  settings.axisLineWidth = 0;
  // x values 0 and 5 and depths 2 and 4, in rows of their own choosing.
  world.tables.stripPoints[1][point_col::kX] = "0";
  world.tables.stripPoints[4][point_col::kX] = "5";
  world.tables.stripPoints[2][point_col::kZ] = "2";
  world.tables.stripPoints[7][point_col::kZ] = "4";
  world.tables.stripPoints[9][point_col::kX] = "x";  // not a number
  Render();

  // Crosses at (0, -2), (5, -2), (0, -4), (5, -4): device x 100 and 200, device y 440 and 480,
  // arms of 10 pixels.
  std::vector<Stroke> strokes = StrokesOf(dc);
  const std::vector<Stroke> expected = {
      {90, 440, 110, 440, 2, kPointGrey},  {100, 450, 100, 430, 2, kPointGrey},
      {190, 440, 210, 440, 2, kPointGrey}, {200, 450, 200, 430, 2, kPointGrey},
      {90, 480, 110, 480, 2, kPointGrey},  {100, 490, 100, 470, 2, kPointGrey},
      {190, 480, 210, 480, 2, kPointGrey}, {200, 490, 200, 470, 2, kPointGrey},
  };
  EXPECT_EQ(strokes, expected);
}

TEST_F(StripFigureTest, CrossArmsKeepTheirPixelLengthAtAnyScale) {
  settings.axisLineWidth = 0;
  test::ChangeFigureRange(world.tables, Problem::Strip, [](FigureRange& range) {
    range.scaleX = 250;
  });  // 40 px per metre across
  test::ChangeFigureRange(world.tables, Problem::Strip,
                          [](FigureRange& range) { range.scaleY = 1000; });  // 10 px per metre down
  world.tables.stripPoints[1][point_col::kX] = "1";
  world.tables.stripPoints[1][point_col::kZ] = "1";
  Render();

  // (1, -1): device x = 1 * 40 + 100, device y = 11 * 10 + 200.
  const std::vector<Stroke> expected = {{130, 310, 150, 310, 2, kPointGrey},
                                        {140, 320, 140, 300, 2, kPointGrey}};
  EXPECT_EQ(StrokesOf(dc), expected);
}

TEST_F(StripFigureTest, MonochromeDrawsCrossesAndGridBlack) {
  settings.colourMode = 1;
  settings.axisLineWidth = 0;
  settings.gridMarkSize = 10;
  for (int line : {setting_line::kGridFromX, setting_line::kGridToX, setting_line::kGridFromY,
                   setting_line::kGridToY})
    world.tables.settingLines[line] = "5";
  world.tables.stripPoints[1][point_col::kX] = "0";
  world.tables.stripPoints[1][point_col::kZ] = "0";
  Render();

  std::vector<Stroke> strokes = StrokesOf(dc);
  ASSERT_EQ(strokes.size(), 4u);  // one grid cross, one point cross
  for (const Stroke& s : strokes)
    EXPECT_EQ(s.colour, 0u);
}

TEST_F(StripFigureTest, AxesInColourAreSolidInTheAxisColour) {
  settings.axisLineWidth = 3;
  settings.axisDashOff = 4;  // the blank part matters only in monochrome
  Render();

  const std::vector<Stroke> expected = {
      {100, 400, 1700, 400, 3, kAxisGrey},  // y = 0 across the window
      {100, 200, 100, 2200, 3, kAxisGrey},  // x = 0 from topY down to the page bottom
  };
  EXPECT_EQ(StrokesOf(dc), expected);
}

TEST_F(StripFigureTest, AxisWidthZeroDrawsNoAxesInEitherMode) {
  settings.axisLineWidth = 0;
  settings.axisDashOn = 3;
  settings.axisDashOff = 2;
  for (int mode : {0, 1}) {
    dc.Clear();
    settings.colourMode = mode;
    Render();
    EXPECT_TRUE(StrokesOf(dc).empty()) << "colour mode " << mode;
  }
}

TEST_F(StripFigureTest, MonochromeAxesWithoutBlankPartAreSolidBlack) {
  settings.colourMode = 1;
  settings.axisLineWidth = 2;
  settings.axisDashOn = 3;
  settings.axisDashOff = 0;
  Render();

  const std::vector<Stroke> expected = {{100, 400, 1700, 400, 2, 0}, {100, 200, 100, 2200, 2, 0}};
  EXPECT_EQ(StrokesOf(dc), expected);
}

TEST_F(StripFigureTest, MonochromeAxesAreDashedBlack) {
  settings.colourMode = 1;
  settings.axisLineWidth = 1;
  settings.axisDashOn = 3;
  settings.axisDashOff = 2;
  Render();

  std::vector<Stroke> horizontal, vertical;
  for (const Stroke& s : StrokesOf(dc)) {
    EXPECT_EQ(s.colour, 0u);
    (s.y1 == s.y2 ? horizontal : vertical).push_back(s);
  }
  // Dashes of 3 every 5 pixels: from x = 100 while x < 1700 - 3 gives 320 dashes, from y = 200
  // while y < 2200 - 3 gives 400.
  ASSERT_EQ(horizontal.size(), 320u);
  ASSERT_EQ(vertical.size(), 400u);
  EXPECT_EQ(horizontal[0], (Stroke{100, 400, 103, 400, 1, 0}));
  EXPECT_EQ(horizontal[1], (Stroke{105, 400, 108, 400, 1, 0}));
  EXPECT_EQ(horizontal.back(), (Stroke{1695, 400, 1698, 400, 1, 0}));
  EXPECT_EQ(vertical[0], (Stroke{100, 200, 100, 203, 1, 0}));
  EXPECT_EQ(vertical.back(), (Stroke{100, 2195, 100, 2198, 1, 0}));
}

TEST_F(StripFigureTest, TitleOnLaterPagesOnlyWithItsFlag) {
  world.tables.settingLines[setting_line::kFigureTitle] = "断面図";
  world.tables.settingLines[setting_line::kFigureTitleEveryPage] = "0";
  world.tables.figures.stripNotes = false;  // only the title's text is looked at
  Print(2);
  Render();
  EXPECT_TRUE(dc.Texts().empty());

  dc.Clear();
  world.tables.settingLines[setting_line::kFigureTitleEveryPage] = "1";
  Render();
  EXPECT_EQ(dc.Texts(), std::vector<std::string>{"断面図"});
}

TEST_F(StripFigureTest, ReturnsThePageCountOfItsContent) {
  test::ChangeFigureRange(world.tables, Problem::Strip,
                          [](FigureRange& range) { range.rangeX = 80; });
  test::ChangeFigureRange(world.tables, Problem::Strip,
                          [](FigureRange& range) { range.pageOverlap = 10; });
  SetPiece(2, 1, {"1", "100", "120", "130", "150", "1", "1", "0"});
  EXPECT_EQ(Render(), 3);  // 150 m: trunc(150 / 70 + 0.01) + 1

  test::ChangeFigureRange(world.tables, Problem::Strip, [](FigureRange& range) {
    range.pageOverlap = 80;
  });                      // no forward step: pages step by the whole range
  EXPECT_EQ(Render(), 2);  // trunc(150 / 80 + 0.01) + 1
}

// The drains stand under the loads to their bottom, a spacing apart where that is 1.5 mm or more
// on paper (1/500: 2 m is 4 mm), else as a band hatched every millimetre (0.3 m is 0.6 mm);
// the pattern, the spacing and the bottom are written under them.
TEST_F(StripFigureTest, DrainsStandUnderTheLoadsOrMergeIntoABand) {
  SetPiece(1, 1, {"1", "0", "5", "15", "20", "2", "19", ""});
  struct Case {
    const char* spacing;
    std::size_t verticals;  // strokes from the ground (y 400) to the bottom (8 m, y 560)
  };
  for (const Case& c : {Case{"2.0", 11}, Case{"0.3", 39}}) {
    SCOPED_TRACE(c.spacing);
    settings.unitSystem = 1;  // kN-m: unit weights of 16
    world.tables.soilLines = {"layer=1,clay,10,16,16,mv,,,,,0.001,100,both,",
                              std::string("drains=square,") + c.spacing + ",0.05,,,,8"};
    dc.Clear();
    Render();
    std::size_t verticals = 0;
    for (const Stroke& stroke : StrokesIn(dc, kAxisGrey))
      if (stroke.x1 == stroke.x2 && stroke.y1 == 400 && stroke.y2 == 560) ++verticals;
    EXPECT_EQ(verticals, c.verticals);
    const std::vector<std::string> texts = dc.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(),
                        std::string("バーチカルドレーン 正方形 間隔 ") + c.spacing +
                            "0 m　GL－8.00 m まで"),
              texts.end());
  }
}

}  // namespace
}  // namespace qel
