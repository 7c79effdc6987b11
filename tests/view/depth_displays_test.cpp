// The depth curves, the round graph axes and the two depth displays drawn through the view.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "analysis/depth_curves.h"
#include "document/load_lists.h"
#include "support/cells_edit.h"
#include "support/example_view.h"
#include "test_support/recording_device_context.h"
#include "view/graph_axes.h"

namespace qel {
namespace {

class DepthDisplayTest : public test::ExampleView {
 protected:
  std::vector<std::string> PrintedTexts(DisplayMode display, int page) {
    return ExampleView::PrintedTexts(display, page, 150);
  }
  static bool Has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }
};

// Every mark is the results table's value, and lies between the curve's samples around its
// depth: the curve passes through the points the tables list.
TEST_F(DepthDisplayTest, CurvesRunThroughTheCalculatedPoints) {
  for (const char* file : {"embankment.qdw", "building.qdw"}) {
    SCOPED_TRACE(file);
    Open(file);
    const bool strip = std::string(file) == "embankment.qdw";
    const CurveRange all{0, 100};
    std::vector<DepthCurve> curves;
    double largest = 0.0;
    if (strip) {
      curves =
          StripDepthCurves(state.document.strip(), state.results.Strip(state.document), 3, all);
      for (const std::vector<StripPiece>& set : state.document.strip().engineLoads.sets)
        for (const StripPiece& p : set)
          largest = std::max(largest, std::fabs(p.h * p.gamma));
    } else {
      const std::optional<ResolvedSection> section = ResolveSection(state.document.plan());
      ASSERT_TRUE(section);
      curves = SectionDepthCurves(state.document.plan(),
                                  state.results.Lattice(state.document, state.circleMethod),
                                  *section, 3, state.circleMethod, all);
      for (const RectLoad& r : state.document.plan().engineLoads.rectangles)
        largest = std::max(largest, std::fabs(r.q));
    }
    ASSERT_GE(curves.size(), 6u);
    ASSERT_GT(largest, 0.0);
    for (const DepthCurve& curve : curves) {
      SCOPED_TRACE(curve.label);
      ASSERT_EQ(curve.samples.size(), static_cast<std::size_t>(kDepthCurveSteps + 1));
      EXPECT_EQ(curve.samples.front().z, 0.0);
      ASSERT_FALSE(curve.marks.empty());
      for (const DepthMark& mark : curve.marks) {
        EXPECT_LE(mark.z, curve.samples.back().z);
        auto after = std::find_if(curve.samples.begin(), curve.samples.end(),
                                  [&](const DepthSample& s) { return s.z >= mark.z; });
        ASSERT_NE(after, curve.samples.end());
        const DepthSample& before = after == curve.samples.begin() ? *after : *(after - 1);
        EXPECT_GE(mark.dP, std::min(before.dP, after->dP) - 0.01 * largest) << mark.z;
        EXPECT_LE(mark.dP, std::max(before.dP, after->dP) + 0.01 * largest) << mark.z;
      }
    }
  }
}

TEST(GraphAxes, RoundRangesCoverTheValuesInRoundSteps) {
  struct Case {
    double low, high;
    int ticks;
    AxisRange expected;
  };
  const Case cases[] = {
      {0.0, 104.93, 5, {0.0, 150.0, 50.0}}, {0.0, 18.75, 10, {0.0, 20.0, 2.0}},
      {-3.2, 7.9, 5, {-5.0, 10.0, 5.0}},    {0.0, 0.3, 5, {0.0, 0.3, 0.1}},
      {0.0, 25.0, 10, {0.0, 25.0, 5.0}},    {2.0, 2.0, 5, {0.0, 1.0, 1.0}},
      {0.0, NAN, 5, {0.0, 1.0, 1.0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.high);
    const AxisRange r = RoundAxisRange(c.low, c.high, c.ticks);
    EXPECT_NEAR(r.from, c.expected.from, 1e-9);
    EXPECT_NEAR(r.to, c.expected.to, 1e-9);
    EXPECT_NEAR(r.step, c.expected.step, 1e-9);
  }
}

// The six curves of a graph each have their own line type and marker, in colour also their own
// colour, so that black-and-white pages still tell them apart.
TEST(GraphAxes, CurvesOfAGraphLookDifferentInColourAndInBlack) {
  for (const bool monochrome : {false, true}) {
    SCOPED_TRACE(monochrome);
    std::set<PenStyle> dashes;
    std::set<CurveMarker> markers;
    std::set<Colour> colours;
    for (int i = 0; i < 6; ++i) {
      const CurveStyle style = CurveStyleOf(i, monochrome);
      dashes.insert(style.dash);
      markers.insert(style.marker);
      colours.insert(style.colour);
    }
    EXPECT_EQ(dashes.size(), 6u);
    EXPECT_EQ(markers.size(), 6u);
    EXPECT_EQ(colours.size(), monochrome ? 1u : 6u);
  }
}

// Six curves to a graph; the section's first page carries its first graph too.
TEST_F(DepthDisplayTest, PageCountsFollowTheCurves) {
  struct Case {
    int columns;
    int pages;
  };
  for (const Case& c : {Case{0, 1}, Case{1, 1}, Case{6, 1}, Case{7, 2}, Case{12, 2}}) {
    SCOPED_TRACE(c.columns);
    state.document.Replace(DocumentTables());
    for (int row = 1; row <= c.columns; ++row) {
      // The strip points hold ten x values: the eleventh and twelfth go to the lattice alone.
      if (row <= kStripPointRows)
        test::Edit(state)->stripPoints[row][point_col::kX] = std::to_string(row);
      test::Edit(state)->gridPoints[row][point_col::kGridX] = std::to_string(row);
    }
    test::Edit(state)->stripPoints[1][point_col::kZ] = "2";
    test::Edit(state)->gridPoints[1][point_col::kGridY] = "0";
    test::Edit(state)->gridPoints[1][point_col::kGridZ] = "2";
    EXPECT_EQ(controller.CountPrintedPages(DisplayMode::StripDepth, 600, 600), c.pages);
    EXPECT_EQ(controller.CountPrintedPages(DisplayMode::RectCircleSection, 600, 600), c.pages);
  }
}

// A page reads alone: heading, axis captions, a legend entry for each of its curves and the
// values of the calculation points as the results table writes them.
TEST_F(DepthDisplayTest, PagesCarryTheirHeadingLegendAndValues) {
  Open("embankment.qdw");
  std::vector<std::string> texts = PrintedTexts(DisplayMode::StripDepth, 1);
  for (const char* text :
       {"帯状荷重 深さ分布　(1/2)", "dP (kN/㎡)", "z (m)", "x = -5.00 m", "x = 21.00 m"})
    EXPECT_TRUE(Has(texts, text)) << text;
  const std::vector<DepthCurve> first =
      StripDepthCurves(state.document.strip(), state.results.Strip(state.document),
                       state.settings.stressDigits, {0, 6});
  int values = 0;
  for (const DepthCurve& curve : first)
    for (const DepthMark& mark : curve.marks)
      values += Has(texts, mark.text);
  EXPECT_GE(values, 20);  // most of the 42 points keep their value beside them
  EXPECT_FALSE(Has(PrintedTexts(DisplayMode::StripDepth, 2), "x = -5.00 m"));

  Open("building.qdw");
  texts = PrintedTexts(DisplayMode::RectCircleSection, 1);
  for (const char* text : {"等圧線 dP kN/㎡　y = 1.5 m", "x (m)", "x = 0.00 m"})
    EXPECT_TRUE(Has(texts, text)) << text;
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::string& t) {
    return t.rfind("長方形円形 断面　y = 1.5 m　縮尺 1/", 0) == 0;
  }));
  texts = PrintedTexts(DisplayMode::RectCircleSection, 2);
  EXPECT_FALSE(Has(texts, "等圧線 dP kN/㎡　y = 1.5 m"));
  EXPECT_TRUE(Has(texts, "長方形円形 深さ分布　y = 1.5 m　(2/2)"));

  // A section across the plan at the first lattice x.
  test::Edit(state)->figures.section = {SectionAxis::kAtX, std::nullopt};
  texts = PrintedTexts(DisplayMode::RectCircleSection, 1);
  EXPECT_TRUE(Has(texts, "等圧線 dP kN/㎡　x = 0 m"));
  EXPECT_TRUE(Has(texts, "y (m)"));
}

// A plan depth or section position of -0 (as a file may hold it) prints as 0 wherever the
// figures name it: the plan's isobar caption, the section's heading and caption, the graphs.
TEST_F(DepthDisplayTest, ANegativeZeroPositionPrintsAsZero) {
  Open("building.qdw");
  test::Edit(state)->figures.planIsobars = {true, {}, false};
  test::Edit(state)->figures.planDepth = -0.0;
  test::Edit(state)->figures.section = {SectionAxis::kAtY, -0.0};
  struct Case {
    DisplayMode display;
    std::vector<std::string> starts;  // of texts on page 1
  };
  const Case cases[] = {
      {DisplayMode::RectCircleFigure, {"等圧線 dP kN/㎡　z = 0 m"}},
      {DisplayMode::RectCircleSection,
       {"長方形円形 断面　y = 0 m　縮尺 1/", "等圧線 dP kN/㎡　y = 0 m",
        "長方形円形 深さ分布　y = 0 m　(1/2)"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(DisplayNumber(c.display));
    const std::vector<std::string> texts = PrintedTexts(c.display, 1);
    for (const std::string& start : c.starts)
      EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const std::string& t) {
        return t.rfind(start, 0) == 0;
      })) << start;
    for (const std::string& text : texts)
      EXPECT_EQ(text.find("= -0"), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace qel
