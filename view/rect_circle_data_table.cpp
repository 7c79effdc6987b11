// The rectangular and circular data table: the rectangles, then the circles, one line each.
#include "base/c_locale.h"
#include "document/circle_rows.h"
#include "document/document_results.h"
#include "document/rectangle_rows.h"
#include "settings/number_format.h"
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

TableContentKey ContentKey(const RenderContext& ctx) {
  // The notes name the points left out, so the points are part of the content too; the circle
  // method changes nothing of it.
  return {{ctx.document.loadsRevision(Problem::RectCircle)}};
}

// One listed load: its row, its No., the numbers of its data columns in column order and its
// cells out of range.
struct ListedLoad {
  int row = 0;
  int number = 0;
  std::vector<double> values;
  unsigned outOfRange = 0;
};

std::vector<ListedLoad> RectangleLines(const DocumentTables& tables) {
  std::vector<ListedLoad> listed;
  for (const RectangleRow& r : ListedRectangles(tables))
    listed.push_back(
        {r.row, r.number, {r.load.x1, r.load.y1, r.load.x2, r.load.y2, r.load.q}, r.outOfRange});
  return listed;
}

std::vector<ListedLoad> CircleLines(const DocumentTables& tables) {
  std::vector<ListedLoad> listed;
  for (const CircleRow& c : ListedCircles(tables))
    listed.push_back({c.row, c.number, {c.load.x, c.load.y, c.load.r, c.load.q}, c.outOfRange});
  return listed;
}

// The column heading line, or "-" when the list is empty, then one line per load the
// calculation uses.
template <int Columns>
void AddSection(const std::vector<ListedLoad>& loads, const char* const (&headings)[Columns + 1],
                const std::vector<ExcludedLoad>& list, const DocumentTables& tables,
                TableContent& content) {
  const bool hasData = !loads.empty();
  content.NextLine();
  if (hasData) {
    for (int column = 1; column <= Columns; ++column)
      content.AddText(Column(column), headings[column]);
  } else {
    content.AddText(Column(2), "-");
  }
  content.EndHeading();
  for (const ListedLoad& load : loads) {
    content.NextLine();
    content.AddText(Column(1), FormatC("%3d", load.number));
    for (std::size_t i = 0; i < load.values.size(); ++i) {
      const int column = static_cast<int>(i) + 2;
      content.AddText(Column(column), LoadCellText(load.outOfRange, column, load.values[i]));
    }
    if (IsMarkedRow(list, load.row)) content.AddText(TableColumn(kMarkMm), kExclusionMark);
  }
  AddNoteLines(content, Column(1), LoadNotes(list, tables));
}

// Starts a section: its title line and column headings begin every page inside it, and stay
// with its first row.
void BeginSection(TableContent& content) {
  content.BeginHeading();
  content.NextLine();
}

void BuildContent(const DocumentTables& tables, TableContent& content) {
  const std::vector<ExcludedLoad> excluded = FindExcludedLoads(tables);
  BeginSection(content);
  content.AddText(Column(1), "長方形荷重");
  const std::vector<ListedLoad> rectangles = RectangleLines(tables);
  if (!rectangles.empty()) {
    // Over the two corner coordinate pairs.
    content.AddText(Column(2), "R1");
    content.AddText(Column(4), "R2");
  }
  AddSection<kRectColumns>(rectangles, kRectHeadings,
                           ExclusionsOf(excluded, LoadKind::Rectangle, 0), tables, content);

  BeginSection(content);
  content.AddText(Column(1), "円形荷重");
  AddSection<kCircleColumns>(CircleLines(tables), kCircleHeadings,
                             ExclusionsOf(excluded, LoadKind::Circle, 0), tables, content);
  content.EndHeadingScope();
  AddNoteLines(content, Column(1), PointNotes(FindExcludedPoints(tables, true)));
}

}  // namespace

int RenderRectCircleData(RenderContext& ctx, DeviceContext* dc, bool draw) {
  TableDisplay display{Problem::RectCircle, DisplayKind::Data, kRectCircleFont,
                       ctx.view.screenLineSteps.rectCircleData, ctx.caches.rectCircleData};
  return RenderTable(ctx, dc, draw, display, ContentKey(ctx),
                     [&](TableContent& content) { BuildContent(ctx.document.cells(), content); });
}

}  // namespace qel
