// The slice tables of the settlement columns: for every column its slices layer by layer with
// the layers' subtotals, the column's total and its times t50 and t90.
#include <algorithm>

#include "settings/system_settings.h"
#include "view/exclusion_notes.h"
#include "view/render_caches.h"
#include "view/renderers.h"
#include "view/settlement_cache.h"
#include "view/settlement_rows.h"
#include "view/table_layout.h"

namespace qel {

namespace {

// Where each cell of a slice line begins, in millimetres from the left margin, in the order of
// SliceHeadings; the mark follows S.
constexpr int kCellMm[] = {1, 7, 27, 53, 66, 82, 98, 114, 130, 143, 156};
constexpr int kMarkMm = 172;
constexpr int kLabelMm = 1;
constexpr int kSubtotalMm = 140;

// The layer's name, the one cell of words: a name wider than its column is cut, not broken.
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
void AddColumn(const SettlementModel& model, const SettlementColumnResult& column,
               const char* stressUnit, TableContent& content) {
  content.NextLine();
  const std::size_t headingLine = content.LineCount();
  content.BeginHeading(HeadingMark::Continued);
  content.NextLine();
  content.AddText(TableColumn(kLabelMm), ColumnHeading(column.site));
  content.NextLine();
  AddCells(content, SliceHeadings());
  content.NextLine();
  AddCells(content, SliceUnits(stressUnit));
  content.EndHeading();
  const std::size_t slices = column.values.slices.size();
  for (std::size_t i = 0; i < slices; ++i) {
    const SliceCells cells = CellsOfSlice(model, column, i);
    content.NextLine();
    AddCells(content, cells.cells);
    if (!cells.mark.empty()) content.AddText(TableColumn(kMarkMm), cells.mark);
    if (i == 0) content.KeepTogether(headingLine);
    const int layer = model.slices()[i].layer;
    if (i + 1 == slices || model.slices()[i + 1].layer != layer) {
      content.NextLine();
      content.AddText(TableColumn(kSubtotalMm),
                      LayerTotalText(column.values.layerTotals[static_cast<std::size_t>(layer)]));
    }
  }
  // The total and the notes still belong to the column: a page that begins with them repeats
  // its heading.
  const std::size_t totalLine = content.LineCount();
  content.NextLine();
  content.AddText(TableColumn(kLabelMm), ColumnTotalText(column.values));
  AddNoteLines(content, TableColumn(kLabelMm), MarkNotes(column));
  content.KeepTogether(totalLine);
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
    if (settlement.status != DocumentSettlement::Status::kComputed) {
      AddNoteLines(content, TableColumn(kLabelMm), UnreadProfileLines(settlement));
      return;
    }
    const SettlementModel& model = *settlement.model;
    content.NextLine();
    content.AddText(TableColumn(kLabelMm), ConditionsText(model));
    for (const SettlementColumnResult* column : ColumnsOf(settlement, problem))
      AddColumn(model, *column, StressUnitText(ctx.settings), content);
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
