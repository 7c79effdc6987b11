// Pages worked out before they are drawn, the plan's kept lines of equal settlement, and the
// exported settlement table read from the settlement the view keeps.
#include <gtest/gtest.h>

#include "support/cells_edit.h"
#include "support/computation_count.h"
#include "support/example_view.h"
#include "support/figure_range_edit.h"
#include "test_support/recording_device_context.h"
#include "view/report.h"
#include "view/table_export.h"
#include "view/table_text.h"

namespace qel {
namespace {

class PreparedJobTest : public test::ExampleView {
 protected:
  std::string Drawn(const std::vector<ReportPage>& pages) {
    RecordingDeviceContext paper(kDpi, kDpi);
    EXPECT_TRUE(DrawPages(controller, pages, [&paper] { return &paper; }));
    return paper.Log();
  }
  static constexpr int kDpi = 60;
};

TEST_F(PreparedJobTest, APreparedJobDrawsFromWhatWasWorkedOut) {
  Open("building.qdw");
  {
    // The plan figure at a large scale spreads over more pages than the isobars usually kept.
    test::CellsEdit cells(state.document);
    cells->figures.stripIsobars.shown = cells->figures.planIsobars.shown = true;
    test::ChangeFigureRange(*cells, Problem::RectCircle,
                            [](FigureRange& r) { r.scaleX = r.scaleY = 60; });
  }
  computations.CountIn(state.caches);
  const test::ComputationCount preparedAndDrawn(computations);
  const std::vector<ReportPage> pages = ReportPages(controller, kDpi, kDpi);
  PreparePages(controller, pages, kDpi, kDpi);
  EXPECT_GT(preparedAndDrawn.isobars(), 16);
  const test::ComputationCount drawn(computations);
  const std::string prepared = Drawn(pages);
  EXPECT_EQ(drawn.isobars() + drawn.settlements() + drawn.strip() + drawn.lattice(), 0);
  EXPECT_EQ(preparedAndDrawn.settlements(), 1);
  // Drawing alone, nothing worked out before, draws the same.
  state.caches = RenderCaches();
  EXPECT_EQ(prepared, Drawn(pages));
}

TEST_F(PreparedJobTest, ThePlanRepaintsTheLinesItKeptUntilTheDocumentChanges) {
  Open("building.qdw");
  controller.ShowDisplay(DisplayMode::RectCircleSettlementMap);
  const auto paint = [this] {
    RecordingDeviceContext dc(96, 96);
    controller.OnDraw(dc);
    return dc.Log();
  };
  const std::string traced = paint();
  ASSERT_TRUE(state.caches.settlementPlanLines.lines);
  // Kept lines taken away show that a repaint draws what was kept rather than tracing again.
  state.caches.settlementPlanLines.lines->assign(state.caches.settlementPlanLines.lines->size(),
                                                 {});
  EXPECT_NE(paint(), traced);
  test::Edit(state);  // a new revision of the same cells
  EXPECT_EQ(paint(), traced);
}

TEST_F(PreparedJobTest, TheExportedSettlementTableReadsTheKeptSettlement) {
  for (const int display : {9, 10, 11})
    for (const Problem problem : {Problem::Strip, Problem::RectCircle}) {
      SCOPED_TRACE(display);
      Open(problem == Problem::Strip ? "embankment.qdw" : "building.qdw");
      state.view.displayMode = *DisplayModeFromNumber(display, problem);
      computations.CountIn(state.caches);
      const test::ComputationCount computed(computations);
      controller.PrepareShownPage(96, 96);
      const TableRows exported = ExportedTableRows(state);
      EXPECT_EQ(computed.settlements(), 1);
      EXPECT_EQ(TableCsv(exported),
                TableCsv(*BuildTableRows(TableDisplayFor(state.view.displayMode), state.document,
                                         state.results, state.circleMethod, state.settings)));
      // Kept columns taken away show that the export reads the kept settlement.
      ASSERT_FALSE(exported.rows.empty());
      state.caches.settlement.value->columns.clear();
      EXPECT_TRUE(ExportedTableRows(state).rows.empty());
    }
}

}  // namespace
}  // namespace qel
