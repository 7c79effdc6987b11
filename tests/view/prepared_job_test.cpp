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
  state.caches = RenderCaches();
  const std::vector<ReportPage> pages = ReportPages(controller, kDpi, kDpi);
  PreparePages(controller, pages, kDpi, kDpi);
  const int traced = state.caches.isobars.traces();
  EXPECT_GT(traced, 16);
  test::ComputationCount computed(state.results);
  const std::string prepared = Drawn(pages);
  EXPECT_EQ(state.caches.isobars.traces(), traced);
  EXPECT_EQ(state.caches.settlement.computations, 1);
  EXPECT_EQ(computed.strip() + computed.lattice(), 0);
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
      state.caches = RenderCaches();
      controller.PrepareShownPage(96, 96);
      const TableRows exported = ExportedTableRows(state);
      EXPECT_EQ(state.caches.settlement.computations, 1);
      EXPECT_EQ(TableCsv(exported),
                TableCsv(*BuildTableRows(TableDisplayFor(state.view.displayMode), state.document,
                                         state.results, state.settings)));
      // Kept columns taken away show that the export reads the kept settlement.
      ASSERT_FALSE(exported.rows.empty());
      state.caches.settlement.value->columns.clear();
      EXPECT_TRUE(ExportedTableRows(state).rows.empty());
    }
}

}  // namespace
}  // namespace qel
