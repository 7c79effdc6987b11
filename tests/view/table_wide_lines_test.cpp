// Point headings, course lines and rows of numbers wider than the paper at a huge font: broken
// over lines within the printable width, clear of each other, with nothing lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "document/data_file.h"
#include "support/render_world.h"
#include "view/renderers.h"
#include "view/table_texts.h"
#include "view/text_wrap.h"

namespace qel {
namespace {

// Every text of every page at `points`, blanks left out, each checked to lie within A4's
// printable width clear of the text before it; for `reference`, one a line and without the
// headings repeated as continued.
std::string PrintedAt(test::RenderWorld& world, double points, test::TableRenderer render,
                      bool reference) {
  world.fonts[kStripFont].size = world.fonts[kRectCircleFont].size = points;
  world.caches = RenderCaches();
  std::string printed;
  int fontHeight = 0;
  for (int page = 1, pages = render(world.Ctx(), nullptr, false); page <= pages; ++page) {
    const RecordingDeviceContext dc = test::DrawTablePageOf(world, render, page);
    for (const std::string& font : dc.Lines("font"))
      std::sscanf(font.c_str(), "font %d", &fontHeight);  // the last is the body's
    test::DrawnText last;  // no text of a line begins before the one before it ends
    for (const test::DrawnText& text : test::BodyTexts(dc)) {
      EXPECT_GE(text.x, 10 * world.geometry.pixelsPerMmX) << text;
      EXPECT_LE(text.x + EstimatedEms(text.text) * fontHeight, 200 * world.geometry.pixelsPerMmX)
          << text;
      if (text.y == last.y) {
        EXPECT_GE(text.x, last.x + EstimatedEms(last.text, kNominalHalfWidthEms) * fontHeight);
      }
      last = text;
      if (!reference)
        printed += text.text;
      else if (!text.text.ends_with(kContinuedMark))
        printed += text.text + "\n";
    }
  }
  printed.erase(std::remove(printed.begin(), printed.end(), ' '), printed.end());
  return printed;
}

// At 100 pt on paper 200 mm high a line holds 5.4 ems and a page 2 lines, too few to repeat a
// heading: every heading, course line and row is broken, and each text the 10 pt pages print,
// their repeated headings aside, is still printed, in order.
TEST(TableWideLinesTest, BrokenLinesLoseNothingAndStayOnThePaper) {
  const struct {
    const char* example;
    test::TableRenderer render;
  } cases[] = {{"embankment.qdw", RenderStripResults},
               {"building.qdw", RenderRectCircleResults},
               {"embankment.qdw", RenderStripData},
               {"building.qdw", RenderRectCircleData}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.example);
    test::RenderWorld world;
    world.UseDevice(300, 300);
    world.UsePaper(210, 200);
    world.view.printing = true;
    ReadDataFile(std::string(QEL_SOURCE_DIR) + "/examples/" + c.example, world.tables);
    for (Problem problem : {Problem::Strip, Problem::RectCircle})
      world.tables.settingLines[setting_line::Style(problem, setting_line::kShowCalcTrace)] = "1";
    world.tables.stripLoads[1][1][strip_col::kGamma] = "123456789012";  // wider than a line
    for (int row = 2; row <= kGridRows; ++row)  // one lattice point keeps the course short
      for (int column : {point_col::kGridX, point_col::kGridY, point_col::kGridZ})
        world.tables.gridPoints[row][column] = "";
    const std::string printed = PrintedAt(world, 100, c.render, false);
    const std::string wanted = PrintedAt(world, 10, c.render, true);
    std::size_t from = 0;
    for (std::size_t begin = 0, end; begin < wanted.size(); begin = end + 1) {
      end = wanted.find('\n', begin);
      const std::string text = wanted.substr(begin, end - begin);
      from = printed.find(text, from);
      ASSERT_NE(from, std::string::npos) << text << " is lost";
      from += text.size();
    }
  }
}

// A layer's name longer than its column is printed whole above the layer, and cut to its column
// with the mark in the slice rows, the depths beside it clear.
TEST(TableWideLinesTest, ALongLayerNameIsCutWithTheMark) {
  test::RenderWorld world;
  world.settings.unitSystem = 1;  // the example's unit weights are in kN/m3
  ReadDataFile(std::string(QEL_SOURCE_DIR) + "/examples/embankment.qdw", world.tables);
  const std::string name = "とても長い名前の粘土層です";
  std::vector<std::string> soil = world.tables.soilLines;
  for (std::string& line : soil)
    if (line.rfind("layer=2,", 0) == 0) line.replace(8, line.find(',', 8) - 8, name);
  world.tables.soilLines = soil;
  const std::string printed = PrintedAt(world, 10, RenderStripSettlementTable, true);
  // First the whole name on its line above the layer, then the slices with the name cut.
  const std::size_t whole = printed.find("\nとても");
  ASSERT_NE(whole, std::string::npos);
  EXPECT_EQ(printed.substr(whole + 1, printed.find('\n', whole + 1) - whole - 1), name);
  const std::size_t at = printed.find("\nとても", whole + 1);
  ASSERT_NE(at, std::string::npos);
  const std::string cut = printed.substr(at + 1, printed.find('\n', at + 1) - at - 1);
  EXPECT_TRUE(cut.ends_with(kCutMark)) << cut;
  EXPECT_EQ(name.rfind(cut.substr(0, cut.size() - std::string(kCutMark).size()), 0), 0u) << cut;
}

}  // namespace
}  // namespace qel
