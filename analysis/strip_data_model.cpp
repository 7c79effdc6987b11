// The strip-load data table as a model.
#include "analysis/strip_data_model.h"

#include "analysis/exclusion_notes.h"
#include "analysis/table_cells.h"
#include "base/c_locale.h"

namespace qel {

TableModel StripDataModel(const StripProblem& strip, const SystemSettings& settings) {
  TableModel table;
  const char* weightUnit = settings.unitSystem != 0 ? "kN/m3" : "tf/m3";
  table.keyColumns = {Heading("荷重")};
  table.columns = {Heading("No."),           Heading("x1", "m"), Heading("x2", "m"),
                   Heading("x3", "m"),       Heading("x4", "m"), Heading("h", "m"),
                   Heading("γ", weightUnit), Heading("y", "m")};
  table.marked = true;
  const bool bothSets = strip.set(1).hasData && strip.set(2).hasData;
  for (const StripLoadSet& set : strip.sets) {
    TableSection& section = table.sections.emplace_back();
    const std::string name = FormatC("帯状荷重 %d", set.set);
    section.title = bothSets ? name : set.hasData ? "帯状荷重" : "";
    section.name = name;
    section.key = {FormatC("%d", set.set)};
    for (std::size_t column = 0; column < table.columns.size(); ++column)
      section.columns.push_back(column);
    for (const StripPieceRow& listed : set.listed) {
      const StripPiece& p = listed.piece;
      // By the load table's column: No., X1 .. X4, h, γ, Y.
      const double values[kStripColumns + 1] = {0,    0,   p.x1,    p.x2,        p.x3,
                                                p.x4, p.h, p.gamma, listed.baseY};
      TableModelRow& row = section.rows.emplace_back();
      row.cells.push_back(FormatC("%3d", listed.number));
      for (int column = strip_col::kX1; column <= kStripColumns; ++column)
        row.cells.push_back(LoadCellText(listed.outOfRange, column, values[column]));
      if (IsMarkedRow(set.exclusions, listed.row)) row.mark = kExclusionMark;
    }
    section.notes = LoadNotes(set.exclusions);
  }
  table.notes = PointNotes(strip.pointExclusions);
  return table;
}

}  // namespace qel
