// The rectangular and circular results table: dP at every lattice point, optionally the course
// of the calculation load by load, then one line per lattice point.
#include "analysis/rect_circle_results_model.h"
#include "view/render_caches.h"
#include "view/renderers.h"
#include "view/table_layout.h"
#include "view/table_sections.h"

namespace qel {

namespace {

// Left edges of the cells of a line in millimetres: the point, x, y, z and dP.
constexpr int kCellMm[] = {1, 26, 51, 76, 101};

TableContentKey ContentKey(const RenderContext& ctx) {
  return {LatticeResultsKey(ctx.document, ctx.circleMethod),
          0,
          {ctx.document.plan().style.showCalcTrace, ctx.settings.influenceDigits,
           ctx.settings.stressDigits, ctx.settings.unitSystem != 0}};
}

// The column headings, then one line per listed point. The headings begin every page of the
// table, and never end a page alone.
void AddFinalTable(const TableModel& table, TableContent& content) {
  const double label = TableColumn(kCellMm[0]);
  for (const TableSection& section : table.sections) {
    content.BeginHeading();
    content.NextLine();
    for (std::size_t cell = 0; cell < section.columns.size() && cell < std::size(kCellMm); ++cell)
      content.AddText(TableColumn(kCellMm[cell]),
                      PrintedHeading(table.columns[section.columns[cell]]));
    content.EndHeading();
    for (const TableModelRow& row : section.rows) {
      content.NextLine();
      for (std::size_t cell = 0; cell < row.cells.size() && cell < std::size(kCellMm); ++cell)
        content.AddText(TableColumn(kCellMm[cell]), row.cells[cell]);
    }
  }
  content.EndHeadingScope();
  AddNoteLines(content, label, table.notes);
}

}  // namespace

int RenderRectCircleResults(RenderContext& ctx, DeviceContext* dc, bool draw) {
  const ResultsGrid& results = LatticeResultsOf(ctx);
  TableDisplay display{Problem::RectCircle, DisplayKind::Results, kRectCircleFont,
                       ctx.view.screenLineSteps.rectCircleResults, ctx.caches.rectCircleResults};
  return RenderTable(ctx, dc, draw, display, ContentKey(ctx), [&](TableContent& content) {
    const TableModel table = RectCircleResultsModel(ctx.document.plan(), results, ctx.circleMethod,
                                                    ctx.settings, TableUse::Page);
    if (table.trace) AddTraceLines(*table.trace, content);
    content.BreakPastTwoThirds();
    AddFinalTable(table, content);
  });
}

}  // namespace qel
