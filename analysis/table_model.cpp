// A table model's headings as pages and files write them, and the model flattened into rows.
#include "analysis/table_model.h"

namespace qel {

std::string ExportedHeading(const TableColumnHeading& heading) {
  std::string text = heading.group.empty() ? heading.text : heading.group + " " + heading.text;
  if (!heading.unit.empty()) text += " (" + heading.unit + ")";
  return text;
}

std::string PrintedHeading(const TableColumnHeading& heading) {
  if (!heading.unitPrinted || heading.unit.empty()) return heading.text;
  return heading.text + " " + heading.unit;
}

std::string WithoutFieldBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

TableRows ExportedRows(const TableModel& table) {
  TableRows rows;
  for (const TableColumnHeading& heading : table.keyColumns)
    rows.headings.push_back(ExportedHeading(heading));
  for (const TableColumnHeading& heading : table.columns)
    rows.headings.push_back(ExportedHeading(heading));
  if (table.marked) rows.headings.push_back(kMarkHeading);
  for (const TableColumnHeading& heading : table.exactColumns)
    rows.headings.push_back(ExportedHeading(heading));

  const std::size_t keys = table.keyColumns.size();
  const std::size_t exactFrom = rows.headings.size() - table.exactColumns.size();
  const auto addNotes = [&rows](const std::string& name, const std::vector<std::string>& notes) {
    for (const std::string& note : notes) {
      if (note.empty()) continue;
      rows.notes.push_back(name.empty() ? note : name + ": " + note);
    }
  };
  addNotes("", table.preamble);
  for (const TableSection& section : table.sections) {
    for (const TableModelRow& row : section.rows) {
      std::vector<std::string> cells(rows.headings.size());
      for (std::size_t i = 0; i < keys && i < section.key.size(); ++i)
        cells[i] = WithoutFieldBlanks(section.key[i]);
      for (std::size_t i = 0; i < row.cells.size() && i < section.columns.size(); ++i)
        cells[keys + section.columns[i]] = WithoutFieldBlanks(row.cells[i]);
      if (table.marked) cells[exactFrom - 1] = row.mark;
      for (std::size_t i = 0; i < row.exact.size() && exactFrom + i < cells.size(); ++i)
        cells[exactFrom + i] = row.exact[i];
      rows.rows.push_back(std::move(cells));
    }
    addNotes(section.name, section.notes);
  }
  addNotes("", table.notes);
  addNotes("", table.fileNotes);
  return rows;
}

}  // namespace qel
