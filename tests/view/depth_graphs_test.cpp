// The depth graphs read at a glance: every value listed, legends off the curves, six line types,
// their own titles, and a section that is sized to its bulbs and says when it has no line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "settings/number_format.h"
#include "support/cells_edit.h"
#include "support/example_view.h"
#include "test_support/recording_device_context.h"
#include "view/depth_section.h"
#include "view/figure_notes.h"
#include "view/graph_axes.h"
#include "view/isobar_layer.h"
#include "view/page_furniture.h"
#include "view/table_rows.h"

namespace qel {
namespace {

constexpr int kDpi = 150;

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// How each document of a case is changed after it is read.
enum class Edit { None, SectionAtX, FootingAcrossColumns, FarSection };

class DepthGraphTest : public test::ExampleView {
 protected:
  void Load(const std::string& file, Edit edit) {
    Open(file);
    test::CellsEdit edited(state.document);
    DocumentTables& t = *edited;
    if (edit == Edit::SectionAtX) t.figures.section = {SectionAxis::kAtX, 9.5};
    if (edit == Edit::FarSection) t.figures.section = {SectionAxis::kAtY, 1000.0};
    if (edit != Edit::FootingAcrossColumns) return;
    // A 2 m square footing centred on x = 1, y = 1, and lattice columns symmetric about it.
    for (auto& row : t.rectLoads)
      for (std::string& cell : row)
        cell.clear();
    for (auto& row : t.circleLoads)
      for (std::string& cell : row)
        cell.clear();
    for (auto& row : t.gridPoints)
      for (std::string& cell : row)
        cell.clear();
    const char* rect[] = {"", "1", "0", "0", "2", "2", "100"};
    for (int c = 1; c <= kRectColumns; ++c)
      t.rectLoads[1][c] = rect[c];
    const char* xs[] = {"-1", "0", "1", "2", "3"};
    const char* zs[] = {"0", "1", "2", "4"};
    for (int i = 0; i < 5; ++i)
      t.gridPoints[i + 1][point_col::kGridX] = xs[i];
    for (int i = 0; i < 4; ++i)
      t.gridPoints[i + 1][point_col::kGridZ] = zs[i];
    t.gridPoints[1][point_col::kGridY] = "1";
    t.figures.section = {SectionAxis::kAtY, std::nullopt};
  }
  RecordingDeviceContext Print(DisplayMode display, int page) {
    RecordingDeviceContext dc(kDpi, kDpi);
    controller.PrintPage(dc, display, page);
    return dc;
  }
  // Every text of every page of `display`, without the blanks around it.
  std::multiset<std::string> AllTexts(DisplayMode display) {
    std::multiset<std::string> texts;
    for (int page = 1; page <= controller.CountPrintedPages(display, kDpi, kDpi); ++page)
      for (const std::string& text : PrintedTexts(display, page, kDpi))
        texts.insert(Trim(text));
    return texts;
  }
  // The dP cells of the results table of `display`'s problem, as that table prints them: all
  // of the strip's, and the lattice's on the section line.
  std::multiset<std::string> TableValues(DisplayMode display) {
    const bool strip = display == DisplayMode::StripDepth;
    const std::optional<TableRows> rows =
        BuildTableRows(strip ? DisplayMode::StripResults : DisplayMode::RectCircleResults,
                       state.document, state.results, state.circleMethod, state.settings);
    const std::optional<ResolvedSection> section = ResolveSection(state.document.plan());
    std::multiset<std::string> values;
    for (const std::vector<std::string>& row : rows->rows) {
      if (!strip && row[section->atY ? 2 : 1] != FormatUnsignedZero("%4.2f", section->at)) continue;
      const std::string& dP = row[strip ? 2 : 4];
      if (!dP.empty() && dP != "－") values.insert(dP);
    }
    return values;
  }
};

TEST_F(DepthGraphTest, EveryValueOfTheResultsTableStandsOnItsGraph) {
  struct Case {
    const char* file;
    Edit edit;
    DisplayMode display;
  };
  for (const Case& c :
       {Case{"embankment.qdw", Edit::None, DisplayMode::StripDepth},
        Case{"building.qdw", Edit::None, DisplayMode::RectCircleSection},
        Case{"building.qdw", Edit::SectionAtX, DisplayMode::RectCircleSection},
        Case{"building.qdw", Edit::FootingAcrossColumns, DisplayMode::RectCircleSection}}) {
    SCOPED_TRACE(std::string(c.file) + " " + std::to_string(static_cast<int>(c.edit)));
    Load(c.file, c.edit);
    const std::multiset<std::string> expected = TableValues(c.display);
    ASSERT_GE(expected.size(), 12u);
    const std::multiset<std::string> printed = AllTexts(c.display);
    for (const std::string& value : expected)
      EXPECT_GE(printed.count(value), expected.count(value)) << value;
  }
}

// The legend's labels and samples lie on the paper and no curve passes through them.
TEST_F(DepthGraphTest, LegendsStayOnThePageAndOffTheCurves) {
  struct Case {
    const char* file;
    Edit edit;
    DisplayMode display;
    int page;
  };
  const int h = kDpi * 7 / 72;  // notes are 7 points high
  for (const Case& c :
       {Case{"embankment.qdw", Edit::None, DisplayMode::StripDepth, 1},
        Case{"embankment.qdw", Edit::None, DisplayMode::StripDepth, 2},
        Case{"building.qdw", Edit::None, DisplayMode::RectCircleSection, 1},
        Case{"building.qdw", Edit::None, DisplayMode::RectCircleSection, 2},
        Case{"building.qdw", Edit::FootingAcrossColumns, DisplayMode::RectCircleSection, 1}}) {
    SCOPED_TRACE(std::string(c.file) + " page " + std::to_string(c.page));
    Load(c.file, c.edit);
    const RecordingDeviceContext dc = Print(c.display, c.page);
    std::vector<std::vector<DevicePoint>> curves;
    for (const std::string& line : dc.Lines("polyline")) {
      std::istringstream in(line.substr(9));
      std::vector<DevicePoint> points;
      for (DevicePoint p; in >> p.x && in.ignore(1) && in >> p.y;)
        points.push_back(p);
      if (points.size() > 50) curves.push_back(points);
    }
    ASSERT_GE(curves.size(), 3u);
    int labels = 0;
    for (const std::string& line : dc.Lines("text")) {
      int x = 0, y = 0;
      char label[64] = {};
      if (std::sscanf(line.c_str(), "text %d %d %63[^\n]", &x, &y, label) != 3) continue;
      const std::string text = label;
      if (text.rfind("x = ", 0) != 0 && text.rfind("y = ", 0) != 0) continue;
      if (text.find(" m") != text.size() - 2) continue;  // the headings name the line too
      ++labels;
      // The label and the sample in the row above it.
      const int half = NoteTextWidth(text, h) / 2;
      const int left = x - half, right = x + half, top = y - 2 * h, bottom = y + h;
      EXPECT_GE(left, 0);
      EXPECT_GE(top, 0);
      EXPECT_LE(right, state.geometry.paperWidthMm * kDpi * 10 / 254) << text;
      EXPECT_LE(bottom, state.geometry.paperHeightMm * kDpi * 10 / 254) << text;
      for (const std::vector<DevicePoint>& curve : curves)
        for (std::size_t i = 1; i < curve.size(); ++i) {
          const DevicePoint a = curve[i - 1], b = curve[i];
          const int steps = std::max({std::abs(b.x - a.x), std::abs(b.y - a.y), 1});
          for (int s = 0; s <= steps; ++s) {
            const int px = a.x + (b.x - a.x) * s / steps, py = a.y + (b.y - a.y) * s / steps;
            ASSERT_FALSE(px >= left && px <= right && py >= top && py <= bottom)
                << text << " at " << px << "," << py;
          }
        }
    }
    EXPECT_GE(labels, 3);
  }
}

// In black and white every curve of a graph has its own line type, the grid is lighter and
// thinner than any of them, and the legend's samples are at least 15 mm long.
TEST_F(DepthGraphTest, BlackAndWhiteCurvesTellApart) {
  Load("embankment.qdw", Edit::None);
  state.settings.colourMode = 1;
  const RecordingDeviceContext dc = Print(DisplayMode::StripDepth, 1);
  std::set<std::string> curveStyles;
  std::map<std::string, int> curvePens;  // style -> width
  std::vector<int> sampleLengths;
  std::string pen;
  int moveX = 0;
  for (const std::string& line : dc.lines()) {
    char style[16] = {};
    int width = 0, x = 0;
    unsigned colour = 0;
    if (std::sscanf(line.c_str(), "pen %15s %d 0x%x", style, &width, &colour) == 3) pen = line;
    if (line.rfind("polyline", 0) == 0 && std::count(line.begin(), line.end(), ',') > 50 &&
        std::sscanf(pen.c_str(), "pen %15s %d 0x%x", style, &width, &colour) == 3) {
      curveStyles.insert(style);
      curvePens[style] = width;
      EXPECT_EQ(colour, 0u);
    }
    if (std::sscanf(line.c_str(), "moveto %d", &x) == 1) moveX = x;
    if (std::sscanf(line.c_str(), "lineto %d", &x) == 1 &&
        std::sscanf(pen.c_str(), "pen %15s %d 0x%x", style, &width, &colour) == 3 &&
        curvePens.count(style) && width == curvePens[style])
      sampleLengths.push_back(std::abs(x - moveX));
  }
  EXPECT_EQ(curveStyles.size(), 6u);
  ASSERT_EQ(sampleLengths.size(), 6u);
  for (int length : sampleLengths)
    EXPECT_GE(length, 15 * kDpi * 10 / 254);
  int gridLines = 0;
  for (const std::string& line : dc.Lines("pen")) {
    char style[16] = {};
    int width = 0;
    unsigned colour = 0;
    std::sscanf(line.c_str(), "pen %15s %d 0x%x", style, &width, &colour);
    if (colour != 0xc8c8c8) continue;
    ++gridLines;
    EXPECT_STREQ(style, "solid");
    for (const auto& [curveStyle, curveWidth] : curvePens)
      EXPECT_LT(width, curveWidth) << curveStyle;
  }
  EXPECT_GE(gridLines, 5);
}

TEST(DepthGraphTitles, TheFigureTitleNamesWhatTheDepthDisplayShows) {
  struct Case {
    const char* figure;
    const char* word;
    const char* expected;
  };
  const Case cases[] = {
      {"道路盛土　断面形状図", "深さ分布", "道路盛土　深さ分布"},
      {"建物基礎　等分布荷重 形状図", "断面・深さ分布", "建物基礎　等分布荷重 断面・深さ分布"},
      {"形状図と断面形状図　 ", "深さ分布", "形状図と深さ分布"},
      {"検討図", "深さ分布", "検討図　深さ分布"},
      {"", "深さ分布", ""},
      {"　", "深さ分布", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DepthDisplayTitle(c.figure, c.word), c.expected) << c.figure;
}

// The section's lines carry their levels inside the frame, as the figures' lines do.
TEST_F(DepthGraphTest, SectionLinesCarryTheirLevels) {
  Load("building.qdw", Edit::None);
  const std::vector<std::string> texts = PrintedTexts(DisplayMode::RectCircleSection, 1, kDpi);
  for (const char* level : {"25", "50", "75", "100"})
    EXPECT_GE(std::count(texts.begin(), texts.end(), level), 1) << level;
}

TEST_F(DepthGraphTest, PagesCarryTheirOwnTitleAndTheCircleMethodNote) {
  struct Case {
    const char* file;
    DisplayMode display;
    CircleMethod method;
    const char* title;
    bool note;
  };
  const std::string note = "円形荷重は旧版互換の計算方法による値です";
  for (const Case& c :
       {Case{"embankment.qdw", DisplayMode::StripDepth, CircleMethod::kCompatible,
             "道路盛土による地中の鉛直増加応力　深さ分布", false},
        Case{"building.qdw", DisplayMode::RectCircleSection, CircleMethod::kExact,
             "建物基礎とタンク　等分布荷重 断面・深さ分布", false},
        Case{"building.qdw", DisplayMode::RectCircleSection, CircleMethod::kCompatible,
             "建物基礎とタンク　等分布荷重 断面・深さ分布", true}}) {
    SCOPED_TRACE(c.title);
    Load(c.file, Edit::None);
    state.circleMethod = c.method;
    const std::vector<std::string> texts = PrintedTexts(c.display, 1, kDpi);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), c.title), 1);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), note), c.note ? 1 : 0);
  }
}

// A section off every load has no line: its caption says so with the section's values, and the
// graphs' dP axis reads 0 to the largest load instead of "0 0 0 0".
TEST_F(DepthGraphTest, ASectionWithoutLinesSaysSo) {
  struct Case {
    Edit edit;
    bool outOfRange;
  };
  const std::string outOfRange = IsobarsOutOfRangeText(0.0, 0.0, 3);
  for (const Case& c : {Case{Edit::None, false}, Case{Edit::FarSection, true}}) {
    SCOPED_TRACE(c.outOfRange);
    Load("building.qdw", c.edit);
    const std::vector<std::string> texts = PrintedTexts(DisplayMode::RectCircleSection, 1, kDpi);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), outOfRange), c.outOfRange ? 1 : 0);
    // x and z of the section, dP, and the depth graph's axis read from its start
    EXPECT_LE(std::count(texts.begin(), texts.end(), "0"), 4);
    for (const char* tick : {"50", "100", "150", "200", "250"})
      EXPECT_GE(std::count(texts.begin(), texts.end(), tick), 1) << tick;
  }
  EXPECT_EQ(IsobarsOutOfRangeText(-0.0001, 96.6484, 3),
            "等圧線: 指定の値は範囲外 (dP 0.000〜96.648)");
}

TEST(DepthGraphAxes, ValuesThatPrintAsZeroTakeTheLoadsRange) {
  struct Case {
    std::vector<double> values;
    double fallback;
    AxisRange expected;
  };
  const Case cases[] = {
      {{0.0, 0.0}, 250.0, {0.0, 250.0, 50.0}},    {{1e-10, -2e-11}, 250.0, {0.0, 250.0, 50.0}},
      {{0.0, 1e-10}, 0.0, {0.0, 1.0, 0.2}},       {{0.0, 0.0006}, 250.0, {0.0, 0.0006, 0.0002}},
      {{0.0, 104.93}, 250.0, {0.0, 150.0, 50.0}},
  };
  for (const Case& c : cases) {
    DepthCurve curve;
    for (double v : c.values)
      curve.samples.push_back({0.0, v});
    const AxisRange r = CurveValueRange({curve}, 0.0005, c.fallback);
    EXPECT_NEAR(r.from, c.expected.from, 1e-12);
    EXPECT_NEAR(r.to, c.expected.to, 1e-12);
    EXPECT_NEAR(r.step, c.expected.step, 1e-12);
  }
}

TEST_F(DepthGraphTest, CurvesDrawnOverEachOtherAreNamedInTheLegend) {
  Load("building.qdw", Edit::FootingAcrossColumns);
  const std::optional<ResolvedSection> section = ResolveSection(state.document.plan());
  ASSERT_TRUE(section);
  const std::vector<DepthCurve> curves = SectionDepthCurves(
      state.document.plan(), state.results.Lattice(state.document, state.circleMethod), *section, 3,
      CircleMethod::kExact, {0, 6});
  // x = 2 mirrors x = 0 about the footing's middle, and x = 3 mirrors x = -1.
  EXPECT_EQ(CoincidentCurves(curves, 100.0), (std::vector<int>{-1, -1, -1, 1, 0}));
  const std::vector<std::string> texts = PrintedTexts(DisplayMode::RectCircleSection, 1, kDpi);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "x = 0.00 m と同じ"), 1);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "x = -1.00 m と同じ"), 1);

  DepthCurve a, b;
  a.samples = {{0.0, 50.0}, {1.0, 20.0}};
  b.samples = {{0.0, 50.0 + 2e-8}, {1.0, 20.0}};
  EXPECT_EQ(CoincidentCurves({a, b}, 100.0), (std::vector<int>{-1, 0}));
  EXPECT_EQ(CoincidentCurves({a, b}, 1.0), (std::vector<int>{-1, -1}));
  b.samples.pop_back();
  EXPECT_EQ(CoincidentCurves({a, b}, 100.0), (std::vector<int>{-1, -1}));
}

// A bulb dP = 100 exp(-z / 4) between u = -1 and 1 ends at z = 4 ln(100 / level); the section
// goes a twentieth below it.
TEST(DepthSection, TheSectionReachesTheBottomOfItsDeepestBulb) {
  const ScalarField bulb = [](double u, double z) {
    return std::fabs(u) <= 1.0 ? 100.0 * std::exp(-z / 4.0) : 0.0;
  };
  const ScalarField hollow = [&bulb](double u, double z) { return -bulb(u, z); };
  struct Case {
    const ScalarField* field;
    std::vector<double> levels;
    bool found;
    double bottom;  // of the window SectionWindow makes; the default is 5, the limit 12
  };
  const Case cases[] = {
      {&bulb, {10.0, 50.0}, true, 1.05 * 4.0 * std::log(10.0)},
      {&bulb, {50.0, 80.0}, true, 5.0},
      {&bulb, {1.0, 50.0}, true, 12.0},
      {&hollow, {-10.0}, true, 1.05 * 4.0 * std::log(10.0)},
      {&bulb, {-10.0}, false, 5.0},
      {&bulb, {}, false, 5.0},
  };
  const ContourWindow window{-20.0, 20.0, 0.0, 5.0};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.levels.empty() ? 0.0 : c.levels.front());
    const BulbSurvey survey = SurveyBulbs(*c.field, window, c.levels, {-1.0, 1.0});
    EXPECT_EQ(survey.found, c.found);
    const ContourWindow shown = SectionWindow(window, {0.0, 3.0}, survey);
    EXPECT_NEAR(shown.v1, c.bottom, 1e-3);
    // Across: the content from 0 to 3 and the bulb from -1 to 1, with a twentieth more.
    const double margin = std::max(c.found ? 4.0 : 3.0, shown.v1) / 20.0;
    EXPECT_NEAR(shown.u0, (c.found ? -1.0 : 0.0) - margin, 1e-9);
    EXPECT_NEAR(shown.u1, 3.0 + margin, 1e-9);
  }
}

}  // namespace
}  // namespace qel
