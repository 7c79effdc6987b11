// The soil column beside the strip figure, as printed from the examples.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

#include "support/cells_edit.h"
#include "support/example_view.h"
#include "test_support/recording_device_context.h"
#include "view/figure_common.h"
#include "view/figure_strokes.h"

namespace qel {
namespace {

constexpr int kDpi = 150;
constexpr Colour kSettlingTint = 0xC8E0F0;

class FigureSoilColumnTest : public test::ExampleView {
 protected:
  FigureSoilColumnTest() {
    printer.set(FixedPrinterInfo::A4(kDpi));
    controller.ReadDeviceGeometry();
  }
};

// Every page of the figure carries the column of settling layers beside the section, with the
// water table's depth and the layers' names, and no calculation point is drawn inside it; the
// same document without a soil section draws none.
TEST_F(FigureSoilColumnTest, StandsBesideTheSectionClearOfThePoints) {
  for (const bool withSoil : {true, false}) {
    SCOPED_TRACE(withSoil);
    Open("embankment.qdw");
    if (!withSoil) test::Edit(state)->soilLines.clear();
    const unsigned point = FigureColoursOf(state.settings).point;
    const int pages = controller.CountPrintedPages(DisplayMode::StripFigure, kDpi, kDpi);
    ASSERT_GE(pages, 2);
    int columns = 0, waters = 0, names = 0;
    for (int page = 1; page <= pages; ++page) {
      RecordingDeviceContext dc(kDpi, kDpi);
      controller.PrintPage(dc, DisplayMode::StripFigure, page);
      // The column's box: the extent of its tinted layers.
      int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
      for (const std::string& line : dc.Lines("fill " + std::to_string(kSettlingTint))) {
        int x[4], y[4];
        ASSERT_EQ(std::sscanf(line.c_str(), "fill %*u %d,%d %d,%d %d,%d %d,%d", &x[0], &y[0], &x[1],
                              &y[1], &x[2], &y[2], &x[3], &y[3]),
                  8);
        for (int i = 0; i < 4; ++i)
          left = std::min(left, x[i]), right = std::max(right, x[i]), top = std::min(top, y[i]),
          bottom = std::max(bottom, y[i]);
      }
      if (left > right) continue;
      ++columns;
      for (const test::Stroke& s : test::StrokesOf(dc)) {
        if (s.colour != point) continue;
        EXPECT_FALSE(std::max(s.x1, s.x2) > left && std::min(s.x1, s.x2) < right &&
                     std::max(s.y1, s.y2) > top && std::min(s.y1, s.y2) < bottom)
            << page << ": " << s.x1 << "," << s.y1;
      }
      for (const std::string& text : dc.Texts()) {
        waters += text == "GL－1.00 m";
        names += text == "2 粘土1" || text == "3 粘土2";
      }
    }
    EXPECT_EQ(columns, withSoil ? pages : 0);
    EXPECT_EQ(waters >= pages, withSoil);
    EXPECT_EQ(names >= pages, withSoil);
  }
}

}  // namespace
}  // namespace qel
