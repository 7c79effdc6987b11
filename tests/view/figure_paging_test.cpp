// A figure whose print range is wider and taller than the paper holds: printed page by page,
// every load and every calculation point appears whole on some page, and no page reaches beyond
// the paper.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/printer_info.h"
#include "support/cells_edit.h"
#include "support/figure_range_edit.h"
#include "support/render_world.h"
#include "test_support/recording_device_context.h"
#include "view/figure_pages.h"
#include "view/view_controller.h"

namespace qel {
namespace {

struct Box {
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
  void Add(int x, int y) {
    left = std::min(left, x);
    right = std::max(right, x);
    top = std::min(top, y);
    bottom = std::max(bottom, y);
  }
  bool Inside(const Box& outer) const {
    return left >= outer.left && right <= outer.right && top >= outer.top && bottom <= outer.bottom;
  }
};

// What one printed page drew: its clip rectangle, and the box of every load outline and point
// cross, in the order they were drawn (the same order on every page).
struct DrawnPage {
  Box clip;
  std::vector<Box> items;
};

// Reads a page's log: a polyline (rectangle) or an arc (circle) is one item; strokes come in
// fours for a strip piece (black) and in twos for a cross (the point colour).
DrawnPage ReadPage(const RecordingDeviceContext& dc, unsigned pointColour) {
  DrawnPage page;
  unsigned colour = 0;
  int x = 0, y = 0, strokes = 0;
  Box stroked;
  for (const std::string& line : dc.lines()) {
    int a = 0, b = 0, c = 0, d = 0, width = 0;
    char style[16];
    if (std::sscanf(line.c_str(), "clip %d %d %d %d", &a, &b, &c, &d) == 4) {
      page.clip = Box{std::min(a, c), std::min(b, d), std::max(a, c), std::max(b, d)};
    } else if (std::sscanf(line.c_str(), "pen %15s %d %x", style, &width, &colour) == 3) {
    } else if (std::sscanf(line.c_str(), "arc %d %d %d %d", &a, &b, &c, &d) == 4) {
      Box box;
      box.Add(a, b);
      box.Add(c, d);
      page.items.push_back(box);
    } else if (line.rfind("polyline ", 0) == 0) {
      Box box;
      for (std::size_t at = line.find(' '); at != std::string::npos; at = line.find(' ', at + 1)) {
        if (std::sscanf(line.c_str() + at + 1, "%d,%d", &a, &b) == 2) box.Add(a, b);
      }
      page.items.push_back(box);
    } else if (std::sscanf(line.c_str(), "moveto %d %d", &a, &b) == 2) {
      x = a;
      y = b;
    } else if (std::sscanf(line.c_str(), "lineto %d %d", &a, &b) == 2) {
      const bool cross = colour == pointColour;
      const bool piece = colour == 0x000000;
      if (!cross && !piece) continue;  // axes
      stroked.Add(x, y);
      stroked.Add(a, b);
      if (++strokes == (cross ? 2 : 4)) {
        page.items.push_back(stroked);
        stroked = Box();
        strokes = 0;
      }
    } else if (line == "noclip") {
      break;  // the page number follows
    }
  }
  return page;
}

class FigurePagingTest : public ::testing::TestWithParam<DisplayMode> {
 protected:
  FigurePagingTest() : printer(FixedPrinterInfo::A4(kDpi)) {
    test::ApplyStandardSettings(state.settings, state.fonts);
    for (Problem problem : {Problem::Strip, Problem::RectCircle})
      test::SetFigureRange(state, problem, state.settings.figureDefault(problem));
    state.settingsFiles.loaded = {true, true, true};
    state.settings.axisLineWidth = 0;
    state.settings.gridLineWidth = 0;
    controller.ReadDeviceGeometry();  // A4
  }
  static constexpr int kDpi = 96;
  ApplicationState state;
  FixedPrinterInfo printer;
  ViewController controller{state, printer};
};

TEST_P(FigurePagingTest, EveryLoadAndPointAppearsWholeOnSomePage) {
  const bool strip = GetParam() == DisplayMode::StripFigure;
  // At 1/200 A4 holds 38 m across and 51 m down; the range set is 80 m by 100 m, so pages of
  // the old rule ran 42 m and 49 m past the paper's edges.
  FigureRange range;
  range.scaleX = range.scaleY = 200;
  range.rangeX = 80;
  range.rangeY = 100;
  range.pageOverlap = 6;
  range.leftX = 0;
  range.topY = 5.0;
  test::SetFigureRange(state, strip ? Problem::Strip : Problem::RectCircle, range);
  DocumentTables t = state.document.cells();
  const char* xs[] = {"1", "17.5", "33", "36.5", "52", "70", "79", "120"};
  const char* depths[] = {"2", "30", "47.5", "49", "60", "88"};
  for (int i = 0; i < 8; ++i)
    (strip ? t.stripPoints[i + 1][point_col::kX] : t.gridPoints[i + 1][point_col::kGridX]) = xs[i];
  for (int i = 0; i < 6; ++i) {
    if (strip) {
      t.stripPoints[i + 1][point_col::kZ] = depths[i];
    } else {
      t.gridPoints[i + 1][point_col::kGridY] = std::string("-") + depths[i];
      t.gridPoints[i + 1][point_col::kGridZ] = "1";
    }
  }
  if (strip) {
    // Two small embankments, one astride the first page break.
    const std::vector<std::vector<std::string>> pieces = {
        {"1", "28", "30", "34", "36", "2", "1.8", "-10"},
        {"2", "90", "91", "93", "94", "1", "1", "0"}};
    for (std::size_t row = 0; row < pieces.size(); ++row)
      for (int column = 1; column <= kStripColumns; ++column)
        t.stripLoads[1][row + 1][column] = pieces[row][column - 1];
  } else {
    const std::vector<std::vector<std::string>> rects = {{"1", "30", "-20", "35", "-24", "10"},
                                                         {"2", "100", "-70", "104", "-66", "5"}};
    for (std::size_t row = 0; row < rects.size(); ++row)
      for (int column = 1; column <= kRectColumns; ++column)
        t.rectLoads[row + 1][column] = rects[row][column - 1];
    const std::vector<std::vector<std::string>> circles = {{"1", "60", "-50", "2", "10"},
                                                           {"2", "15", "-93", "3", "10"}};
    for (std::size_t row = 0; row < circles.size(); ++row)
      for (int column = 1; column <= kCircleColumns; ++column)
        t.circleLoads[row + 1][column] = circles[row][column - 1];
  }
  state.document.Replace(t);
  state.view.displayMode = GetParam();

  const int pages = controller.CountPrintedPages(kDpi, kDpi);
  // Extent 120 m (the points; the loads end before): 32 m steps give 4 columns; rows of 51 m
  // stepping 45 m cover 100 m in 3.
  ASSERT_EQ(pages, 4 * 3);
  const PrinterPage paper = FixedPrinterInfo::A4(kDpi);
  const Box paperBox{0, 0, paper.pageWidthPixels, paper.pageHeightPixels};
  const unsigned pointColour = ParseColourText(state.settings.pointColour);
  std::vector<DrawnPage> drawn;
  for (int page = 1; page <= pages; ++page) {
    RecordingDeviceContext dc(kDpi, kDpi);
    controller.PrintPage(dc, page);
    drawn.push_back(ReadPage(dc, pointColour));
    EXPECT_TRUE(drawn.back().clip.Inside(paperBox)) << "page " << page << " leaves the paper";
  }
  const std::size_t items = drawn.front().items.size();
  ASSERT_EQ(items, (strip ? 2u : 4u) + 8 * 6);
  for (std::size_t item = 0; item < items; ++item) {
    bool whole = false;
    for (const DrawnPage& page : drawn) {
      ASSERT_EQ(page.items.size(), items);
      whole = whole || page.items[item].Inside(page.clip);
    }
    EXPECT_TRUE(whole) << "item " << item << " is cut on every page";
  }
}

INSTANTIATE_TEST_SUITE_P(BothFigures, FigurePagingTest,
                         ::testing::Values(DisplayMode::StripFigure,
                                           DisplayMode::RectCircleFigure));

// The screen shows the window a printed page holds, and its keys reach every row and column.
TEST_F(FigurePagingTest, TheScreenOutlinesWhatAPageHoldsAndVisitsEveryPage) {
  FigureRange range;
  range.scaleX = range.scaleY = 200;
  range.rangeX = 80;
  range.rangeY = 100;
  range.pageOverlap = 6;
  range.topY = 5.0;
  test::SetFigureRange(state, Problem::Strip, range);
  test::Edit(state)->stripPoints[1][point_col::kX] = "60";
  test::Edit(state)->stripPoints[1][point_col::kZ] = "1";
  controller.ShowDisplay(DisplayMode::StripFigure);
  ASSERT_EQ(controller.CountPages(), 2 * 3);

  RecordingDeviceContext screen(96, 96);
  controller.OnDraw(screen);
  const std::vector<std::string> outline = screen.Lines("polyline");
  ASSERT_FALSE(outline.empty());
  // 38 m by 51 m at 1/200 and 96 dpi: 718 by 963 pixels from the margins (37, 75).
  EXPECT_EQ(outline.front(), "polyline 37,75 755,75 755,1039 37,1039 37,75");

  // Pages in print order: down the three rows, then the next column.
  struct Step {
    ViewKey key;
    int page, row;
    double left;
  };
  const Step steps[] = {{ViewKey::NextPage, 2, 1, 0},  {ViewKey::NextPage, 3, 2, 0},
                        {ViewKey::NextPage, 4, 0, 32}, {ViewKey::Down, 5, 1, 32},
                        {ViewKey::Left, 2, 1, 0},      {ViewKey::Right, 5, 1, 32},
                        {ViewKey::End, 6, 2, 32},      {ViewKey::PreviousPage, 5, 1, 32},
                        {ViewKey::Up, 4, 0, 32},       {ViewKey::PreviousPage, 3, 2, 0},
                        {ViewKey::Home, 1, 0, 0}};
  for (const Step& step : steps) {
    EXPECT_TRUE(controller.OnKeyDown(step.key));
    EXPECT_EQ(state.view.currentPage, step.page);
    EXPECT_EQ(state.view.screenRow, step.row);
    EXPECT_EQ(state.view.screenLeftX, step.left);
  }
  EXPECT_FALSE(controller.OnKeyDown(ViewKey::Up));  // the top row
  EXPECT_FALSE(controller.OnKeyDown(ViewKey::PreviousPage));
}

}  // namespace
}  // namespace qel
