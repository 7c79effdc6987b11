// The page in the view window: its place, scrolling that keeps the centre, the paging keys of a
// page taller than the window, and painting at a zoom.
#include "view/page_view.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/printer_info.h"
#include "support/cells_edit.h"
#include "support/render_world.h"
#include "test_support/recording_device_context.h"

namespace qel {
namespace {

TEST(PageViewTest, APageSmallerThanTheWindowIsCentredAndScrollingStopsAtItsEdges) {
  struct Case {
    int pageWidth, pageHeight, windowWidth, windowHeight;
    int maxX, maxY, left, top;  // scroll ranges, and the page's corner at scroll (0, 0)
  };
  const Case cases[] = {
      {794, 1123, 1200, 800, 0, 339, 203, 8},   // wider window: centred across
      {794, 1123, 600, 2000, 210, 0, 8, 438},   // higher window: centred down
      {794, 1123, 810, 1139, 0, 0, 8, 8},       // exactly page and margins
      {1588, 2246, 800, 600, 804, 1662, 8, 8},  // 200 %: scrolls both ways
  };
  for (const Case& c : cases) {
    const PageView view{c.pageWidth, c.pageHeight, 8, c.windowWidth, c.windowHeight};
    EXPECT_EQ(view.MaxScrollX(), c.maxX);
    EXPECT_EQ(view.MaxScrollY(), c.maxY);
    EXPECT_EQ(view.PageLeft(0), c.left);
    EXPECT_EQ(view.PageTop(0), c.top);
    // At the end of the scroll range the page's far edge and its margin end the window.
    if (c.maxY > 0) {
      EXPECT_EQ(view.PageTop(c.maxY) + c.pageHeight + 8, c.windowHeight);
    }
  }
  const PageView a4 = PageViewOf(210, 297, 96, 96, 8, 800, 600);
  EXPECT_EQ(a4.pageWidth, 794);
  EXPECT_EQ(a4.pageHeight, 1123);
}

// Zooming keeps the point of the page under the window's centre where it was.
TEST(PageViewTest, ZoomKeepsThePageCentred) {
  const PageView at100 = PageViewOf(210, 297, 96, 96, 8, 800, 600);
  const PageView at200 = PageViewOf(210, 297, 192, 192, 8, 800, 600);
  const PageView at50 = PageViewOf(210, 297, 48, 48, 8, 800, 600);
  struct Case {
    const PageView& before;
    ScrollPosition scroll;
    const PageView& after;
  };
  const Case cases[] = {{at100, {0, 0}, at200},
                        {at100, {0, 200}, at200},
                        {at200, {400, 900}, at100},
                        {at100, {0, 523}, at50},
                        {at50, {0, 0}, at200}};
  for (const Case& c : cases) {
    const ScrollPosition after = ScrollKeepingCentre(c.before, c.scroll, c.after);
    EXPECT_GE(after.x, 0);
    EXPECT_LE(after.x, c.after.MaxScrollX());
    EXPECT_GE(after.y, 0);
    EXPECT_LE(after.y, c.after.MaxScrollY());
    // The fraction of the page at the centre, before and after, unless the range ran out.
    auto fraction = [](const PageView& v, int scrollX, int scrollY, bool across) {
      const double centre = across ? v.windowWidth / 2.0 - v.PageLeft(scrollX)
                                   : v.windowHeight / 2.0 - v.PageTop(scrollY);
      return centre / (across ? v.pageWidth : v.pageHeight);
    };
    for (bool across : {true, false}) {
      const int value = across ? after.x : after.y;
      const int max = across ? c.after.MaxScrollX() : c.after.MaxScrollY();
      if (value == 0 || value == max) continue;
      EXPECT_NEAR(fraction(c.before, c.scroll.x, c.scroll.y, across),
                  fraction(c.after, after.x, after.y, across), 1.0 / c.after.pageHeight);
    }
  }
  // A page centred in the window at 50 % stays centred at 200 %, within the pixel that halving
  // the room left over takes off.
  const ScrollPosition middle = ScrollKeepingCentre(at50, {0, 0}, at200);
  EXPECT_NEAR(middle.x, (at200.pageWidth + 16 - 800) / 2, 2);
}

class PagingKeysTest : public ::testing::Test {
 protected:
  PagingKeysTest() : printer(FixedPrinterInfo::A4(600)) {
    test::ApplyStandardSettings(state.settings, state.fonts);
    state.settingsFiles.loaded = {true, true, true};
    controller.ReadDeviceGeometry();
    // 150 rows of the strip data fill three pages at 96 dpi.
    test::CellsEdit edited(state.document);
    for (int set = 1; set <= kStripSets; ++set) {
      for (int row = 1; row <= kStripRows; ++row) {
        std::string* cells = edited->stripLoads[set][row];
        cells[strip_col::kNo] = std::to_string(row);
        for (int column = 2; column <= kStripColumns; ++column)
          cells[column] = "1";
      }
    }
    state.fonts[kStripFont].size = 30;
    controller.ShowDisplay(DisplayMode::StripData);
  }
  // Presses `key` on a page whose scroll range is `maximum` and step 300.
  PagingKeyResult Press(ViewKey key, int scroll, int maximum = 700) {
    return PressPagingKey(controller, key, {scroll, maximum, 300});
  }
  ApplicationState state;
  ScrollPosition position;
  FixedPrinterInfo printer;
  ViewController controller{state, printer};
};

TEST_F(PagingKeysTest, PageDownOnATallPageScrollsFirstThenTurns) {
  const int last = controller.CountPages();
  ASSERT_GE(last, 3);
  struct Step {
    ViewKey key;
    int scroll;       // before the key
    int page, shown;  // after it
  };
  const Step steps[] = {
      {ViewKey::PageDown, 0, 1, 300},   {ViewKey::PageDown, 300, 1, 600},
      {ViewKey::PageDown, 600, 1, 700},  // the bottom of the page, not beyond it
      {ViewKey::PageDown, 700, 2, 0},    // only now the next page, from its top
      {ViewKey::PageUp, 0, 1, 700},      // back to the previous page's bottom
      {ViewKey::PageUp, 700, 1, 400},   {ViewKey::PageUp, 100, 1, 0},
      {ViewKey::PageUp, 0, 1, 0},  // the first page's top: nothing further
      {ViewKey::End, 350, last, 0},     {ViewKey::PageDown, 700, last, 700},  // the last page
      {ViewKey::Home, 500, 1, 0},       {ViewKey::Down, 500, 2, 0},           // arrows turn at once
      {ViewKey::Up, 500, 1, 0},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(testing::Message()
                 << "key " << static_cast<int>(step.key) << " at " << step.scroll);
    const PagingKeyResult result = Press(step.key, step.scroll);
    EXPECT_EQ(state.view.currentPage, step.page);
    EXPECT_EQ(result.scroll, step.shown);
  }
  // A page that fits the window turns at once.
  Press(ViewKey::PageDown, 0, 0);
  EXPECT_EQ(state.view.currentPage, 2);
}

TEST_F(PagingKeysTest, HomeAndEndReachTheFirstAndLastPageOfEveryDisplay) {
  test::Edit(state)->stripPoints[1][point_col::kX] = "200";  // the strip figure spans 3 pages
  test::Edit(state)->stripPoints[1][point_col::kZ] = "1";
  for (DisplayMode display : {DisplayMode::StripFigure, DisplayMode::StripData,
                              DisplayMode::StripResults, DisplayMode::RectCircleFigure,
                              DisplayMode::RectCircleData, DisplayMode::RectCircleResults}) {
    controller.ShowDisplay(display);
    const int pages = controller.CountPages();
    EXPECT_EQ(Press(ViewKey::End, 200).scroll, 0);
    EXPECT_EQ(state.view.currentPage, pages) << static_cast<int>(display);
    EXPECT_EQ(Press(ViewKey::Home, 200).scroll, 0);
    EXPECT_EQ(state.view.currentPage, 1);
  }
}

// The screen paints zoomed at a resolution of its own: fonts are made at the zoomed height (text
// drawn sharp at that size, no picture of it scaled), and the table keeps its page breaks.
TEST_F(PagingKeysTest, ZoomDrawsTextAtTheZoomedSizeAndKeepsThePageBreaks) {
  state.fonts[kStripFont].size = 10;
  const int pages = controller.CountPages();
  struct Drawn {
    std::vector<int> fontHeights;
    std::vector<std::string> texts;
    int lastTextY = 0;
  };
  auto paint = [&](double factor) {
    ZoomOf(state.view, DisplayMode::StripData) = {ZoomMode::Fixed, factor};
    state.view.currentPage = 2;
    RecordingDeviceContext screen(96, 96);
    controller.OnDraw(screen);
    Drawn drawn;
    for (const std::string& line : screen.lines()) {
      int height = 0, x = 0, y = 0;
      if (std::sscanf(line.c_str(), "font %d", &height) == 1) drawn.fontHeights.push_back(height);
      if (std::sscanf(line.c_str(), "text %d %d", &x, &y) == 2) drawn.lastTextY = y;
    }
    drawn.texts = screen.Texts();
    EXPECT_EQ(controller.CountPages(), pages) << factor;
    return drawn;
  };
  const Drawn at100 = paint(1.0);
  struct Case {
    double factor;
    int bodyFont;  // 10 pt at the zoomed resolution: trunc(dpi * 10 / 72)
  };
  const Case cases[] = {{1.0, 13}, {1.1, 14}, {1.5, 20}, {2.0, 26}, {4.0, 53}, {0.5, 6}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.factor);
    const Drawn zoomed = paint(c.factor);
    ASSERT_EQ(zoomed.fontHeights.size(), at100.fontHeights.size());
    EXPECT_EQ(zoomed.fontHeights[1], c.bodyFont);  // title, body, page number
    EXPECT_EQ(zoomed.texts, at100.texts);          // the same lines on page 2
    EXPECT_NEAR(zoomed.lastTextY, at100.lastTextY * ZoomedDpi(96, c.factor) / 96.0, 2);
  }
  // Printing is never zoomed.
  ZoomOf(state.view, DisplayMode::StripData) = {ZoomMode::Fixed, 3.0};
  RecordingDeviceContext paper(300, 300);
  controller.PrintPage(paper, 1);
  EXPECT_EQ(paper.Lines("font")[1], "font 41 0 0 ＭＳ 明朝");  // trunc(300 * 10 / 72)
}

}  // namespace
}  // namespace qel
