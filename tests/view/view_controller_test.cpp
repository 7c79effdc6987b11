// The view without a window: page geometry, page counts, paging keys and display selection.
#include "view/view_controller.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

#include "document/data_file.h"
#include "platform/messages.h"
#include "platform/printer_info.h"
#include "support/cells_edit.h"
#include "support/figure_range_edit.h"
#include "support/render_world.h"
#include "support/worst_document.h"
#include "test_support/recording_device_context.h"
#include "view/figure_pages.h"
#include "view/figure_strokes.h"

namespace qel {
namespace {

class ViewControllerTest : public ::testing::Test {
 protected:
  ViewControllerTest() : printer(FixedPrinterInfo::A4(600)) {
    test::ApplyStandardSettings(state.settings, state.fonts);
    state.settingsFiles.loaded = {true, true, true};  // the first load is behind us
    // The document starts from the default ranges, as a new one does.
    for (Problem problem : {Problem::Strip, Problem::RectCircle})
      test::SetFigureRange(state, problem, state.settings.figureDefault(problem));
  }
  // A strip figure whose content reaches `extent` metres, 80 m pages overlapping by 10 m.
  void StripFigureReaching(double extent) {
    test::ChangeFigureRange(state, Problem::Strip, [](FigureRange& range) {
      range.leftX = 0;
      range.rangeX = 80;
      range.pageOverlap = 10;
    });
    state.settings.gridLineWidth = 0;  // no grid: only the loads count
    test::Edit(state)->stripLoads[1][1][strip_col::kNo] = "1";
    test::Edit(state)->stripLoads[1][1][strip_col::kX1] = "0";
    test::Edit(state)->stripLoads[1][1][strip_col::kX4] = std::to_string(extent);
    controller.ShowDisplay(DisplayMode::StripFigure);
  }
  ApplicationState state;
  FixedPrinterInfo printer;
  ViewController controller{state, printer};
};

TEST_F(ViewControllerTest, PaperSizeFromTheDefaultPrinter) {
  EXPECT_TRUE(controller.ReadDeviceGeometry());
  EXPECT_EQ(state.geometry.paperWidthMm, 210);
  EXPECT_EQ(state.geometry.paperHeightMm, 297);
}

TEST_F(ViewControllerTest, ZeroResolutionIsReportedAndGives280mmPaper) {
  printer.set(PrinterPage{4960, 7016, 0, 600});
  EXPECT_FALSE(controller.ReadDeviceGeometry());
  EXPECT_EQ(state.geometry.paperWidthMm, 280);
  EXPECT_EQ(state.geometry.paperHeightMm, 280);
}

TEST_F(ViewControllerTest, NoPrinterKeepsTheGeometry) {
  printer.set(std::nullopt);
  state.geometry.paperWidthMm = 123;
  EXPECT_TRUE(controller.ReadDeviceGeometry());
  EXPECT_EQ(state.geometry.paperWidthMm, 123);
}

// The paper changes no range of the document: one that is not positive reads as the standard
// range (ReadFigureRange), whatever the paper holds, and the window stays where it is.
TEST_F(ViewControllerTest, RangesThatAreNotPositiveReadAsTheStandardOnesWhateverThePaper) {
  {
    test::CellsEdit cells = test::Edit(state);
    cells->settingLines[setting_line::kStripRangeY] = "0";
    cells->settingLines[setting_line::kStripTopY] = "33";
    cells->settingLines[setting_line::kRectRangeX] = "-1";
    cells->settingLines[setting_line::kRectLeftX] = "7";
    cells->settingLines[setting_line::kRectPageOverlap] = "3";
  }
  const DocumentTables before = state.document.cells();
  state.view.screenLeftX = 9;
  controller.ReadDeviceGeometry();
  EXPECT_TRUE(state.document.cells() == before);
  const FigureRange strip = test::RangeOf(state, Problem::Strip);
  const FigureRange rect = test::RangeOf(state, Problem::RectCircle);
  EXPECT_EQ(strip.rangeY, 100);
  EXPECT_EQ(strip.topY, 33.0);
  EXPECT_EQ(rect.rangeX, 80);
  EXPECT_EQ(rect.leftX, 7);
  EXPECT_EQ(rect.pageOverlap, 3);
  EXPECT_EQ(state.view.screenLeftX, 9);
  EXPECT_EQ(strip.rangeX, 80);  // positive ranges stay
}

TEST_F(ViewControllerTest, FigurePagesAndTheArrowKeys) {
  StripFigureReaching(160);
  EXPECT_EQ(controller.CountPages(), 3);
  EXPECT_TRUE(controller.OnKeyDown(ViewKey::Right));
  EXPECT_EQ(state.view.screenLeftX, 70);
  EXPECT_EQ(state.view.currentPage, 2);
  EXPECT_TRUE(controller.OnKeyDown(ViewKey::Right));
  EXPECT_EQ(state.view.screenLeftX, 140);
  EXPECT_EQ(state.view.currentPage, 3);
  EXPECT_FALSE(controller.OnKeyDown(ViewKey::Right));  // 160 is not beyond 140 + 80
  EXPECT_EQ(state.view.screenLeftX, 140);
  EXPECT_TRUE(controller.OnKeyDown(ViewKey::Left));
  EXPECT_TRUE(controller.OnKeyDown(ViewKey::Left));
  EXPECT_EQ(state.view.screenLeftX, 0);
  EXPECT_EQ(state.view.currentPage, 1);
  controller.OnKeyDown(ViewKey::Left);  // the first page stays
  EXPECT_EQ(state.view.screenLeftX, 0);
  EXPECT_EQ(state.view.currentPage, 1);
  EXPECT_FALSE(controller.OnKeyDown(ViewKey::PageDown));  // not a figure key
}

// Printing gives a third page for content ending at 150 (its 140..150 part): the keys reach it.
TEST_F(ViewControllerTest, ContentEndingAt150ReachesTheThirdPrintedPage) {
  StripFigureReaching(150);
  EXPECT_EQ(controller.CountPages(), 3);
  EXPECT_TRUE(controller.OnKeyDown(ViewKey::Right));
  EXPECT_TRUE(controller.OnKeyDown(ViewKey::Right));
  EXPECT_EQ(state.view.screenLeftX, 140);
  EXPECT_EQ(state.view.currentPage, 3);
  EXPECT_FALSE(controller.OnKeyDown(ViewKey::Right));
}

// For every display of the examples and of the largest document, walking from Home with the
// next-page key visits the printed pages one by one, each at its printed place, and End goes to
// the last of them.
TEST_F(ViewControllerTest, WalkingWithTheKeysVisitsExactlyThePrintedPages) {
  const std::string examples = std::string(QEL_SOURCE_DIR) + "/examples/";
  struct Document {
    const char* name;
    std::function<void(ApplicationState&)> fill;
  };
  const Document documents[] = {
      {"embankment",
       [&](ApplicationState& s) { OpenDataFile(examples + "embankment.qdw", s.document); }},
      {"building",
       [&](ApplicationState& s) { OpenDataFile(examples + "building.qdw", s.document); }},
      {"largest", [](ApplicationState& s) { FillWorstDocument(s, false); }},
  };
  for (const Document& document : documents) {
    document.fill(state);
    for (DisplayMode display : {DisplayMode::StripFigure, DisplayMode::StripData,
                                DisplayMode::StripResults, DisplayMode::RectCircleFigure,
                                DisplayMode::RectCircleData, DisplayMode::RectCircleResults}) {
      SCOPED_TRACE(std::string(document.name) + " display " +
                   std::to_string(static_cast<int>(display)));
      controller.ShowDisplay(display);
      controller.OnKeyDown(ViewKey::Home);
      const int total = controller.CountPages();
      const bool figure = KindOf(state.view.displayMode) == DisplayKind::Figure;
      const FigurePaging paging = FigurePagingOf(state.document, state.settings, state.geometry,
                                                 ProblemOf(state.view.displayMode));
      std::vector<int> visited;
      for (int step = 0; step <= total; ++step) {
        visited.push_back(state.view.currentPage);
        if (figure) {
          const FigureWindow printed = PrintedFigureWindow(paging, state.view.currentPage);
          const FigureWindow shown =
              FigureWindowAt(paging, state.view.screenLeftX, state.view.screenRow);
          EXPECT_DOUBLE_EQ(shown.left, printed.left) << state.view.currentPage;
          EXPECT_DOUBLE_EQ(shown.top, printed.top) << state.view.currentPage;
        }
        const int before = state.view.currentPage;
        controller.OnKeyDown(ViewKey::NextPage);
        if (state.view.currentPage == before) break;
      }
      std::vector<int> printed(static_cast<std::size_t>(total));
      std::iota(printed.begin(), printed.end(), 1);
      EXPECT_EQ(visited, printed);
      controller.OnKeyDown(ViewKey::Home);
      controller.OnKeyDown(ViewKey::End);
      EXPECT_EQ(state.view.currentPage, total);
    }
  }
}

TEST_F(ViewControllerTest, AStepThatIsNotPositivePagesByTheWholeRange) {
  StripFigureReaching(160);
  test::ChangeFigureRange(state, Problem::Strip,
                          [](FigureRange& range) { range.pageOverlap = 80; });
  EXPECT_EQ(controller.CountPages(), 3);  // trunc(160 / 80 + 0.01) + 1
  controller.OnKeyDown(ViewKey::Right);
  EXPECT_EQ(state.view.screenLeftX, 80);
}

TEST_F(ViewControllerTest, AFarCoordinateIsPagedUpToTheLimitWithANotice) {
  StripFigureReaching(1e15);
  EXPECT_EQ(controller.CountPages(), kMostFigurePages);
  EXPECT_EQ(controller.CountPrintedPages(600, 600), kMostFigurePages);
  EXPECT_EQ(controller.FigureNotice(), MessageText(MessageId::FigureExtentCut, "1000", "69930"));
  controller.ShowDisplay(DisplayMode::StripData);
  EXPECT_EQ(controller.FigureNotice(), "");  // tables have no such limit to tell
  StripFigureReaching(160);
  EXPECT_EQ(controller.FigureNotice(), "");
}

TEST_F(ViewControllerTest, TheLeftArrowNeverGoesLeftOfTheFirstPage) {
  StripFigureReaching(160);
  test::ChangeFigureRange(state, Problem::Strip, [](FigureRange& range) { range.leftX = -5; });
  state.view.screenLeftX = 30;
  controller.OnKeyDown(ViewKey::Left);
  EXPECT_EQ(state.view.screenLeftX, -5);
}

TEST_F(ViewControllerTest, TableKeysStopAtTheFirstAndLastPage) {
  controller.ShowDisplay(DisplayMode::StripData);
  int total = controller.CountPages();
  ASSERT_EQ(total, 1);
  EXPECT_TRUE(controller.OnKeyDown(ViewKey::PageDown));
  EXPECT_EQ(state.view.currentPage, 1);
  EXPECT_TRUE(controller.OnKeyDown(ViewKey::Up));
  EXPECT_EQ(state.view.currentPage, 1);
  EXPECT_FALSE(controller.OnKeyDown(ViewKey::Left));
  EXPECT_FALSE(controller.OnKeyDown(ViewKey::Right));
  state.view.currentPage = 5;  // beyond the last page: back to the first
  controller.OnKeyDown(ViewKey::Other);
  EXPECT_EQ(state.view.currentPage, 1);
}

TEST_F(ViewControllerTest, KeysAreIgnoredWhilePrinting) {
  StripFigureReaching(160);
  state.view.printing = true;
  EXPECT_FALSE(controller.OnKeyDown(ViewKey::Right));
  EXPECT_EQ(state.view.screenLeftX, 0);
}

TEST_F(ViewControllerTest, MenuAndToolbarSelection) {
  StripFigureReaching(160);
  controller.OnKeyDown(ViewKey::Right);
  ASSERT_EQ(state.view.screenLeftX, 70);
  controller.ShowKind(DisplayKind::Data);
  EXPECT_EQ(state.view.displayMode, DisplayMode::StripData);
  EXPECT_TRUE(controller.IsDisplayNumberShown(DisplayNumber(DisplayMode::StripData)));
  EXPECT_FALSE(controller.IsDisplayNumberShown(DisplayNumber(DisplayMode::StripFigure)));
  controller.ShowKind(DisplayKind::Figure);
  EXPECT_EQ(state.view.displayMode, DisplayMode::StripFigure);
  EXPECT_EQ(state.view.screenLeftX, 70);  // the tool bar keeps the figure's position
  EXPECT_EQ(state.view.currentPage, 1);
  controller.ShowKind(DisplayKind::Results);
  EXPECT_EQ(state.view.displayMode, DisplayMode::StripResults);
  state.view.currentPage = 2;
  controller.ShowKind(DisplayKind::Results);  // no change of display: page stays
  EXPECT_EQ(state.view.currentPage, 2);
  controller.ShowDisplay(DisplayMode::RectCircleResults);
  controller.ShowKind(DisplayKind::Data);
  EXPECT_EQ(state.view.displayMode, DisplayMode::RectCircleData);
  controller.ShowDisplayNumber(DisplayNumber(DisplayMode::StripFigure));
  EXPECT_EQ(state.view.screenLeftX, 0);  // the menu goes back to the left X
}

// A number both problems share shows the display of the problem shown, unless only the other
// problem's display of it has something to show; a number of one problem shows that problem's.
TEST_F(ViewControllerTest, ASharedNumberShowsTheProblemWithSomethingToShow) {
  using D = DisplayMode;
  struct Case {
    const char* file;  // nullptr: an empty document
    DisplayMode shown;
    int number;
    DisplayMode expected;
  };
  const Case cases[] = {
      {"building.qdw", D::StripData, 9, D::RectCircleSettlementTable},  // no strip loads
      {"building.qdw", D::RectCircleData, 9, D::RectCircleSettlementTable},
      {"embankment.qdw", D::RectCircleFigure, 10, D::StripSettlementMap},  // no lattice
      {"embankment.qdw", D::StripResults, 11, D::StripSettlementTime},
      {"embankment.qdw", D::StripFigure, 6, D::RectCircleResults},
      {nullptr, D::RectCircleData, 9, D::RectCircleSettlementTable},  // neither: the shown
      {nullptr, D::StripData, 9, D::StripSettlementTable},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file ? c.file : "empty") + " " + std::to_string(c.number));
    state.document.Replace(DocumentTables());
    if (c.file) {
      ASSERT_EQ(OpenDataFile(std::string(QEL_SOURCE_DIR) + "/examples/" + c.file, state.document),
                ReadStatus::Ok);
    }
    controller.ShowDisplay(c.shown);
    state.view.currentPage = 2;
    controller.ShowDisplayNumber(c.number);
    EXPECT_EQ(state.view.displayMode, c.expected);
    EXPECT_EQ(state.view.currentPage, 1);
    EXPECT_TRUE(controller.IsDisplayNumberShown(c.number));
    EXPECT_FALSE(controller.IsDisplayNumberShown(DisplayNumber(c.shown)));
  }
}

TEST_F(ViewControllerTest, ScrollArea) {
  ScrollSizes sizes = ViewController::ScrollSizesFor(1024);
  EXPECT_EQ(sizes.total, 2267);
  EXPECT_EQ(sizes.page, 283);
  EXPECT_EQ(sizes.line, 70);
  EXPECT_EQ(ViewController::ScrollSizesFor(799).total, 1662);
  EXPECT_EQ(ViewController::ScrollSizesFor(800).total, 1889);
}

TEST_F(ViewControllerTest, PrintingSwapsThePageOnlyWhileItDraws) {
  controller.ShowDisplay(DisplayMode::StripData);
  state.view.currentPage = 1;
  test::Edit(state)->settingLines[setting_line::kDataStartPage] = "10";
  RecordingDeviceContext screenDc(96, 96);
  controller.OnDraw(screenDc);
  const WorldTransform shownTransform = state.transform;
  const double shownStep = state.view.screenLineSteps.stripData;
  RecordingDeviceContext printerDc(600, 600);
  controller.PrintPage(printerDc, 3);
  EXPECT_EQ(state.view.currentPage, 1);
  EXPECT_FALSE(state.view.printing);
  EXPECT_EQ(state.geometry.dpiY, 96);  // the screen's resolution is kept for page counts
  EXPECT_EQ(state.transform.pixelsPerMetreY, shownTransform.pixelsPerMetreY);
  EXPECT_EQ(state.transform.originY, shownTransform.originY);
  EXPECT_EQ(state.view.screenLineSteps.stripData, shownStep);
  std::vector<std::string> texts = printerDc.Texts();
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.back(), "12");  // the page number of printed page 3
}

TEST_F(ViewControllerTest, CountingPrintedPagesLeavesTheViewAlone) {
  controller.ShowDisplay(DisplayMode::StripData);
  state.view.currentPage = 1;
  state.geometry.dpiY = 96;
  int pages = controller.CountPrintedPages(600, 600);
  EXPECT_GE(pages, 1);
  EXPECT_EQ(state.geometry.dpiY, 96);
  EXPECT_FALSE(state.view.printing);
}

// Line widths and mark sizes are screen pixels: on paper they grow by dpi / 96, rounded.
TEST_F(ViewControllerTest, PrintedFiguresScaleWidthsAndMarksWithTheResolution) {
  StripFigureReaching(60);
  test::Edit(state)->stripPoints[1][point_col::kX] = "10";
  test::Edit(state)->stripPoints[1][point_col::kZ] = "5";
  const Colour pointColour = ParseColourText(state.settings.pointColour);
  struct Case {
    int dpi;
    int loadWidth;   // figureLineWidth 2
    int crossWidth;  // pointMarkWidth 2
    int crossArm;    // pointMarkSize 4, in device units either side of the point
  };
  const Case cases[] = {{96, 2, 2, 4}, {300, 6, 6, 13}, {600, 13, 13, 25}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi);
    RecordingDeviceContext paper(c.dpi, c.dpi);
    controller.PrintPage(paper, 1);
    std::vector<test::Stroke> loads = test::StrokesIn(paper, 0x000000);
    ASSERT_FALSE(loads.empty());
    EXPECT_EQ(loads.front().width, c.loadWidth);
    std::vector<test::Stroke> cross = test::StrokesIn(paper, pointColour);
    ASSERT_EQ(cross.size(), 2u);
    EXPECT_EQ(cross[0].width, c.crossWidth);
    // The horizontal arm runs from x - arm to x + arm; truncation may take one unit off a side.
    EXPECT_NEAR(cross[0].x2 - cross[0].x1, 2 * c.crossArm, 1);
    EXPECT_NEAR(cross[1].y1 - cross[1].y2, 2 * c.crossArm, 1);
  }
  // The screen at 96 dpi draws the same pixels as before.
  RecordingDeviceContext screen(96, 96);
  controller.OnDraw(screen);
  std::vector<test::Stroke> cross = test::StrokesIn(screen, pointColour);
  ASSERT_EQ(cross.size(), 2u);
  EXPECT_EQ(cross[0].width, 2);
  EXPECT_NEAR(cross[0].x2 - cross[0].x1, 8, 1);
}

TEST_F(ViewControllerTest, PaintingAFigureSetsItsScale) {
  RecordingDeviceContext screen(96, 96);
  test::ChangeFigureRange(state, Problem::Strip, [](FigureRange& range) { range.scaleX = 200; });
  controller.ShowDisplay(DisplayMode::StripFigure);
  controller.OnDraw(screen);
  EXPECT_DOUBLE_EQ(state.transform.pixelsPerMetreX, 1000.0 / 200 * 96 * kInchesPerMm);
  EXPECT_EQ(state.geometry.dpiY, 96);
  EXPECT_EQ(screen.lines().front(), "origin 0 0");
}

// A paint never tells: it says whether the window must tell now, once per run of failing paints.
TEST_F(ViewControllerTest, AFontThatCannotBeMadeIsToldOnceAfterThePaintsThatFail) {
  controller.ShowDisplay(DisplayMode::StripData);
  const bool fontsFail[] = {true, true, true, false, true, false, false};
  const bool told[] = {true, false, false, false, true, false, false};
  for (std::size_t i = 0; i < std::size(fontsFail); ++i) {
    SCOPED_TRACE(i);
    RecordingDeviceContext screen(96, 96);
    screen.set_fail_fonts(fontsFail[i]);
    EXPECT_EQ(controller.OnDraw(screen), told[i]);
    EXPECT_FALSE(screen.Texts().empty());  // the text is drawn all the same
  }
}

// Pages for paper count what they could not make until the job takes the count.
TEST_F(ViewControllerTest, PagesForPaperCountTheFontsTheyCouldNotMakeUntilTaken) {
  controller.ShowDisplay(DisplayMode::StripData);
  RecordingDeviceContext good(600, 600);
  controller.PrintPage(good, 1);
  EXPECT_EQ(controller.TakePaperFontFailures(), 0);
  RecordingDeviceContext failing(600, 600);
  failing.set_fail_fonts(true);
  controller.PrintPage(failing, 1);
  const int onePage = controller.TakePaperFontFailures();
  EXPECT_GT(onePage, 0);
  controller.PrintPage(failing, 1);
  controller.PrintPage(failing, 1);
  EXPECT_EQ(controller.TakePaperFontFailures(), 2 * onePage);
  EXPECT_EQ(controller.TakePaperFontFailures(), 0);
  // The screen's paints are not counted for paper.
  RecordingDeviceContext screen(96, 96);
  screen.set_fail_fonts(true);
  controller.OnDraw(screen);
  EXPECT_EQ(controller.TakePaperFontFailures(), 0);
}

}  // namespace
}  // namespace qel
