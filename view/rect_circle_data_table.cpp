// The rectangular and circular data table: the rectangles, then the circles, one line each.
#include "document/document_results.h"
#include "settings/c_locale.h"
#include "settings/number_format.h"
#include "settings/text_fields.h"
#include "view/exclusion_notes.h"
#include "view/render_caches.h"
#include "view/renderers.h"
#include "view/table_layout.h"

namespace qel {

namespace {

// Left edges of the six columns in millimetres (index 0 unused).
constexpr int kColumnMm[kRectColumns + 1] = {0, 1, 26, 51, 76, 101, 126};
constexpr const char* kRectHeadings[kRectColumns + 1] = {"", "No.", "x", "y", "x", "y", "q"};
constexpr const char* kCircleHeadings[kCircleColumns + 1] = {"", "No.", "x", "y", "r", "q"};
// The mark of a row the calculation leaves out or reads as 0, after the last column.
constexpr int kMarkMm = 146;

double Column(int column) {
  return TableColumn(kColumnMm[column]);
}

std::string ContentKey(const DocumentTables& tables) {
  // The notes name the points left out, so the points are part of the content too.
  return LatticeResultsKey(tables);
}

// The column heading line, or "-" when the list is empty, then one line per leading row whose
// No. holds a number.
template <int Rows, int Columns>
void AddSection(const std::string (&cells)[Rows + 1][Columns + 1],
                const char* const (&headings)[Columns + 1], const std::vector<ExcludedLoad>& list,
                const DocumentTables& tables, TableContent& content) {
  const bool hasData = IsPresent(cells[1][1]);
  content.NextLine();
  if (hasData) {
    for (int column = 1; column <= Columns; ++column)
      content.AddText(Column(column), headings[column]);
  } else {
    content.AddText(Column(2), "-");
  }
  content.EndHeading();
  if (!hasData) content.EndBlock();
  for (int row = 1; row <= Rows && IsPresent(cells[row][1]); ++row) {
    content.NextLine();
    content.AddText(Column(1), FormatC("%3d", ToInt(cells[row][1])));
    for (int column = 2; column <= Columns; ++column)
      content.AddText(Column(column), FormatUnsignedZero("%4.2f", ToDouble(cells[row][column])));
    if (IsMarkedRow(list, row)) content.AddText(TableColumn(kMarkMm), kExclusionMark);
    if (row == 1) content.EndBlock();
  }
  AddNoteLines(content, Column(1), LoadNotes(list, tables));
}

// Starts a section: its title line and column headings begin every page inside it, and stay
// with its first row.
void BeginSection(TableContent& content) {
  content.BeginBlock();
  content.BeginHeading();
  content.NextLine();
}

void BuildContent(const DocumentTables& tables, TableContent& content) {
  const std::vector<ExcludedLoad> excluded = FindExcludedLoads(tables);
  BeginSection(content);
  content.AddText(Column(1), "長方形荷重");
  if (IsPresent(tables.rectLoads[1][rect_col::kNo])) {
    // Over the two corner coordinate pairs.
    content.AddText(Column(2), "R1");
    content.AddText(Column(4), "R2");
  }
  AddSection<kRectRows, kRectColumns>(tables.rectLoads, kRectHeadings,
                                      ExclusionsOf(excluded, LoadKind::Rectangle, 0), tables,
                                      content);

  BeginSection(content);
  content.AddText(Column(1), "円形荷重");
  AddSection<kCircleRows, kCircleColumns>(tables.circleLoads, kCircleHeadings,
                                          ExclusionsOf(excluded, LoadKind::Circle, 0), tables,
                                          content);
  content.EndHeadingScope();
  AddNoteLines(content, Column(1), {ExcludedPointsNote(FindExcludedPoints(tables, true))});
}

}  // namespace

int RenderRectCircleData(RenderContext& ctx, DeviceContext* dc, bool draw) {
  TableDisplay display{Problem::RectCircle, DisplayKind::Data, kRectCircleFont,
                       ctx.view.screenLineSteps.rectCircleData, ctx.caches.rectCircleData};
  return RenderTable(ctx, dc, draw, display, ContentKey(ctx.tables),
                     [&](TableContent& content) { BuildContent(ctx.tables, content); });
}

}  // namespace qel
