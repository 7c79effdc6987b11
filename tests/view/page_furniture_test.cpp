// Titles, page number texts and the figure grid.
#include "view/page_furniture.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "support/render_world.h"
#include "test_support/recording_device_context.h"
#include "view/figure_strokes.h"

namespace qel {
namespace {

using test::Stroke;
using test::StrokesOf;

// A page number text as the page settings give it: numbered when the start page reads as one.
PageNumberText Numbered(const std::string& prefix, const std::string& start,
                        const std::string& suffix) {
  DocumentTables cells;
  cells.settingLines[setting_line::Page(Problem::Strip, setting_line::kFigurePagePrefix)] = prefix;
  cells.settingLines[setting_line::Page(Problem::Strip, setting_line::kFigureStartPage)] = start;
  cells.settingLines[setting_line::Page(Problem::Strip, setting_line::kFigurePageSuffix)] = suffix;
  return ReadPageTexts(cells, Problem::Strip).figure;
}

// 254 dpi: exactly 10 pixels per millimetre.
class PageFurnitureTest : public ::testing::Test {
 protected:
  PageFurnitureTest() { world.UseDevice(254, 254); }

  std::string& Line(int number) { return world.tables.settingLines[number]; }

  test::RenderWorld world;
  RecordingDeviceContext dc{254, 254};
};

TEST_F(PageFurnitureTest, PageNumberCountsFromTheStartPage) {
  world.view.currentPage = 3;
  DrawPageNumber(dc, world.Ctx(), Numbered("(", "2", ")"), 15, 30, false);
  EXPECT_EQ(dc.Texts(), std::vector<std::string>{"(4)"});
  EXPECT_EQ(dc.Lines("text"), std::vector<std::string>{"text 300 150 (4)"});
}

TEST_F(PageFurnitureTest, PageNumberWithoutNumericStartJoinsTheTexts) {
  for (int page : {1, 2}) {
    world.view.currentPage = page;
    DrawPageNumber(dc, world.Ctx(), Numbered("-", "", "-"), 0, 0, false);
  }
  EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"--", "--"}));

  dc.Clear();
  DrawPageNumber(dc, world.Ctx(), Numbered("p.", "A", "/"), 0, 0, false);  // printed as it is
  EXPECT_EQ(dc.Texts(), std::vector<std::string>{"p.A/"});
}

TEST_F(PageFurnitureTest, PageNumberUsesThePageFontAndCentresOnThePaper) {
  world.fonts[kPageFont].size = 12;
  world.fonts[kPageFont].colour = 0x0000ff;
  world.fonts[kPageFont].faceName = "ＭＳ ゴシック";
  DrawPageNumber(dc, world.Ctx(), Numbered("", "1", ""), 280, 99, true);

  // trunc(254 * 12 / 72) = 42; centred on 210 mm paper at 105 mm; 280 mm down.
  const std::vector<std::string> expected = {"font 42 0 0 ＭＳ ゴシック", "textcolour 0x0000ff",
                                             "align centre", "text 1050 2800 1", "align left"};
  EXPECT_EQ(dc.lines(), expected);
}

TEST_F(PageFurnitureTest, DisplayPageNumberTakesTheLinesOfItsProblemAndKind) {
  using namespace setting_line;
  Line(Page(Problem::RectCircle, kDataPagePrefix)) = "D";
  Line(Page(Problem::RectCircle, kDataStartPage)) = "10";
  Line(Page(Problem::RectCircle, kDataPageSuffix)) = "頁";
  Line(Page(Problem::RectCircle, kPageTextTop)) = "5";
  Line(Page(Problem::RectCircle, kPageTextLeft)) = "7.5";
  Line(Page(Problem::Strip, kDataPagePrefix)) = "strip";
  world.view.currentPage = 2;
  DrawDisplayPageNumber(dc, world.Ctx(), Problem::RectCircle, DisplayKind::Data);
  // Lines 94 + (84 - 81) .. : "D", "10", "頁"; 7.5 mm and 5 mm.
  EXPECT_EQ(dc.Lines("text"), std::vector<std::string>{"text 75 50 D11頁"});
}

// The note at the foot of the rectangle/circle results: only when circles were computed with
// the compatible method, in the page font, at the left margin one line above a page text in the
// lower half of the paper, else 12 mm above the lower edge.
TEST_F(PageFurnitureTest, CircleMethodNoteOnlyForCompatibleCircles) {
  using namespace setting_line;
  world.settings.marginLeft = 20;
  world.geometry.paperHeightMm = 297;
  DrawCircleMethodNote(dc, world.Ctx());  // no circles
  world.Ctx().circleMethod = CircleMethod::kCompatible;
  DrawCircleMethodNote(dc, world.Ctx());
  EXPECT_TRUE(dc.Texts().empty());

  world.tables.circleLoads[1][circle_col::kNo] = "1";
  world.Ctx().circleMethod = CircleMethod::kExact;
  DrawCircleMethodNote(dc, world.Ctx());
  EXPECT_TRUE(dc.Texts().empty());
  world.Ctx().circleMethod = CircleMethod::kCompatible;
  DrawCircleMethodNote(dc, world.Ctx());
  EXPECT_EQ(dc.Lines("text"),
            std::vector<std::string>{"text 200 2850 円形荷重は旧版互換の計算方法による値です"});
  dc.Clear();
  Line(Page(Problem::RectCircle, kPageTextTop)) = "280";
  DrawCircleMethodNote(dc, world.Ctx());
  EXPECT_EQ(dc.Lines("text"),
            std::vector<std::string>{"text 200 2740 円形荷重は旧版互換の計算方法による値です"});
}

TEST_F(PageFurnitureTest, TitleOnLaterPagesOnlyWithItsFlag) {
  using namespace setting_line;
  Line(kResultTitle) = "計算結果";
  for (const char* flag : {"0", "1"}) {
    Line(kResultTitleEveryPage) = flag;
    std::vector<std::string> shown;
    for (int page : {1, 2}) {
      dc.Clear();
      world.view.currentPage = page;
      DrawDisplayTitle(dc, world.Ctx(), Problem::Strip, DisplayKind::Results);
      EXPECT_EQ(dc.Lines("font").size(), 1u);  // the font is made on every page
      if (!dc.Texts().empty()) shown.push_back(dc.Texts()[0] + std::to_string(page));
    }
    if (std::string(flag) == "0") {
      EXPECT_EQ(shown, std::vector<std::string>{"計算結果1"});
    } else {
      EXPECT_EQ(shown, (std::vector<std::string>{"計算結果1", "計算結果2"}));
    }
  }
}

TEST_F(PageFurnitureTest, CentredTitleIgnoresTheLeftPosition) {
  using namespace setting_line;
  world.UseDevice(600, 600);
  RecordingDeviceContext printer(600, 600);
  const int line = Style(Problem::RectCircle, kFigureTitle);
  Line(line) = "平面図";
  Line(Style(Problem::RectCircle, kFigureTitleTop)) = "12";
  Line(Style(Problem::RectCircle, kTitleLeft)) = "40";
  Line(Style(Problem::RectCircle, kTitleCentered)) = "1";
  DrawDisplayTitle(printer, world.Ctx(), Problem::RectCircle, DisplayKind::Figure);

  // 105 mm * 600 / 25.4 = 2480.3 and 12 mm = 283.5 px; title font trunc(600 * 10 / 72) = 83.
  const std::vector<std::string> expected = {"font 83 0 0 ＭＳ 明朝", "textcolour 0x000000",
                                             "align centre", "text 2480 283 平面図", "align left"};
  EXPECT_EQ(printer.lines(), expected);

  printer.Clear();
  Line(Style(Problem::RectCircle, kTitleCentered)) = "0";
  DrawDisplayTitle(printer, world.Ctx(), Problem::RectCircle, DisplayKind::Figure);
  EXPECT_EQ(printer.Lines("text"), std::vector<std::string>{"text 944 283 平面図"});  // 40 mm
}

TEST_F(PageFurnitureTest, PositionThatIsNotANumberIsTheCorner) {
  using namespace setting_line;
  Line(kFigureTitle) = "t";
  Line(kFigureTitleTop) = "top";
  Line(kTitleLeft) = "";
  Line(kTitleCentered) = "0";
  DrawDisplayTitle(dc, world.Ctx(), Problem::Strip, DisplayKind::Figure);
  EXPECT_EQ(dc.Lines("text"), std::vector<std::string>{"text 0 0 t"});
}

// A text of megabytes draws only the characters that can reach the paper (at most four per
// device pixel up to the far edge, 64 to spare); the setting keeps the whole text.
TEST_F(PageFurnitureTest, AHugeTextDrawsOnlyWhatCanReachThePaper) {
  using namespace setting_line;
  // A million characters, the middle one marked.
  auto repeated = [](const char* character, long long times) {
    std::string text;
    for (long long i = 0; i < times; ++i)
      text += character;
    return text;
  };
  const std::string huge = repeated("a", 500000) + "中" + repeated("b", 499999);
  const long long paper = 2100;  // 210 mm at 10 pixels per millimetre
  struct Case {
    const char* what;
    const char* left;
    int centred;
    long long most;  // characters drawn at most
    bool fromStart;  // the drawn part is where the text begins (else its middle)
  };
  const Case cases[] = {
      {"from the left edge", "0", 0, 4 * paper + 64, true},
      {"from the middle", "105", 0, 4 * (paper - 1050) + 64, true},
      {"starting left of the paper", "-100", 0, 4 * (paper + 1000) + 64, true},
      {"past the right edge", "300", 0, 64, true},
      {"centred", "0", 1, 2 * (4 * (paper / 2 + 1) + 64) + 1, false},
  };
  for (const Case& c : cases) {
    Line(kFigureTitle) = huge;
    Line(kTitleLeft) = c.left;
    Line(kTitleCentered) = std::to_string(c.centred);
    dc.Clear();
    DrawDisplayTitle(dc, world.Ctx(), Problem::Strip, DisplayKind::Figure);
    ASSERT_EQ(dc.Texts().size(), 1u) << c.what;
    const std::string drawn = dc.Texts()[0];
    long long characters = 0;
    for (char ch : drawn)
      characters += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    EXPECT_LE(characters, c.most) << c.what;
    EXPECT_GE(characters, c.most - 2) << c.what;  // and not less
    if (c.fromStart) {
      EXPECT_EQ(huge.compare(0, drawn.size(), drawn), 0) << c.what;
    } else {
      const long long side = (c.most - 1) / 2;  // the middle character and as many each side
      EXPECT_EQ(drawn, repeated("a", side) + "中" + repeated("b", side)) << c.what;
    }
    EXPECT_EQ(Line(kFigureTitle).size(), huge.size()) << c.what;
  }
  // A page text is placed the same way.
  dc.Clear();
  DrawPageNumber(dc, world.Ctx(), Numbered(huge, "1", ""), 0, 0, false);
  EXPECT_LE(dc.Texts()[0].size(), static_cast<std::size_t>(3 * (4 * paper + 64)));
}

// The grid tests draw with the strip figure's transform at 1/500: device x = x * 20 + 100,
// device y = (10 - y) * 20 + 200; grid marks of 10 pixels are half a metre.
class FigureGridTest : public PageFurnitureTest {
 protected:
  FigureGridTest() {
    world.settings.gridLineWidth = 1;
    world.settings.gridMarkSize = 10;
    world.transform.originX = 0;
    world.transform.originY = 10;
    world.transform.pixelsPerMetreX = world.transform.pixelsPerMetreY = 20;
  }

  void SetGrid(Problem problem, const char* style, const char* fromX, const char* toX,
               const char* stepX, const char* fromY, const char* toY, const char* stepY) {
    using namespace setting_line;
    Line(Style(problem, kGridStyle)) = style;
    Line(Style(problem, kGridFromX)) = fromX;
    Line(Style(problem, kGridToX)) = toX;
    Line(Style(problem, kGridStepX)) = stepX;
    Line(Style(problem, kGridFromY)) = fromY;
    Line(Style(problem, kGridToY)) = toY;
    Line(Style(problem, kGridStepY)) = stepY;
  }

  std::vector<Stroke> Draw(Problem problem = Problem::Strip, Colour colour = 0xc0c0c0) {
    dc.Clear();
    DrawFigureGrid(dc, world.Ctx(), problem, colour, DeviceRect{});  // the whole device range
    return StrokesOf(dc);
  }
};

TEST_F(FigureGridTest, LinesLeaveOutTheTwoOnTheAxes) {
  SetGrid(Problem::Strip, "1", "-10", "10", "10", "-20", "0", "10");
  const std::vector<Stroke> expected = {
      {-100, 800, 300, 800, 1, 0xc0c0c0},   // y = -20 across x -10..10
      {-100, 600, 300, 600, 1, 0xc0c0c0},   // y = -10; y = 0 is the ground line
      {-100, 800, -100, 400, 1, 0xc0c0c0},  // x = -10 up y -20..0; x = 0 is the axis
      {300, 800, 300, 400, 1, 0xc0c0c0},    // x = 10
  };
  EXPECT_EQ(Draw(), expected);
}

TEST_F(FigureGridTest, CrossesAreDrawnOnTheAxesToo) {
  SetGrid(Problem::Strip, "0", "-10", "10", "10", "-20", "0", "10");
  std::vector<Stroke> strokes = Draw();
  ASSERT_EQ(strokes.size(), 18u);  // 3 x 3 crosses
  // The last row is y = 0 and its middle cross sits on both axes at (0, 0).
  EXPECT_EQ(strokes[14], (Stroke{90, 400, 110, 400, 1, 0xc0c0c0}));
  EXPECT_EQ(strokes[15], (Stroke{100, 410, 100, 390, 1, 0xc0c0c0}));
  // The first cross is at (-10, -20).
  EXPECT_EQ(strokes[0], (Stroke{-110, 800, -90, 800, 1, 0xc0c0c0}));
}

TEST_F(FigureGridTest, ReversedBoundsAndStepSignDoNotMatter) {
  SetGrid(Problem::RectCircle, "0", "10", "0", "-5", "3", "3", "0");
  std::vector<Stroke> reversed = Draw(Problem::RectCircle);
  SetGrid(Problem::RectCircle, "0", "0", "10", "5", "3", "3", "1");
  std::vector<Stroke> ordered = Draw(Problem::RectCircle);
  EXPECT_EQ(reversed, ordered);
  // One row at y = 3 (device 340) with crosses at x = 0, 5, 10.
  ASSERT_EQ(ordered.size(), 6u);
  EXPECT_EQ(ordered[0], (Stroke{90, 340, 110, 340, 1, 0xc0c0c0}));
  EXPECT_EQ(ordered[4], (Stroke{290, 340, 310, 340, 1, 0xc0c0c0}));

  FigureGrid grid = ReadFigureGrid(world.Ctx(), Problem::RectCircle);
  EXPECT_TRUE(grid.drawn);
  EXPECT_EQ(grid.stepY, 1);  // from 3 to 3: a single row
}

TEST_F(FigureGridTest, StepZeroSpansTheWholeRange) {
  SetGrid(Problem::Strip, "1", "2", "8", "0", "-4", "-4", "0");
  FigureGrid grid = ReadFigureGrid(world.Ctx(), Problem::Strip);
  EXPECT_EQ(grid.stepX, 6);
  // Vertical lines at x = 2 and x = 8 only, each a single point high; the row at y = -4.
  EXPECT_EQ(Draw().size(), 3u);
}

TEST_F(FigureGridTest, HugeBoundsAndStepsStayWithinInt) {
  SetGrid(Problem::Strip, "0", "-2000000000", "2000000000", "0", "0", "1", "-99999999999");
  FigureGrid grid = ReadFigureGrid(world.Ctx(), Problem::Strip);
  EXPECT_EQ(grid.stepX, INT_MAX);  // the difference 4e9 does not fit
  EXPECT_EQ(grid.stepY, INT_MAX);  // |INT_MIN| does not fit
  // Crosses at x = -2e9 (clamped to the device's edge) and -2e9 + INT_MAX, in the one row y = 0.
  std::vector<Stroke> strokes = Draw();
  ASSERT_EQ(strokes.size(), 4u);
  EXPECT_EQ(strokes[0].x1, -32767);
  EXPECT_EQ(strokes[2].x1, 32767);
}

TEST_F(FigureGridTest, NotDrawnWithoutWidthSizeOrBounds) {
  SetGrid(Problem::Strip, "0", "0", "10", "5", "0", "10", "5");
  ASSERT_FALSE(Draw().empty());

  world.settings.gridLineWidth = 0;
  EXPECT_TRUE(Draw().empty());
  world.settings.gridLineWidth = 1;
  world.settings.gridMarkSize = 0;
  EXPECT_TRUE(Draw().empty());
  world.settings.gridMarkSize = 10;
  Line(setting_line::kGridToY) = "  ";
  EXPECT_TRUE(Draw().empty());
  EXPECT_FALSE(ReadFigureGrid(world.Ctx(), Problem::Strip).drawn);
}

TEST_F(FigureGridTest, BoundThatIsNotANumberCountsAsZero) {
  SetGrid(Problem::Strip, "0", "abc", "5", "5", "1", "1", "1");
  std::vector<Stroke> strokes = Draw(Problem::Strip, 0x0000ff);
  ASSERT_EQ(strokes.size(), 4u);  // crosses at x = 0 and 5
  EXPECT_EQ(strokes[0], (Stroke{90, 380, 110, 380, 1, 0x0000ff}));
}

}  // namespace
}  // namespace qel
