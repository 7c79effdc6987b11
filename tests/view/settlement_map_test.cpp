// The settlement maps as printed: the value at each column is its total, every text stays on the
// paper, and a hostile document draws nothing that is not a finite number.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <regex>
#include <set>
#include <sstream>

#include "analysis/settlement_analysis.h"
#include "support/cells_edit.h"
#include "support/example_view.h"
#include "test_support/recording_device_context.h"
#include "view/display_table.h"
#include "view/drawing.h"
#include "view/figure_notes.h"
#include "view/figure_pages.h"
#include "view/figure_strokes.h"
#include "view/settlement_map_parts.h"

namespace qel {
namespace {

constexpr int kDpi = 150;

struct Example {
  const char* file;
  DisplayMode display;
  Problem problem;
};
constexpr Example kExamples[] = {
    {"embankment.qdw", DisplayMode::StripSettlementMap, Problem::Strip},
    {"building.qdw", DisplayMode::RectCircleSettlementMap, Problem::RectCircle}};

class SettlementMapTest : public test::ExampleView {
 protected:
  SettlementMapTest() {
    printer.set(FixedPrinterInfo::A4(kDpi));
    controller.ReadDeviceGeometry();
  }
  // Every printed page of `display`, with its page count.
  std::vector<RecordingDeviceContext> PrintAll(DisplayMode display) {
    std::vector<RecordingDeviceContext> pages;
    const int count = controller.CountPrintedPages(display, kDpi, kDpi);
    EXPECT_GE(count, 1);
    EXPECT_LE(count, kMostFigurePages);
    for (int page = 1; page <= std::min(count, 5); ++page) {
      pages.emplace_back(kDpi, kDpi);
      controller.PrintPage(pages.back(), display, page);
    }
    return pages;
  }
  // The totals of the columns of `problem` as the settlement command gives them, in cm to two
  // decimals as the map writes them.
  std::set<std::string> Totals(Problem problem) {
    const DocumentSettlement settlement =
        ComputeDocumentSettlement(state.document, state.settings.unitSystem, state.circleMethod, 1);
    std::set<std::string> totals;
    for (const SettlementColumnResult& column : settlement.columns) {
      if (column.site.problem != problem || !column.values.total) continue;
      char text[64];
      std::snprintf(text, sizeof text, "%.2f", *column.values.total * 100.0);
      totals.insert(text);
    }
    return totals;
  }
};

TEST_F(SettlementMapTest, TheValueWrittenAtAColumnIsItsTotal) {
  const std::regex value(R"(-?[0-9]+\.[0-9]{2})");
  for (const Example& e : kExamples) {
    SCOPED_TRACE(e.file);
    Open(e.file);
    const std::set<std::string> totals = Totals(e.problem);
    ASSERT_GE(totals.size(), 3u);
    std::set<std::string> written;
    for (const RecordingDeviceContext& page : PrintAll(e.display))
      for (const std::string& text : page.Texts())
        if (std::regex_match(text, value)) {
          EXPECT_TRUE(totals.count(text)) << text;
          written.insert(text);
        }
    // A value that finds no clear place is left out; most find one.
    EXPECT_GE(written.size() * 4, totals.size() * 3);
  }
}

// The plan's lines of equal settlement are traced from the field sampled over the whole plan:
// the page says how finely, and no line runs through a column's written value.
TEST_F(SettlementMapTest, PlanLinesComeFromTheFineFieldAndKeepOffTheValues) {
  Open("building.qdw");
  const std::regex value(R"(-?[0-9]+\.[0-9]{2})");
  const Colour levels = MapColoursOf(state.settings).levels;
  const std::vector<RecordingDeviceContext> pages = PrintAll(DisplayMode::RectCircleSettlementMap);
  ASSERT_EQ(pages.size(), 1u);
  std::vector<DeviceBox> values;
  std::vector<std::vector<DevicePoint>> lines;
  int height = 0, sampled = 0;
  unsigned colour = 0;
  for (const std::string& line : pages[0].lines()) {
    int a = 0, b = 0, w = 0;
    char word[16], text[64];
    if (std::sscanf(line.c_str(), "pen %15s %d %x", word, &w, &colour) == 3) continue;
    if (std::sscanf(line.c_str(), "font %d", &a) == 1) height = a;
    sampled += line.find("（41 × 41 点で求めた沈下量から）") != std::string::npos;
    if (std::sscanf(line.c_str(), "text %d %d %63s", &a, &b, text) == 3 &&
        std::regex_match(text, value))
      values.push_back({a, b, a + NoteTextWidth(text, height), b + height});
    if (line.rfind("polyline ", 0) == 0 && colour == levels) {
      std::vector<DevicePoint>& points = lines.emplace_back();
      std::istringstream in(line.substr(9));
      for (char comma = 0; in >> a >> comma >> b;)
        points.push_back({a, b});
    }
  }
  EXPECT_EQ(sampled, 1);
  ASSERT_GE(values.size(), 10u);
  ASSERT_GE(lines.size(), 8u);
  for (const std::vector<DevicePoint>& points : lines)
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
      for (int step = 0; step <= 16; ++step) {
        const DevicePoint at{points[i].x + (points[i + 1].x - points[i].x) * step / 16,
                             points[i].y + (points[i + 1].y - points[i].y) * step / 16};
        for (const DeviceBox& box : values)
          EXPECT_FALSE(at.x > box.left && at.x < box.right && at.y > box.top && at.y < box.bottom)
              << at.x << "," << at.y;
      }
}

// The embankment's trough, wider than a page at its figure's scale, fits one page at a round
// scale of its own, and the curve that lies on the final settlement says so in the legend.
TEST_F(SettlementMapTest, TheStripTroughFitsOnePageAndCurvesOnOneAnotherSaySo) {
  Open("embankment.qdw");
  ASSERT_GT(FigurePageCount(state.document.strip().piecesReach,
                            state.document.problem(Problem::Strip).range),
            1);
  const std::vector<RecordingDeviceContext> pages = PrintAll(DisplayMode::StripSettlementMap);
  ASSERT_EQ(pages.size(), 1u);
  int scales = 0, overlaps = 0;
  for (const std::string& text : pages[0].Texts()) {
    scales += text.find("縮尺 1/400") != std::string::npos;
    overlaps += text == "t = 3000 日（最終沈下量と重なる）";
  }
  EXPECT_EQ(scales, 1);
  EXPECT_EQ(overlaps, 1);
}

TEST_F(SettlementMapTest, EveryTextLiesOnThePaperInColourAndInBlackAndWhite) {
  const int h = kDpi * 7 / 72;
  for (const Example& e : kExamples)
    for (const int mode : {0, 1}) {
      SCOPED_TRACE(std::string(e.file) + " colour mode " + std::to_string(mode));
      Open(e.file);
      state.settings.colourMode = mode;
      const int width = FixedPrinterInfo::A4(kDpi).pageWidthPixels;
      const int height = FixedPrinterInfo::A4(kDpi).pageHeightPixels;
      for (const RecordingDeviceContext& page : PrintAll(e.display))
        for (const std::string& line : page.Lines("text")) {
          int x = 0, y = 0;
          char text[512] = {};
          if (std::sscanf(line.c_str(), "text %d %d %511[^\n]", &x, &y, text) != 3) continue;
          EXPECT_GE(x, 0) << text;
          EXPECT_GE(y, 0) << text;
          EXPECT_LE(y + h, height) << text;
          // Centred texts (the level labels) reach half their width either side.
          EXPECT_LE(x + NoteTextWidth(text, h) / 2, width) << text;
        }
    }
}

// How a hostile document is made from an example.
enum class Hostile { FarColumns, NoSettlement, ManyTimes, OneLatticeX, HugeLattice };

TEST_F(SettlementMapTest, AHostileDocumentDrawsOnlyFiniteNumbersOnBoundedPages) {
  struct Case {
    Hostile edit;
    const char* note;  // a text the page must carry, or empty
  };
  for (const Case& c : {Case{Hostile::FarColumns, ""},
                        Case{Hostile::NoSettlement, "沈下量を求められた計算点がありません"},
                        Case{Hostile::ManyTimes, "時間 8 個のうち先頭の 6 個の曲線を描きます"},
                        Case{Hostile::OneLatticeX, "（41 × 41 点で求めた沈下量から）"},
                        Case{Hostile::HugeLattice, ""}}) {
    SCOPED_TRACE(static_cast<int>(c.edit));
    Open(c.edit == Hostile::OneLatticeX || c.edit == Hostile::HugeLattice ? "building.qdw"
                                                                          : "embankment.qdw");
    {
      test::CellsEdit edited(state.document);
      DocumentTables& t = *edited;
      std::vector<std::string> soil = t.soilLines;
      switch (c.edit) {
        case Hostile::FarColumns:
          t.stripPoints[1][point_col::kX] = "-5e9";
          t.stripPoints[2][point_col::kX] = "5e9";
          break;
        case Hostile::NoSettlement:
          // A clay at the surface under water as heavy as it: no effective overburden, so no
          // slice of it and no column has a settlement.
          for (std::string& line : soil)
            if (line.rfind("water=", 0) == 0)
              line = "water=0";
            else if (line.rfind("layer=1,", 0) == 0)
              line = "layer=1,top,1.5,9.81,9.81,cc,1.60,0.50,0.05,,,200,bottom,";
          break;
        case Hostile::ManyTimes:
          for (std::string& line : soil)
            if (line.rfind("times=", 0) == 0) line = "times=10,30,100,300,1000,3000,10000,30000";
          break;
        case Hostile::OneLatticeX:
          for (int row = 2; row <= kGridRows; ++row)
            t.gridPoints[row][point_col::kGridX].clear();
          break;
        case Hostile::HugeLattice:
          t.gridPoints[1][point_col::kGridX] = "-1e12";
          t.gridPoints[1][point_col::kGridY] = "1e12";
          break;
      }
      t.soilLines = soil;
    }
    bool noted = *c.note == '\0';
    for (const DisplayMode display :
         {DisplayMode::StripSettlementMap, DisplayMode::RectCircleSettlementMap})
      for (const RecordingDeviceContext& page : PrintAll(display)) {
        EXPECT_LE(page.FarthestCoordinate(), kDeviceCoordinateLimit);
        for (std::string text : page.Texts()) {
          if (text.find(c.note) != std::string::npos) noted = true;
          std::transform(text.begin(), text.end(), text.begin(),
                         [](unsigned char ch) { return std::tolower(ch); });
          EXPECT_EQ(text.find("nan"), std::string::npos) << text;
          EXPECT_EQ(text.find("inf"), std::string::npos) << text;
        }
      }
    EXPECT_TRUE(noted) << c.note;
  }
}

// The ground stands under the section's ground line and above the graph: the soil column with
// the layers' names and the water table, and the drains, each drawn where they are 1.5 mm apart
// on paper (1.2 m at 1/400 is 3 mm), else as a hatched band (0.3 m), with the pattern, spacing
// and depth written under them; a profile without drains draws none.
TEST_F(SettlementMapTest, TheGroundAndItsDrainsStandUnderTheSection) {
  struct Case {
    const char* file;
    const char* spacing;  // the drains' spacing put in, or none to keep the file's
    const char* label;    // nullptr: no drains
  };
  std::size_t spaced = 0;
  for (const Case& c :
       {Case{"embankment-drains.qdw", nullptr, "正三角形 間隔 1.20 m　GL－12.00 m まで"},
        Case{"embankment-drains.qdw", "0.3", "正三角形 間隔 0.30 m　GL－12.00 m まで"},
        Case{"embankment.qdw", nullptr, nullptr}}) {
    SCOPED_TRACE(std::string(c.file) + (c.spacing ? c.spacing : ""));
    Open(c.file);
    if (c.spacing) {
      std::vector<std::string> soil = state.document.cells().soilLines.ToVector();
      for (std::string& line : soil)
        if (line.rfind("drains=", 0) == 0)
          line = std::string("drains=triangle,") + c.spacing + ",0.0662,0.2,2,100,12.0";
      test::Edit(state)->soilLines = soil;
    }
    const std::vector<RecordingDeviceContext> pages = PrintAll(DisplayMode::StripSettlementMap);
    const std::vector<std::string> texts = pages.front().Texts();
    const auto axis = std::find(texts.begin(), texts.end(), "S (cm)");
    const auto label = std::find_if(texts.begin(), texts.end(), [](const std::string& t) {
      return t.rfind("バーチカルドレーン ", 0) == 0;
    });
    ASSERT_NE(axis, texts.end());
    for (const char* soil : {"1 表土", "2 粘土1", "3 粘土2", "4 砂", "GL－1.00 m"})
      EXPECT_LT(std::find(texts.begin(), texts.end(), soil), axis) << soil;
    if (!c.label) {
      EXPECT_EQ(label, texts.end());
      continue;
    }
    ASSERT_NE(label, texts.end());
    EXPECT_NE(label->find(c.label), std::string::npos) << *label;
    std::size_t verticals = 0;
    std::set<std::pair<int, int>> spans;
    for (const test::Stroke& s : test::StrokesIn(pages.front(), 0x404040))
      if (s.x1 == s.x2 && s.y2 > s.y1) ++verticals, spans.insert({s.y1, s.y2});
    // Every drain runs from the ground line to one bottom.
    EXPECT_EQ(spans.size(), 1u);
    EXPECT_GE(verticals, 10u);
    if (c.spacing) {
      EXPECT_GT(verticals, spaced);  // the band's hatching is closer than the drains
    } else {
      spaced = verticals;
    }
  }
}

// Nothing on a printed settlement page is set smaller than 8 pt: axis numbers, legends, notes
// and tables of displays 9 to 13 of both problems.
TEST_F(SettlementMapTest, NoSettlementPageTextIsSmallerThan8Points) {
  const int least = kDpi * 8 / 72;
  for (const char* file : {"embankment-plates.qdw", "building.qdw", "embankment-drains.qdw"})
    for (const DisplayRow& row : kDisplays) {
      if (row.number < 9) continue;
      Open(file);
      SCOPED_TRACE(std::string(file) + " " + row.cliName);
      if (!row.hasContent(state.document)) continue;
      for (const RecordingDeviceContext& page : PrintAll(row.mode))
        for (const std::string& line : page.lines()) {
          int height = 0;
          if (std::sscanf(line.c_str(), "font %d", &height) == 1) {
            EXPECT_GE(height, least) << line;
          }
        }
    }
}

}  // namespace
}  // namespace qel
