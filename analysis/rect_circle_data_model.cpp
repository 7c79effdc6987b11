// The rectangular and circular data table as a model.
#include "analysis/rect_circle_data_model.h"

#include <utility>

#include "analysis/exclusion_notes.h"
#include "analysis/table_cells.h"
#include "base/c_locale.h"

namespace qel {

namespace {

// The columns of the table: No., the two corners, the centre and radius, and q.
enum Column : std::size_t { kNo, kR1X, kR1Y, kR2X, kR2Y, kCentreX, kCentreY, kRadius, kQ };

TableColumnHeading Corner(const char* corner, const char* axis) {
  TableColumnHeading heading = Heading(axis, "m");
  heading.group = corner;
  return heading;
}

// A section of one kind of load: a row for each listed load, its numbers in load table column
// order from the first after No. on.
template <class Row, class Values>
TableSection LoadSection(const char* kind, const PlanLoadList<Row>& list,
                         std::vector<std::size_t> columns, Values values) {
  TableSection section;
  section.title = kind;
  section.name = kind;
  section.key = {kind};
  section.columns = std::move(columns);
  for (const Row& listed : list.listed) {
    TableModelRow& row = section.rows.emplace_back();
    row.cells.push_back(FormatC("%3d", listed.number));
    int column = 2;  // the load table's column of the first number
    for (const double value : values(listed.load))
      row.cells.push_back(LoadCellText(listed.outOfRange, column++, value));
    if (IsMarkedRow(list.exclusions, listed.row)) row.mark = kExclusionMark;
  }
  section.notes = LoadNotes(list.exclusions);
  return section;
}

}  // namespace

TableModel RectCircleDataModel(const PlanProblem& plan, const SystemSettings& settings) {
  TableModel table;
  table.keyColumns = {Heading("荷重")};
  table.columns = {Heading("No."),    Corner("R1", "x"), Corner("R1", "y"),
                   Corner("R2", "x"), Corner("R2", "y"), Heading("x", "m"),
                   Heading("y", "m"), Heading("r", "m"), Heading("q", StressUnitText(settings))};
  table.marked = true;
  table.sections.push_back(LoadSection("長方形荷重", plan.rectangles,
                                       {kNo, kR1X, kR1Y, kR2X, kR2Y, kQ}, [](const RectLoad& r) {
                                         return std::vector<double>{r.x1, r.y1, r.x2, r.y2, r.q};
                                       }));
  table.sections.push_back(LoadSection(
      "円形荷重", plan.circles, {kNo, kCentreX, kCentreY, kRadius, kQ}, [](const CircleLoad& c) {
        return std::vector<double>{c.x, c.y, c.r, c.q};
      }));
  table.notes = PointNotes(plan.pointExclusions);
  return table;
}

}  // namespace qel
