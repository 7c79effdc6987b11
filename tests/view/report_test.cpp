// The report: which displays have something to show, the order and number of its pages, and
// drawing them one after another.
#include "view/report.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/printer_info.h"
#include "support/cells_edit.h"
#include "support/render_world.h"
#include "test_support/recording_device_context.h"

namespace qel {
namespace {

using Displays = std::vector<int>;

class ReportTest : public ::testing::Test {
 protected:
  ReportTest() : printer(FixedPrinterInfo::A4(600)) {
    test::ApplyStandardSettings(state.settings, state.fonts);
    state.settingsFiles.loaded = {true, true, true};
    controller.ReadDeviceGeometry();
  }
  void StripLoad() {
    test::CellsEdit edited(state.document);
    std::string* cells = edited->stripLoads[2][1];  // set 2 alone counts as well
    const char* values[] = {"", "1", "0", "2", "4", "6", "1", "1.8", "0"};
    for (int column = 1; column <= kStripColumns; ++column)
      cells[column] = values[column];
  }
  void StripPoints(bool withDepth) {
    for (int row = 1; row <= 8; ++row)
      test::Edit(state)->stripPoints[row][point_col::kX] = std::to_string(row * 5);
    if (withDepth) test::Edit(state)->stripPoints[3][point_col::kZ] = "2";
  }
  void Circle() {
    const char* values[] = {"", "1", "0", "0", "2", "10"};
    for (int column = 1; column <= kCircleColumns; ++column)
      test::Edit(state)->circleLoads[1][column] = values[column];
  }
  void Lattice(bool withDepth) {
    test::Edit(state)->gridPoints[1][point_col::kGridX] = "0";
    test::Edit(state)->gridPoints[5][point_col::kGridY] = "1";
    if (withDepth) test::Edit(state)->gridPoints[2][point_col::kGridZ] = "3";
  }
  Displays WithContent() {
    Displays displays;
    for (int number = 1; number <= kDisplayNumbers; ++number)
      if (DisplayHasContent(state.document, *DisplayModeFromNumber(number)))
        displays.push_back(number);
    return displays;
  }
  ApplicationState state;
  FixedPrinterInfo printer;
  ViewController controller{state, printer};
};

TEST_F(ReportTest, DisplaysWithDataOrResultsHaveContent) {
  struct Case {
    const char* document;
    std::function<void()> fill;
    Displays expected;
  };
  const Case cases[] = {
      {"empty", [] {}, {}},
      {"strip load", [this] { StripLoad(); }, {1, 2}},
      {"x values without depth", [this] { StripPoints(false); }, {}},
      {"strip points", [this] { StripPoints(true); }, {1, 3, 7}},
      {"circle", [this] { Circle(); }, {4, 5}},
      {"lattice without depth", [this] { Lattice(false); }, {}},
      {"lattice", [this] { Lattice(true); }, {4, 6, 8}},
      {"everything",
       [this] {
         StripLoad();
         StripPoints(true);
         Circle();
         Lattice(true);
       },
       {1, 2, 3, 4, 5, 6, 7, 8}},
  };
  for (const Case& c : cases) {
    state.document.Replace(DocumentTables());
    c.fill();
    EXPECT_EQ(WithContent(), c.expected) << c.document;
  }
}

TEST_F(ReportTest, PagesRunThroughTheDisplaysInOrderWithTheirPrintedPageCounts) {
  StripLoad();
  StripPoints(true);
  Lattice(true);
  test::Edit(state)->stripPoints[1][point_col::kX] = "300";  // a strip figure of several pages
  state.fonts[kStripFont].size = 40;                         // and a strip data table of several
  state.view.displayMode = DisplayMode::RectCircleData;
  state.view.currentPage = 1;
  for (int dpi : {96, 600}) {
    SCOPED_TRACE(dpi);
    const std::vector<ReportPage> pages =
        ReportPages(controller, dpi, dpi, ReportNumbering::EachDisplayOwn);
    std::vector<ReportPage> expected;
    // Each problem's figure, data, results and depth graphs, the strip problem first.
    for (int number : {1, 2, 3, 7, 4, 6, 8}) {
      const DisplayMode display = *DisplayModeFromNumber(number);
      const int count = controller.CountPrintedPages(display, dpi, dpi);
      EXPECT_GE(count, 1);
      for (int page = 1; page <= count; ++page)
        expected.push_back({display, page});
    }
    EXPECT_EQ(pages, expected);
    EXPECT_GT(controller.CountPrintedPages(DisplayMode::StripFigure, dpi, dpi), 1);
  }
  // Counting the report's pages leaves the screen as it was.
  EXPECT_EQ(state.view.displayMode, DisplayMode::RectCircleData);
  EXPECT_EQ(state.view.currentPage, 1);
  EXPECT_FALSE(state.view.printing);
}

TEST_F(ReportTest, DrawsEachPageOnTheNextDeviceInOrder) {
  StripLoad();
  Circle();
  using setting_line::Page;
  // Page numbers tell the pages apart: the strip data from 20, the circle data from 50.
  test::Edit(state)->settingLines[Page(Problem::Strip, setting_line::kDataStartPage)] = "20";
  test::Edit(state)->settingLines[Page(Problem::RectCircle, setting_line::kDataStartPage)] = "50";
  const std::vector<ReportPage> pages =
      ReportPages(controller, 300, 300, ReportNumbering::EachDisplayOwn);
  ASSERT_EQ(pages.size(), 4u);  // each display one page
  std::vector<std::unique_ptr<RecordingDeviceContext>> devices;
  ASSERT_TRUE(DrawPages(controller, pages, [&]() -> DeviceContext* {
    devices.push_back(std::make_unique<RecordingDeviceContext>(300, 300));
    return devices.back().get();
  }));
  ASSERT_EQ(devices.size(), 4u);
  EXPECT_EQ(devices[1]->Texts().back(), "20");
  EXPECT_EQ(devices[3]->Texts().back(), "50");
  EXPECT_EQ(devices[0]->Lines("font").front(), "font 41 0 0 ＭＳ 明朝");  // the title at 300 dpi

  // A device that takes no more pages ends the drawing as failed.
  int handedOut = 0;
  RecordingDeviceContext only(300, 300);
  EXPECT_FALSE(DrawPages(controller, pages,
                         [&]() -> DeviceContext* { return handedOut++ < 2 ? &only : nullptr; }));
  EXPECT_EQ(handedOut, 3);
}

// The numbers run on from the first page's start page through every display, or each display
// starts from its own on request.
TEST_F(ReportTest, PageNumbersRunOnThroughTheReportOrRestartOnRequest) {
  StripLoad();
  Circle();
  using setting_line::Page;
  const std::pair<Problem, int> starts[] = {{Problem::Strip, setting_line::kFigureStartPage},
                                            {Problem::Strip, setting_line::kDataStartPage},
                                            {Problem::RectCircle, setting_line::kFigureStartPage},
                                            {Problem::RectCircle, setting_line::kDataStartPage}};
  const char* const own[] = {"7", "20", "30", "50"};
  for (int i = 0; i < 4; ++i)
    test::Edit(state)->settingLines[Page(starts[i].first, starts[i].second)] = own[i];
  struct Case {
    ReportNumbering numbering;
    std::vector<std::string> shown;
  };
  for (const Case& c : {Case{ReportNumbering::Continuous, {"7", "8", "9", "10"}},
                        Case{ReportNumbering::EachDisplayOwn, {"7", "20", "30", "50"}}}) {
    std::vector<std::string> shown;
    RecordingDeviceContext device(300, 300);
    ASSERT_TRUE(DrawPages(controller, ReportPages(controller, 300, 300, c.numbering), [&] {
      if (!device.Texts().empty()) shown.push_back(device.Texts().back());
      device.Clear();
      return &device;
    }));
    shown.push_back(device.Texts().back());
    EXPECT_EQ(shown, c.shown);
  }
  // One display printed alone keeps its own numbers.
  state.view.displayMode = DisplayMode::StripData;
  RecordingDeviceContext alone(300, 300);
  ASSERT_TRUE(DrawPages(controller, ShownDisplayPages(controller, 1, 1), [&] { return &alone; }));
  EXPECT_EQ(alone.Texts().back(), "20");
}

}  // namespace
}  // namespace qel
