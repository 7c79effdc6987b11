// The settlement plates display: which problem shows it, its pages plate by plate, the page of a
// plate drawing the rows of the table of fits, the plots' pages, and its CSV.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/cells_edit.h"
#include "support/example_view.h"
#include "test_support/recording_device_context.h"
#include "view/plate_pages.h"
#include "view/table_rows.h"
#include "view/table_text.h"

namespace qel {
namespace {

constexpr int kDpi = 100;
constexpr DisplayMode kStripPlates = DisplayMode::StripSettlementPlates;
constexpr DisplayMode kRectPlates = DisplayMode::RectCircleSettlementPlates;

class PlateDisplayTest : public test::ExampleView {
 protected:
  std::vector<std::string> Texts(DisplayMode display, int page) {
    return PrintedTexts(display, page, kDpi);
  }
  PlateComparison Comparison() {
    return ComparePlates(state.document,
                         state.caches.settlement.Get(state.document, 1, state.circleMethod),
                         Problem::Strip);
  }
};

bool Holds(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// Plates show with the rectangle/circle problem when it has columns to settle, with the strip's
// when it has or neither has; without plates, with neither.
TEST_F(PlateDisplayTest, ShownWithTheProblemWhoseColumnsThePlatesMeet) {
  struct Case {
    const char* file;
    bool plates, strip, rect;
  };
  const Case cases[] = {{"embankment-plates.qdw", true, true, false},
                        {"embankment.qdw", false, false, false},
                        {"embankment.qdw", true, true, false},
                        {"building.qdw", true, false, true},
                        {"building.qdw", false, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    Open(c.file);
    if (c.plates && !state.document.hasMeasurements())
      test::Edit(state)->obsLines = std::vector<std::string>{"plate=1,SP,0,0,0"};
    EXPECT_EQ(DisplayRowOf(kStripPlates).hasContent(state.document), c.strip);
    EXPECT_EQ(DisplayRowOf(kRectPlates).hasContent(state.document), c.rect);
  }
}

// A plate's graph page, then a page of plots for every four fits made; a plate of fits none of
// which can be made has its graph page alone.
TEST_F(PlateDisplayTest, EachPlateHasItsGraphPageAndAPageOfPlotsForEveryFourFitsMade) {
  std::vector<std::string> lines = {"plate=1,A,0,0,0", "plate=2,B,0,0,0", "plate=3,C,0,0,0"};
  for (int t = 0; t <= 100; t += 10)
    for (int plate = 1; plate <= 3; ++plate)
      lines.push_back("read=" + std::to_string(plate) + "," + std::to_string(t) + "," +
                      std::to_string(t / (100.0 + t)));
  for (int i = 0; i < 5; ++i)
    lines.push_back("fit=1,hyperbolic," + std::to_string(i) + ",100");
  lines.push_back("fit=1,sqrt,0,15");  // too few readings
  lines.push_back("fit=2,sqrt,0,15");
  lines.push_back("fit=3,asaoka,0,100,20");
  Open("embankment.qdw");
  test::Edit(state)->obsLines = lines;
  const std::vector<PlatePage> expected = {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {2, 0}, {2, 1}};
  EXPECT_EQ(PlatePagesOf(Comparison().predictions), expected);
  EXPECT_EQ(controller.CountPrintedPages(kStripPlates, kDpi, kDpi), 6);
  // More fits than line styles: every one still has its row under the graph.
  const std::vector<std::string> first = Texts(kStripPlates, 1);
  EXPECT_EQ(std::count(first.begin(), first.end(), "双曲線法"), 5);
  EXPECT_EQ(std::count(first.begin(), first.end(), "√t法"), 1);

  Open("embankment-plates.qdw");
  EXPECT_EQ(controller.CountPrintedPages(kStripPlates, kDpi, kDpi), 4);
}

// Each plate's page holds its heading and, under the graph, each fit's row of the table of fits
// cell for cell; its plots' page one plot for each fit made, headed with its method and window.
TEST_F(PlateDisplayTest, APlatesPagesDrawItsRowsOfTheTableAndItsPlots) {
  Open("embankment-plates.qdw");
  // The second plate's Asaoka window cannot be made: its reason stands in its row.
  std::vector<std::string> lines = state.document.cells().obsLines;
  std::replace(lines.begin(), lines.end(), std::string("fit=2,asaoka,182,728,28"),
               std::string("fit=2,asaoka,182,728,400"));
  test::Edit(state)->obsLines = lines;
  const PlateComparison comparison = Comparison();
  const TableModel table = PlateFitsTableModel(comparison);
  ASSERT_EQ(table.sections.size(), 2u);
  for (std::size_t plate = 0; plate < 2; ++plate) {
    SCOPED_TRACE(plate);
    const PlatePrediction& prediction = comparison.predictions.plates[plate];
    const std::vector<std::string> page = Texts(kStripPlates, static_cast<int>(2 * plate + 1));
    EXPECT_TRUE(Holds(page, PlateHeading(prediction)));
    EXPECT_TRUE(Holds(page, NearestColumnText(prediction)));
    for (const TableModelRow& row : table.sections[plate].rows) {
      const auto at = std::find(page.begin(), page.end(), row.cells[kFitMethodColumn]);
      ASSERT_NE(at, page.end());
      // The cells drawn one after another from the method on; a refused fit's numbers are
      // not drawn, its reason is.
      const bool refused = !row.cells[kFitReasonColumn].empty();
      const std::size_t compared = refused ? kFitS0Column : kFitReasonColumn;
      ASSERT_GE(static_cast<std::size_t>(page.end() - at), compared);
      EXPECT_EQ(std::vector<std::string>(at, at + static_cast<std::ptrdiff_t>(compared)),
                std::vector<std::string>(row.cells.begin(), row.cells.begin() + compared));
      if (refused) {
        EXPECT_TRUE(Holds(page, row.cells[kFitReasonColumn]));
      }
    }
    const std::vector<std::string> plots = Texts(kStripPlates, static_cast<int>(2 * plate + 2));
    int headed = 0;
    for (const PlateFitPrediction& fit : prediction.fits)
      headed += std::count_if(plots.begin(), plots.end(), [&](const std::string& text) {
        return text.rfind(FitMethodText(fit.request.method) + "  期間 182–728 日", 0) == 0;
      });
    EXPECT_EQ(headed, plate == 0 ? 3 : 2);
  }
}

// The CSV of the display: the headings, one row per fit under its plate's number and name, S∞
// also in metres as the prediction gives it, and the notes.
TEST_F(PlateDisplayTest, ItsCsvHoldsEveryFitOfEveryPlate) {
  Open("embankment-plates.qdw");
  const std::optional<TableRows> rows = BuildTableRows(kStripPlates, state.document, state.results,
                                                       state.circleMethod, state.settings);
  ASSERT_TRUE(rows);
  EXPECT_EQ(rows->name, "実測沈下量と予測");
  EXPECT_EQ(rows->headings.front(), "沈下板");
  EXPECT_EQ(rows->headings[5], "Δt (日)");
  const PlateComparison comparison = Comparison();
  ASSERT_EQ(rows->rows.size(), 6u);
  for (std::size_t i = 0; i < rows->rows.size(); ++i) {
    const PlatePrediction& plate = comparison.predictions.plates[i / 3];
    const PlateFitPrediction& fit = plate.fits[i % 3];
    const std::vector<std::string>& row = rows->rows[i];
    EXPECT_EQ(row[0], std::to_string(plate.plate.number));
    EXPECT_EQ(row[1], plate.plate.name);
    EXPECT_EQ(row[2], FitMethodText(fit.request.method));
    ASSERT_TRUE(fit.outcome.fit);
    EXPECT_DOUBLE_EQ(std::stod(row[row.size() - 2]), fit.outcome.fit->sFinal);
  }
  const std::string csv = TableCsv(*rows);
  EXPECT_NE(csv.find("\r\n沈下板 2: 計算値: 帯状荷重 x = 25.50 (沈下板から 1.50 m)"),
            std::string::npos);
}

}  // namespace
}  // namespace qel
