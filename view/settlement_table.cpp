// The slice tables of the settlement columns: for every column its slices layer by layer with
// the layers' subtotals, the column's total and its times t50 and t90.
#include <algorithm>

#include "analysis/settlement_table_model.h"
#include "view/render_caches.h"
#include "view/renderers.h"
#include "view/settlement_cache.h"
#include "view/table_layout.h"
#include "view/table_sections.h"

namespace qel {

namespace {

// Where each cell of a slice line begins, in millimetres from the left margin, in the order of
// the table's columns; the mark follows S.
constexpr int kCellMm[] = {1, 7, 27, 53, 66, 82, 98, 114, 130, 143, 156};
constexpr int kMarkMm = 172;
constexpr int kLabelMm = 1;
constexpr int kSubtotalMm = 140;

// The layer's name, the one cell of words: a name wider than its column is cut, not broken,
// and given whole on a line of its own above the layer's first slice.
constexpr std::size_t kNameCell = 1;

void AddCells(TableContent& content, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size() && i < std::size(kCellMm); ++i) {
    if (cells[i].empty()) continue;
    if (i == kNameCell)
      content.AddCutText(TableColumn(kCellMm[i]), cells[i],
                         TableColumn(kCellMm[i + 1] - kCellMm[i]));
    else
      content.AddText(TableColumn(kCellMm[i]), cells[i]);
  }
}

// One column: its heading with the cell headings and units, repeated on every page it goes on
// to; its slices with each layer's subtotal after its last slice; its total, times and notes.
void AddColumn(const TableModel& table, const TableSection& column, TableContent& content) {
  content.NextLine();
  const std::size_t headingLine = content.LineCount();
  content.BeginHeading(HeadingMark::Continued);
  content.NextLine();
  content.AddText(TableColumn(kLabelMm), column.title);
  std::vector<std::string> headings, units;
  for (const std::size_t cell : column.columns) {
    headings.push_back(table.columns[cell].text);
    units.push_back(table.columns[cell].unit);
  }
  content.NextLine();
  AddCells(content, headings);
  content.NextLine();
  AddCells(content, units);
  content.EndHeading();
  const double nameX = TableColumn(kCellMm[kNameCell]);
  const double nameRoom = TableColumn(kCellMm[kNameCell + 1]) - nameX;
  std::size_t lastSliceLine = content.LineCount();
  for (std::size_t i = 0; i < column.rows.size(); ++i) {
    const TableModelRow& row = column.rows[i];
    const bool layerBegins = i == 0 || !column.rows[i - 1].closingLine.empty();
    const std::size_t rowLine = content.LineCount();
    if (layerBegins && row.cells.size() > kNameCell &&
        content.CutsText(row.cells[kNameCell], nameRoom))
      content.AddWrappedText(nameX, row.cells[kNameCell]);
    content.NextLine();
    lastSliceLine = content.LineCount() - 1;
    AddCells(content, row.cells);
    if (!row.mark.empty()) content.AddText(TableColumn(kMarkMm), row.mark);
    if (i == 0) content.KeepTogether(headingLine);
    if (layerBegins) content.KeepTogether(rowLine);  // the whole name with its first slice
    if (!row.closingLine.empty()) {
      // A subtotal never begins a page: it goes over with the slice above it.
      content.NextLine();
      content.AddText(TableColumn(kSubtotalMm), row.closingLine);
      content.KeepTogether(lastSliceLine);
    }
  }
  // The total and the notes still belong to the column: they go over with its last slice and
  // subtotal, and a page that begins with them repeats its heading.
  AddNoteLines(content, TableColumn(kLabelMm), column.notes);
  content.KeepTogether(lastSliceLine);
  content.EndHeadingScope();
}

int RenderSettlementTable(RenderContext& ctx, DeviceContext* dc, bool draw, Problem problem) {
  const DocumentSettlement& settlement = SettlementOf(ctx);
  const bool strip = problem == Problem::Strip;
  TableDisplay display{problem, DisplayKind::SettlementTable, strip ? kStripFont : kRectCircleFont,
                       strip ? ctx.view.screenLineSteps.stripSettlement
                             : ctx.view.screenLineSteps.rectCircleSettlement,
                       strip ? ctx.caches.stripSettlement : ctx.caches.rectCircleSettlement};
  // Revisions are numbered across the document, so the latest of those the settlement is
  // computed from changes whenever any of them does.
  const SettlementKey computed =
      SettlementKeyOf(ctx.document, ctx.settings.unitSystem, ctx.circleMethod);
  const TableContentKey key{
      {std::max({computed.soil, computed.stripLoads, computed.planLoads}), ctx.circleMethod},
      0,
      {ctx.settings.unitSystem}};
  return RenderTable(ctx, dc, draw, display, key, [&](TableContent& content) {
    const TableModel table = SettlementTableModel(settlement, problem, ctx.settings);
    AddNoteLines(content, TableColumn(kLabelMm), table.preamble);
    for (const TableSection& column : table.sections)
      AddColumn(table, column, content);
  });
}

}  // namespace

int RenderStripSettlementTable(RenderContext& ctx, DeviceContext* dc, bool draw) {
  return RenderSettlementTable(ctx, dc, draw, Problem::Strip);
}

int RenderRectCircleSettlementTable(RenderContext& ctx, DeviceContext* dc, bool draw) {
  return RenderSettlementTable(ctx, dc, draw, Problem::RectCircle);
}

}  // namespace qel
