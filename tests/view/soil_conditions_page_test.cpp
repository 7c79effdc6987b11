// The pages of the soil profile as entered: the largest profile breaks over pages with its
// headings, every name readable and every curve with its plot; the report's order; the file.
#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/soil_conditions_model.h"
#include "support/cells_edit.h"
#include "support/example_view.h"
#include "support/worst_soil_profile.h"
#include "view/display_table.h"
#include "view/report.h"
#include "view/soil_conditions_plot.h"
#include "view/table_rows.h"
#include "view/text_wrap.h"

namespace qel {
namespace {

class SoilConditionsPageTest : public test::ExampleView {};

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// 50 layers of 20-character names and 20 curves of 30 points: no text is cut or runs over the
// next, every page of layers begins with their headings, every curve stays on one page with its
// plot beside it.
TEST_F(SoilConditionsPageTest, TheLargestProfileBreaksOverPagesReadably) {
  Open("embankment.qdw");
  test::Edit(state)->soilLines = WorstSoilProfileLines();
  ASSERT_TRUE(state.document.soil(1).profile);
  const DisplayMode display = DisplayMode::StripSoilConditions;
  const int pages = controller.CountPrintedPages(display, 300, 300);
  ASSERT_GE(pages, 3);

  const TableContent& content = state.caches.stripSoil.content;
  const TableTextMeasure& measure = content.textMeasure();
  ASSERT_GT(measure.emWidth, 0);
  std::vector<std::vector<std::pair<double, std::string>>> lines(content.LineCount());
  content.ForEachText(0, content.LineCount(), [&](std::size_t line, double x, std::string_view t) {
    lines[line].emplace_back(x, std::string(t));
  });
  for (const auto& line : lines)
    for (std::size_t i = 0; i < line.size(); ++i) {
      const auto& [x, text] = line[i];
      SCOPED_TRACE(text);
      EXPECT_FALSE(Has(text, kCutMark));
      const double end = x + EstimatedEms(text, kNominalHalfWidthEms) * measure.emWidth;
      EXPECT_LE(end, measure.rightEdge + 1e-9);
      if (i + 1 < line.size()) {
        EXPECT_LE(end, line[i + 1].first + 1e-9);
      }
    }

  int curveTitles = 0;
  for (int page = 1; page <= pages; ++page) {
    SCOPED_TRACE(page);
    const std::vector<std::string> texts = PrintedTexts(display, page, 300);
    const auto name = std::find_if(texts.begin(), texts.end(),
                                   [](const std::string& t) { return Has(t, "沖積粘性"); });
    const auto heading = std::find(texts.begin(), texts.end(), "γsat");
    if (name != texts.end()) {
      EXPECT_LT(heading, name);
    }
    int titles = 0, plots = 0;
    for (const std::string& text : texts) {
      titles += text.rfind("e-log p 曲線 ", 0) == 0;
      plots += text == "p (kN/㎡)";
      EXPECT_FALSE(Has(text, "e-log p 曲線") && Has(text, kContinuedMark)) << text;
    }
    EXPECT_EQ(titles, plots);
    curveTitles += titles;
  }
  EXPECT_EQ(curveTitles, 20);
}

// Each problem's report prints the profile before its settlement displays; without a soil
// section there is none.
TEST_F(SoilConditionsPageTest, TheReportPrintsTheProfileBeforeEachProblemsSettlement) {
  for (const auto& [file, withSoil] :
       {std::pair{"embankment.qdw", true}, std::pair{"building.qdw", true},
        std::pair{"building.qdw", false}}) {
    SCOPED_TRACE(std::string(file) + (withSoil ? "" : " without soil"));
    Open(file);
    if (!withSoil) test::Edit(state)->soilLines.clear();
    std::vector<DisplayKind> settlementKinds;
    for (const ReportPage& page : ReportPages(controller, 150, 150)) {
      const DisplayKind kind = DisplayRowOf(page.display).kind;
      if (kind == DisplayKind::SoilConditions || kind == DisplayKind::SettlementTable)
        if (settlementKinds.empty() || settlementKinds.back() != kind)
          settlementKinds.push_back(kind);
    }
    const std::vector<DisplayKind> expected =
        withSoil ? std::vector{DisplayKind::SoilConditions, DisplayKind::SettlementTable}
                 : std::vector<DisplayKind>{};
    EXPECT_EQ(settlementKinds, expected);
  }
}

// Display 12 leaves the program as the model of its pages, named as the menu names it.
TEST_F(SoilConditionsPageTest, TheFileHoldsTheTableOfThePages) {
  Open("embankment.qdw");
  const std::optional<TableRows> rows =
      BuildTableRows(*DisplayModeFromNumber(12, Problem::Strip), state.document, state.results,
                     state.circleMethod, state.settings);
  ASSERT_TRUE(rows);
  EXPECT_EQ(rows->name, "地盤条件");
  EXPECT_EQ(rows->rows.size(),
            ExportedRows(SoilConditionsTable(state.document.soil(1), state.settings)).rows.size());
  int curvePoints = 0;
  for (const std::vector<std::string>& row : rows->rows)
    curvePoints += row[0] == SoilCurveTitle(1);
  EXPECT_EQ(curvePoints, 7);
}

// The plot spans whole decades around the points' p and a round range around their e.
TEST(ElogPRanges, DecadesAndVoidRatiosAroundThePoints) {
  struct Case {
    std::vector<double> p, e;
    int firstDecade, lastDecade;
  } cases[] = {
      {{10, 20, 40, 80, 160, 320, 640}, {2.30, 2.25, 2.16, 2.00, 1.82, 1.64, 1.46}, 1, 3},
      {{5, 3200}, {1.2, 0.8}, 0, 4},
      {{20, 80}, {1.1, 1.0}, 1, 2},
      {{100, 1000}, {0.9, 0.7}, 2, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.p.front());
    const ElogPPlotRanges ranges = ElogPRanges({1, c.p, c.e});
    EXPECT_EQ(ranges.firstDecade, c.firstDecade);
    EXPECT_EQ(ranges.lastDecade, c.lastDecade);
    const auto [low, high] = std::minmax_element(c.e.begin(), c.e.end());
    EXPECT_LE(ranges.e.from, *low + 1e-9);
    EXPECT_GE(ranges.e.to, *high - 1e-9);
    EXPECT_LT(ranges.e.to - ranges.e.from, 4 * (*high - *low));
  }
}

}  // namespace
}  // namespace qel
