// Lines wider than the paper in the tables at a huge font: point headings, the course of the
// calculation and rows of numbers go on to further lines with nothing lost, a layer name is cut
// with the mark, and no text starts or ends beyond the printable width.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "document/data_file.h"
#include "support/render_world.h"
#include "view/renderers.h"
#include "view/table_texts.h"
#include "view/text_wrap.h"

namespace qel {
namespace {

using test::DrawnText;

std::string WithoutBlanks(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  return text;
}

class TableWideLinesTest : public ::testing::Test {
 protected:
  // Paper 200 mm high: at 100 pt a page holds 2 lines, too few for a heading to be repeated.
  TableWideLinesTest() {
    world.UseDevice(300, 300);
    world.UsePaper(210, 200);
    world.view.printing = true;
  }
  // Reads examples/`example` with the course of the calculation listed, then `change`.
  void Open(const char* example, const std::function<void(DocumentTables&)>& change) {
    world.tables = DocumentTables();
    ReadDataFile(std::string(QEL_SOURCE_DIR) + "/examples/" + example, world.tables);
    for (Problem problem : {Problem::Strip, Problem::RectCircle})
      world.tables.settingLines[setting_line::Style(problem, setting_line::kShowCalcTrace)] = "1";
    if (change) change(world.tables);
    world.document.Replace(world.tables);
  }
  // The texts of every page with the table fonts at `points`, each checked to start and end
  // within the printable width: A4 less the 10 mm left margin and 10 mm on the right.
  std::vector<DrawnText> TextsAt(double points, test::TableRenderer render) {
    world.fonts[kStripFont].size = world.fonts[kRectCircleFont].size = points;
    world.caches = RenderCaches();
    const double left = 10 * world.geometry.pixelsPerMmX;
    const double right = 200 * world.geometry.pixelsPerMmX;
    std::vector<DrawnText> texts;
    const int pages = render(world.ctx, nullptr, false);
    for (int page = 1; page <= pages; ++page) {
      const RecordingDeviceContext dc = test::DrawTablePageOf(world, render, page);
      for (const std::string& font : dc.Lines("font"))
        std::sscanf(font.c_str(), "font %d", &fontHeight);  // the last is the body's
      for (const DrawnText& text : test::BodyTexts(dc)) {
        EXPECT_GE(text.x, left) << text;
        EXPECT_LE(text.x + EstimatedEms(text.text) * fontHeight, right) << text;
        texts.push_back(text);
      }
    }
    return texts;
  }

  test::RenderWorld world;
  int fontHeight = 0;
};

// At 100 pt a line holds 5.4 ems: every heading, course line and row is broken. What the 10 pt
// pages print, their repeated headings aside, is still printed in order, blanks at breaks aside.
TEST_F(TableWideLinesTest, BrokenLinesLoseNothingAndStayOnThePaper) {
  const auto onePoint = [](DocumentTables& t) {
    for (int row = 2; row <= kGridRows; ++row)
      t.gridPoints[row][point_col::kGridX] = t.gridPoints[row][point_col::kGridY] =
          t.gridPoints[row][point_col::kGridZ] = "";
  };
  struct Case {
    const char* name;
    const char* example;
    test::TableRenderer render;
    std::function<void(DocumentTables&)> change;
  };
  const Case cases[] = {
      {"point headings and the strip course", "embankment.qdw", RenderStripResults, {}},
      {"point headings and the lattice course", "building.qdw", RenderRectCircleResults, onePoint},
      {"rows of numbers of strips", "embankment.qdw", RenderStripData, {}},
      {"rows of numbers of rectangles and circles", "building.qdw", RenderRectCircleData, {}},
      {"a number wider than a line", "embankment.qdw", RenderStripData,
       [](DocumentTables& t) { t.stripLoads[1][1][strip_col::kGamma] = "123456789012"; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Open(c.example, c.change);
    std::string printed;
    for (const DrawnText& text : TextsAt(100, c.render))
      printed += WithoutBlanks(text.text);
    std::size_t from = 0;
    for (const DrawnText& text : TextsAt(10, c.render)) {
      if (text.text.ends_with(kContinuedMark)) continue;
      const std::size_t at = printed.find(WithoutBlanks(text.text), from);
      ASSERT_NE(at, std::string::npos) << text << " is lost";
      from = at + WithoutBlanks(text.text).size();
    }
  }
}

// A layer's name longer than its column is cut to it with the mark at 10 pt, so that the depths
// beside it stay in their column; at 100 pt it is cut at the printable width.
TEST_F(TableWideLinesTest, ALongLayerNameIsCutWithTheMark) {
  const std::string name = "とても長い名前の粘土層です";
  Open("embankment.qdw", [&](DocumentTables& t) {
    for (std::string& line : t.soilLines)
      if (line.rfind("layer=2,", 0) == 0) line.replace(8, line.find(',', 8) - 8, name);
  });
  for (const double points : {10.0, 100.0}) {
    SCOPED_TRACE(points);
    int names = 0;
    for (const DrawnText& text : TextsAt(points, RenderStripSettlementTable)) {
      if (text.text.rfind("とても", 0) != 0) continue;
      ++names;
      ASSERT_TRUE(text.text.ends_with(kCutMark)) << text;
      const std::string kept = text.text.substr(0, text.text.size() - std::string(kCutMark).size());
      EXPECT_EQ(name.rfind(kept, 0), 0u) << text;
      if (points == 10.0) {  // before the depths' column at 27 mm
        EXPECT_LE(text.x + EstimatedEms(text.text) * fontHeight,
                  (10 + 27) * world.geometry.pixelsPerMmX);
      }
    }
    EXPECT_GT(names, 0);
  }
}

}  // namespace
}  // namespace qel
