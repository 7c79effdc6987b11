// The settlement calculation table of one problem as a model.
#include "analysis/settlement_table_model.h"

#include "analysis/settlement_rows.h"
#include "analysis/settlement_table_file.h"
#include "analysis/settlement_time_basis.h"
#include "analysis/table_cells.h"
#include "base/c_locale.h"

namespace qel {

TableModel SettlementTableModel(const DocumentSettlement& settlement, Problem problem,
                                const SystemSettings& settings, TableUse use) {
  if (use == TableUse::File) return SettlementTableForFiles(settlement, problem, settings);
  TableModel table;
  table.keyColumns = {Heading("x", "m"), Heading("y", "m")};
  const std::vector<std::string> headings = SliceHeadings();
  const std::vector<std::string> units = SliceUnits(StressUnitText(settings));
  for (std::size_t i = 0; i < headings.size(); ++i)
    table.columns.push_back(Heading(headings[i], units[i]));
  table.marked = true;
  table.exactColumns = {Heading("S", "m")};
  if (settlement.status != DocumentSettlement::Status::kComputed) {
    table.preamble = UnreadProfileLines(settlement);
    return table;
  }
  const SettlementModel& model = *settlement.model;
  table.preamble = {ConditionsText(model)};
  // What the time course rests on, so that a checker can redo t50, t90 and the drains' effect.
  const SettlementCourseModel& course = *settlement.courseModel;
  const std::vector<std::string> basis = TimeBasisLines(course);
  table.preamble.insert(table.preamble.end(), basis.begin(), basis.end());
  const std::vector<const SettlementColumnResult*> columns = ColumnsOf(settlement, problem);
  for (std::size_t number = 1; number <= columns.size(); ++number) {
    const SettlementColumnResult* column = columns[number - 1];
    TableSection& section = table.sections.emplace_back();
    section.title = ColumnHeading(column->site, static_cast<int>(number));
    section.name = section.title;
    section.key = {FormatUnsignedZero("%.2f", column->site.x),
                   FormatUnsignedZero("%.2f", column->site.y)};
    for (std::size_t i = 0; i < table.columns.size(); ++i)
      section.columns.push_back(i);
    const std::size_t slices = column->values.slices.size();
    for (std::size_t i = 0; i < slices; ++i) {
      SliceCells cells = CellsOfSlice(model, *column, i);
      TableModelRow& row = section.rows.emplace_back();
      row.cells = std::move(cells.cells);
      row.mark = std::move(cells.mark);
      const std::optional<double>& s = column->values.slices[i].settlement;
      row.exact = {s ? FormatC("%.17g", *s) : std::string()};
      const int layer = model.slices()[i].layer;
      if (i + 1 == slices || model.slices()[i + 1].layer != layer)
        row.closingLine =
            LayerTotalText(column->values.layerTotals[static_cast<std::size_t>(layer)]);
    }
    section.notes = {ColumnTotalText(CourseOf(settlement, *column))};
    const std::vector<std::string> marks = MarkNotes(*column);
    section.notes.insert(section.notes.end(), marks.begin(), marks.end());
    const std::vector<std::string> drains = ColumnDrainLines(course, column->values);
    section.notes.insert(section.notes.end(), drains.begin(), drains.end());
  }
  return table;
}

}  // namespace qel
