// The isobar layer of the two figures, drawn through the view as the window draws it.
#include "view/isobar_layer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "base/c_locale.h"
#include "support/cells_edit.h"
#include "support/example_view.h"
#include "test_support/recording_device_context.h"

namespace qel {
namespace {

class IsobarLayerTest : public test::ExampleView {
 protected:
  // The example shown on `display`, drawn on screen once; its polylines and texts.
  RecordingDeviceContext Draw(const std::string& file, DisplayMode display) {
    Open(file);
    controller.ShowDisplay(display);
    RecordingDeviceContext dc(96, 96);
    controller.OnDraw(dc);
    return dc;
  }
};

struct LayerCase {
  const char* file;
  DisplayMode display;
  bool strip;
  std::vector<double> levels;  // empty: the default levels
  const char* caption;
};

// Each level traced carries at least one label, the caption says the unit (and the plan's
// depth: the first lattice depth below the surface), and the lines add polylines to the figure.
TEST_F(IsobarLayerTest, ShownIsobarsAreDrawnWithTheirLevelsAndCaption) {
  const LayerCase cases[] = {
      {"embankment.qdw", DisplayMode::StripFigure, true, {}, "等圧線 dP kN/㎡"},
      {"embankment.qdw", DisplayMode::StripFigure, true, {15, 45}, "等圧線 dP kN/㎡"},
      {"building.qdw", DisplayMode::RectCircleFigure, false, {}, "等圧線 dP kN/㎡　z = 1 m"},
      {"building.qdw", DisplayMode::RectCircleFigure, false, {40}, "等圧線 dP kN/㎡　z = 1 m"},
  };
  for (const LayerCase& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " " + std::to_string(c.levels.size()));
    const std::size_t plain = Draw(c.file, c.display).Lines("polyline").size();
    {
      test::CellsEdit edited(state.document);
      (c.strip ? edited->figures.stripIsobars : edited->figures.planIsobars) = {true, c.levels,
                                                                                false};
      edited->figures.planDepth.reset();
    }
    RecordingDeviceContext dc(96, 96);
    controller.OnDraw(dc);
    EXPECT_GT(dc.Lines("polyline").size(), plain);
    const std::vector<std::string> texts = dc.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), c.caption), texts.end());
    for (double level : c.levels)
      EXPECT_NE(std::find(texts.begin(), texts.end(), FormatC("%g", level)), texts.end()) << level;
    if (c.levels.empty()) {
      // Default levels: at least three different labels.
      EXPECT_GE(std::count_if(texts.begin(), texts.end(),
                              [](const std::string& t) { return ParseRealNumber(t).has_value(); }),
                3);
    }
  }
}

// With the fill on, each level's area is painted before any line of the figure, and the legend
// under the caption names the range of every colour, the last open-ended.
TEST_F(IsobarLayerTest, FilledIsobarsPaintEachLevelUnderTheLinesWithALegend) {
  const LayerCase cases[] = {
      {"embankment.qdw", DisplayMode::StripFigure, true, {10, 30, 60}, "等圧線 dP kN/㎡"},
      {"building.qdw", DisplayMode::RectCircleFigure, false, {40, 80}, "等圧線 dP kN/㎡　z = 1 m"},
  };
  for (const LayerCase& c : cases) {
    SCOPED_TRACE(c.file);
    Open(c.file);
    test::Edit(state)->soilLines.clear();  // the soil column's tints are fills too
    (c.strip ? test::Edit(state)->figures.stripIsobars : test::Edit(state)->figures.planIsobars) = {
        true, c.levels, true};
    controller.ShowDisplay(c.display);
    RecordingDeviceContext dc(150, 150);
    controller.PrintPage(dc, 1);  // paper: no outline of the page window before the figure
    const std::vector<std::string>& log = dc.lines();
    std::vector<std::size_t> fills;
    for (std::size_t i = 0; i < log.size(); ++i)
      if (log[i].rfind("fill ", 0) == 0) fills.push_back(i);
    // One area per level, then one swatch per level in the legend.
    ASSERT_EQ(fills.size(), 2 * c.levels.size());
    const auto firstLine = std::find_if(log.begin(), log.end(), [](const std::string& line) {
      return line.rfind("polyline", 0) == 0 || line.rfind("line", 0) == 0;
    });
    EXPECT_LT(fills[c.levels.size() - 1], static_cast<std::size_t>(firstLine - log.begin()));
    const std::vector<std::string> texts = dc.Texts();
    for (std::size_t i = 0; i + 1 < c.levels.size(); ++i)
      EXPECT_NE(
          std::find(texts.begin(), texts.end(), FormatC("%g ～ %g", c.levels[i], c.levels[i + 1])),
          texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), FormatC("%g 以上", c.levels.back())),
              texts.end());
  }
}

// A figure that holds more levels than it draws traces the first and says so under its caption;
// the document keeps them all.
TEST_F(IsobarLayerTest, MoreLevelsThanAFigureDrawsAreCutAndTheCaptionSaysSo) {
  const std::vector<double> late = {55.5, 111.25};  // levels the building's plan has lines at
  std::vector<double> many;
  for (std::size_t n = 1; n < kMostIsobarLevels; ++n)
    many.push_back(-static_cast<double>(n));  // no line: every load presses down
  many.push_back(7.0);
  many.insert(many.end(), late.begin(), late.end());
  for (const std::vector<double>& levels : {std::vector<double>{7.0, 55.5, 111.25}, many}) {
    const bool cut = levels.size() > kMostIsobarLevels;
    SCOPED_TRACE(levels.size());
    Open("building.qdw");
    test::Edit(state)->figures.planIsobars = {true, levels, false};
    controller.ShowDisplay(DisplayMode::RectCircleFigure);
    RecordingDeviceContext dc(96, 96);
    controller.OnDraw(dc);
    const std::vector<std::string> texts = dc.Texts();
    auto shown = [&texts](const std::string& text) {
      return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    EXPECT_TRUE(shown("7"));
    for (double level : late)
      EXPECT_EQ(shown(FormatC("%g", level)), !cut) << level;
    EXPECT_EQ(shown(FormatC("等圧線の値 %zu 個のうち先頭の %zu 個を描きます", levels.size(),
                            kMostIsobarLevels)),
              cut);
    EXPECT_EQ(state.document.cells().figures.planIsobars.levels, levels);
  }
}

// A repaint, zoom or scroll takes the traced lines from the cache; a changed load traces anew.
TEST_F(IsobarLayerTest, RepaintsReuseTheTraceUntilALoadChanges) {
  Open("embankment.qdw");
  test::Edit(state)->figures.stripIsobars.shown = true;
  controller.ShowDisplay(DisplayMode::StripFigure);
  const test::ComputationCount traced(computations);
  RecordingDeviceContext first(96, 96);
  controller.OnDraw(first);
  const int traces = traced.isobars();
  EXPECT_GE(traces, 1);
  RecordingDeviceContext again(96, 96);
  controller.OnDraw(again);
  EXPECT_EQ(traced.isobars(), traces);
  EXPECT_EQ(again.Log(), first.Log());
  test::Edit(state)->stripLoads[1][1][strip_col::kH] = "9";
  RecordingDeviceContext changed(96, 96);
  controller.OnDraw(changed);
  EXPECT_EQ(traced.isobars(), traces + 1);
}

// The texts printed on every page of `display` at 300 dpi.
std::vector<std::vector<std::string>> PageTexts(ViewController& controller, DisplayMode display) {
  std::vector<std::vector<std::string>> pages;
  const int count = controller.CountPrintedPages(display, 300, 300);
  for (int page = 1; page <= count; ++page) {
    RecordingDeviceContext dc(300, 300);
    controller.PrintPage(dc, display, page);
    pages.push_back(dc.Texts());
  }
  return pages;
}

// Levels no dP on a page reaches leave it without a line, and its caption says so with the
// range of dP the page has, at the results tables' decimals: over the pages, that range holds
// every calculation point's dP, and no page exceeds the sum of the loads.
TEST_F(IsobarLayerTest, APageWithoutALineGivesTheRangeItsLevelsMissed) {
  struct Case {
    const char* file;
    bool strip;
    std::vector<double> levels;
  };
  const Case cases[] = {
      {"embankment.qdw", true, {-10}},
      {"embankment.qdw", true, {1e9}},
      {"building.qdw", false, {1e9, -5}},
  };
  const std::regex caption(R"(等圧線: 指定の値は範囲外 \(dP (-?\d+\.(\d+))〜(-?\d+\.\d+)\).*)");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " " + FormatC("%g", c.levels.front()));
    Open(c.file);
    (c.strip ? test::Edit(state)->figures.stripIsobars : test::Edit(state)->figures.planIsobars) = {
        true, c.levels, false};
    double low = 1e300, high = -1e300;
    const DisplayMode display = c.strip ? DisplayMode::StripFigure : DisplayMode::RectCircleFigure;
    for (const std::vector<std::string>& texts : PageTexts(controller, display)) {
      const auto found = std::find_if(texts.begin(), texts.end(), [&](const std::string& text) {
        return std::regex_match(text, caption);
      });
      ASSERT_NE(found, texts.end());
      std::smatch match;
      std::regex_match(*found, match, caption);
      EXPECT_EQ(match[2].length(), state.settings.stressDigits);
      const double pageLow = std::stod(match[1]), pageHigh = std::stod(match[3]);
      EXPECT_LE(pageLow, pageHigh);
      low = std::min(low, pageLow);
      high = std::max(high, pageHigh);
    }
    double smallest = 1e300, largest = -1e300;
    const ResultsGrid& results = c.strip
                                     ? state.results.Strip(state.document)
                                     : state.results.Lattice(state.document, state.circleMethod);
    for (int x = 1; x < ResultsGrid::kSize; ++x)
      for (int y = 1; y < ResultsGrid::kSize; ++y) {
        const double value = c.strip ? results.strip(x, y) : results.at(x, y, 2);  // z = 1 m
        if (value == 0.0) continue;                                                // no point there
        smallest = std::min(smallest, value);
        largest = std::max(largest, value);
      }
    const double unit = std::pow(10.0, -state.settings.stressDigits);
    EXPECT_LE(low, smallest + unit);
    EXPECT_GE(high, largest - unit);
    EXPECT_LE(high, c.strip ? 95.0 + 36.0 + 10.0 + 10.0 : 250.0 * 3 + 120.0 + 95.0);
  }
}

// The fill's legend lists only the classes of dP the page has: the building's plan at 4 m,
// where dP stays under 100, lists none from 100 up; its lines are at 25, 50 and 75.
TEST_F(IsobarLayerTest, TheLegendListsOnlyTheClassesOnThePage) {
  Open("building.qdw");
  test::Edit(state)->figures.planIsobars = {true, {}, true};
  test::Edit(state)->figures.planDepth = 4.0;
  double largest = 0.0;  // the lattice's dP at 4 m, which the classes must hold
  const ResultsGrid& results = state.results.Lattice(state.document, state.circleMethod);
  for (int x = 1; x < ResultsGrid::kSize; ++x)
    for (int y = 1; y < ResultsGrid::kSize; ++y)
      largest = std::max(largest, results.at(x, y, 4));
  ASSERT_GT(largest, 75.0);
  ASSERT_LT(largest, 100.0);
  const std::vector<std::string> texts =
      PageTexts(controller, DisplayMode::RectCircleFigure).front();
  auto shown = [&texts](const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  };
  for (const char* present : {"25 ～ 50", "50 ～ 75", "75 ～ 100"})
    EXPECT_TRUE(shown(present)) << present;
  for (const char* absent :
       {"100 ～ 125", "125 ～ 150", "150 ～ 175", "175 ～ 200", "200 ～ 225", "225 以上"})
    EXPECT_FALSE(shown(absent)) << absent;
}

// With more classes than a legend lists, it is a graduated bar: a tick label for some levels,
// far fewer texts than classes, and none of the list's rows.
TEST_F(IsobarLayerTest, ManyClassesMakeAGraduatedBar) {
  Open("embankment.qdw");
  std::vector<double> levels;
  for (int level = 1; level <= 100; ++level)
    levels.push_back(level);
  test::Edit(state)->figures.stripIsobars = {true, levels, true};
  RecordingDeviceContext dc(300, 300);
  controller.PrintPage(dc, DisplayMode::StripFigure, 1);
  const std::vector<std::string> texts = dc.Texts();
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                          [](const std::string& t) { return t.find(" ～ ") != std::string::npos; }),
            0);
  EXPECT_EQ(dc.Lines("paper").size(), 1u);  // the bar's ground
}

// Circles computed by the compatible method say so under the plan's caption.
TEST_F(IsobarLayerTest, ThePlanCaptionNamesTheCompatibleCircleMethod) {
  const std::string note = "円形荷重は旧版互換の計算方法による値です";
  for (const CircleMethod method : {CircleMethod::kExact, CircleMethod::kCompatible}) {
    Open("building.qdw");
    state.circleMethod = method;
    test::Edit(state)->figures.planIsobars = {true, {}, false};
    test::Edit(state)->figures.stripIsobars = {true, {}, false};
    const std::vector<std::string> plan = PageTexts(controller, DisplayMode::RectCircleFigure)[0];
    EXPECT_EQ(std::count(plan.begin(), plan.end(), note),
              method == CircleMethod::kCompatible ? 1 : 0);
  }
}

// The plan depth: the document's, else the first lattice depth below the surface.
TEST(PlanIsobarDepth, TheDocumentsDepthElseTheFirstBelowTheSurface) {
  struct Case {
    std::vector<const char*> depths;
    std::optional<double> set, expected;
  };
  const Case cases[] = {
      {{"0", "1", "2"}, std::nullopt, 1.0},
      {{"2", "1"}, std::nullopt, 2.0},
      {{"0"}, std::nullopt, std::nullopt},
      {{}, std::nullopt, std::nullopt},
      {{"0", "1"}, 0.0, 0.0},
      {{}, 3.5, 3.5},
  };
  for (const Case& c : cases) {
    DocumentTables tables;
    for (std::size_t i = 0; i < c.depths.size(); ++i)
      tables.gridPoints[i + 1][point_col::kGridZ] = c.depths[i];
    tables.figures.planDepth = c.set;
    EXPECT_EQ(PlanIsobarDepth(PlanProblem(tables)), c.expected);
  }
}

}  // namespace
}  // namespace qel
