// The parts that the table pages lay out alike from their models: note lines, the sections of
// the data tables, and the course of the calculation of the results tables.
#pragma once

#include <string>
#include <vector>

#include "analysis/table_model.h"
#include "view/table_layout.h"

namespace qel {

// Adds `notes` as lines at table x `x`, each broken into as many lines as it needs to end
// within the printable width; an empty note adds no line.
void AddNoteLines(TableContent& content, double x, const std::vector<std::string>& notes);

// Where a data table puts its texts: the left edge, in millimetres from the left margin, of
// each cell of a row in the order of its section's columns, and of the mark after them.
struct DataTableColumns {
  std::vector<int> cellMm;
  int markMm = 0;
};

// Every section of a data table, then its notes. A section's title line (with the group
// headings over their first column, when it lists rows) and its column headings line (a "-"
// under the first number's column when it lists none) begin every page inside the section and
// stay with its first row; its rows follow with their marks, then its notes.
void AddDataSections(const TableModel& table, const DataTableColumns& columns,
                     TableContent& content);

// The course of the calculation, then a blank line that closes it. For every point a blank
// line and its heading, which begins every page the point goes on to, marked as continued;
// then every load's lines, which stay together, the heading with the first load. The four
// columns stand at 1, 26, 51 and 76 mm. The points are worked out and laid out on every core,
// each worker taking whole points into its own part; the parts are joined in point order,
// which keeps the text as one worker would lay it out.
void AddTraceLines(const CalculationTrace& trace, TableContent& content);

}  // namespace qel
