// The strip-load data table: the pieces of the two load sets, one line per piece.
#include "base/c_locale.h"
#include "document/document_results.h"
#include "document/strip_pieces.h"
#include "settings/number_format.h"
#include "view/exclusion_notes.h"
#include "view/render_caches.h"
#include "view/renderers.h"
#include "view/table_layout.h"

namespace qel {

namespace {

// Left edges of the eight columns in millimetres, indexed by the load table's column number.
constexpr int kColumnMm[kStripColumns + 1] = {0, 1, 21, 41, 61, 81, 106, 126, 146};
// The mark of a row the calculation leaves out or reads as 0, after the last column.
constexpr int kMarkMm = 166;
constexpr const char* kHeadings[kStripColumns + 1] = {"",   "No.", "x1", "x2", "x3",
                                                      "x4", "h",   "γ",  "y"};

double Column(int column) {
  return TableColumn(kColumnMm[column]);
}

// The rows and their notes (which name the points left out too) come from the loads and points.
TableContentKey ContentKey(const RenderContext& ctx) {
  return {{ctx.document.loadsRevision(Problem::Strip)}};
}

void BuildContent(const DocumentTables& tables, TableContent& content) {
  bool hasData[kStripSets + 1] = {false};
  for (int set = 1; set <= kStripSets; ++set)
    hasData[set] = StripSetHasData(tables, set);
  const bool bothSets = hasData[1] && hasData[2];
  const std::vector<ExcludedLoad> excluded = FindExcludedLoads(tables);

  for (int set = 1; set <= kStripSets; ++set) {
    // The set's heading and column headings begin every page inside the set, and stay with its
    // first row.
    content.BeginHeading();
    content.NextLine();
    if (bothSets)
      content.AddText(Column(1), FormatC("帯状荷重 %d", set));
    else if (hasData[set])
      content.AddText(Column(1), "帯状荷重");

    content.NextLine();
    if (hasData[set]) {
      for (int column = 1; column <= kStripColumns; ++column)
        content.AddText(Column(column), kHeadings[column]);
    } else {
      content.AddText(Column(2), "-");
    }
    content.EndHeading();

    const std::vector<ExcludedLoad> ofSet = ExclusionsOf(excluded, LoadKind::Strip, set);
    for (const StripPieceRow& row : ListedStripPieces(tables, set)) {
      const StripPiece& p = row.piece;
      const double values[kStripColumns + 1] = {0,    0,   p.x1,    p.x2,     p.x3,
                                                p.x4, p.h, p.gamma, row.baseY};
      content.NextLine();
      content.AddText(Column(1), FormatC("%3d", row.number));
      for (int column = 2; column <= kStripColumns; ++column)
        content.AddText(Column(column), LoadCellText(row.outOfRange, column, values[column]));
      if (IsMarkedRow(ofSet, row.row)) content.AddText(TableColumn(kMarkMm), kExclusionMark);
    }
    AddNoteLines(content, Column(1), LoadNotes(ofSet, tables));
  }
  content.EndHeadingScope();
  AddNoteLines(content, Column(1), PointNotes(FindExcludedPoints(tables, false)));
}

}  // namespace

int RenderStripData(RenderContext& ctx, DeviceContext* dc, bool draw) {
  TableDisplay display{Problem::Strip, DisplayKind::Data, kStripFont,
                       ctx.view.screenLineSteps.stripData, ctx.caches.stripData};
  return RenderTable(ctx, dc, draw, display, ContentKey(ctx),
                     [&](TableContent& content) { BuildContent(ctx.document.cells(), content); });
}

}  // namespace qel
