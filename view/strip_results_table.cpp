// The strip-load results table: dP of every strip calculation point, optionally the course of
// the calculation piece by piece, then the dP table of each depth in blocks of x columns.
#include <algorithm>

#include "analysis/strip_results_model.h"
#include "view/render_caches.h"
#include "view/renderers.h"
#include "view/table_layout.h"
#include "view/table_sections.h"

namespace qel {

namespace {

constexpr int kLabelMm = 1;
constexpr int kMaxValueColumns = 8;
// Value column positions in millimetres: for up to six columns a block, and narrower for
// seven or eight.
constexpr int kWideColumnsMm[kMaxValueColumns] = {26, 51, 76, 101, 126, 151, 176, 201};
constexpr int kNarrowColumnsMm[kMaxValueColumns] = {26, 46, 66, 86, 106, 126, 146, 166};
constexpr int kWideColumnLimit = 6;
// The cells of a row of the model: x, then dP.
constexpr std::size_t kXCell = 0, kStressCell = 1;

// How many x values a block of the final table shows (1..8).
int ValueColumnsOf(const RenderContext& ctx) {
  return std::clamp(ctx.settings.stripResultColumns, 1, kMaxValueColumns);
}

// What the text of the table depends on besides the loads and points.
TableContentKey ContentKey(const RenderContext& ctx) {
  return {StripResultsKey(ctx.document),
          0,
          {ctx.document.strip().style.showCalcTrace, ctx.settings.influenceDigits,
           ctx.settings.stressDigits, ValueColumnsOf(ctx), ctx.settings.unitSystem != 0}};
}

// For every depth: its z, then blocks of x values with their dP below them. A page that begins
// inside a depth repeats its z, marked as continued; a block of x values stays with its dP, and
// the z with its first block.
void AddFinalTable(const TableModel& table, int perBlock, TableContent& content) {
  const double label = TableColumn(kLabelMm);
  const int* columnsMm = perBlock <= kWideColumnLimit ? kWideColumnsMm : kNarrowColumnsMm;
  const std::string xLabel = "  " + PrintedHeading(table.columns[kXCell]);
  const std::string stressLabel = "  " + PrintedHeading(table.columns[kStressCell]);
  for (const TableSection& depth : table.sections) {
    const std::size_t depthLine = content.LineCount();
    content.BeginHeading(HeadingMark::Continued);
    content.NextLine();
    content.AddText(label, depth.title);
    content.EndHeading();
    const int xCount = static_cast<int>(depth.rows.size());
    // Integer division truncating towards zero: no x rows give one empty block, except with one
    // column a block, where they give none.
    const int blocks = (xCount - 1) / perBlock + 1;
    for (int block = 0; block < blocks; ++block) {
      const std::size_t blockLine = content.LineCount();
      const int first = block * perBlock;
      const int last = std::min(xCount, first + perBlock);
      for (const std::size_t cell : {kXCell, kStressCell}) {
        content.NextLine();
        content.AddText(label, cell == kXCell ? xLabel : stressLabel);
        for (int i = first; i < last; ++i)
          content.AddText(TableColumn(columnsMm[i - first]),
                          depth.rows[static_cast<std::size_t>(i)].cells[cell]);
      }
      content.KeepTogether(blockLine);
      if (block == 0) content.KeepTogether(depthLine);
    }
  }
  content.EndHeadingScope();
  AddNoteLines(content, label, table.notes);
}

}  // namespace

int RenderStripResults(RenderContext& ctx, DeviceContext* dc, bool draw) {
  const ResultsGrid& results = StripResultsOf(ctx);
  TableDisplay display{Problem::Strip, DisplayKind::Results, kStripFont,
                       ctx.view.screenLineSteps.stripResults, ctx.caches.stripResults};
  return RenderTable(ctx, dc, draw, display, ContentKey(ctx), [&](TableContent& content) {
    const TableModel table =
        StripResultsModel(ctx.document.strip(), results, ctx.settings, TableUse::Page);
    if (table.trace) AddTraceLines(*table.trace, content);
    content.BreakPastTwoThirds();
    AddFinalTable(table, ValueColumnsOf(ctx), content);
  });
}

}  // namespace qel
