// A table as its display prints it and as it leaves the program: its columns with their units,
// its sections of rows with their marks and notes, and the course of the calculation; and the
// same table flattened into the rows a CSV file or the clipboard takes.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace qel {

// The heading of a column and the unit of its values.
struct TableColumnHeading {
  std::string text;          // "x1", "dP", "土層名"
  std::string unit;          // "m", "kN/㎡"; empty for a column without one
  std::string group;         // a heading over several columns ("R1"), printed once above them
  bool unitPrinted = false;  // the page prints the unit after the heading: "dP kN/㎡"
};

// "x1 (m)", "R1 x (m)", "No.": how a file names the column.
std::string ExportedHeading(const TableColumnHeading& heading);
// "x1", "dP kN/㎡": how the page heads the column.
std::string PrintedHeading(const TableColumnHeading& heading);

// One row: a load, a calculation point, a slice.
struct TableModelRow {
  // The cells as the page prints them, the blanks of their field width included, one for each
  // column of the row's section.
  std::vector<std::string> cells;
  // What the row is marked with after its last cell (kExclusionMark, the slice marks); empty
  // for none.
  std::string mark;
  // The values to the last digit, one for each of the table's exact columns, empty where the
  // page prints no value: for files only.
  std::vector<std::string> exact;
  // A line the page prints under the row, closing the group it ends (a layer's subtotal);
  // files leave it out. Empty for none.
  std::string closingLine;
};

// Rows that belong together under one heading: a load set, one kind of load, one depth, one
// settlement column.
struct TableSection {
  std::string title;  // printed above the rows ("帯状荷重 1", "Z m  2.00"); empty for none
  // What a file calls the section in front of each of its notes ("帯状荷重 1: ※ ..."); empty:
  // its notes stand alone.
  std::string name;
  // The cells a file puts in front of each row's, under the table's key columns: the load set,
  // the kind of load, the depth, where the settlement column stands.
  std::vector<std::string> key;
  // The table column of each cell of the section's rows (indices into TableModel::columns).
  std::vector<std::size_t> columns;
  std::vector<TableModelRow> rows;
  std::vector<std::string> notes;  // printed under the rows
};

// The course of the calculation has four columns of text.
inline constexpr std::size_t kTraceColumns = 4;
// One line of the course: the text in each column, empty where there is none.
using TraceLine = std::array<std::string, kTraceColumns>;

// The course of the calculation at one point: its heading, then the lines of each load.
struct TracePoint {
  std::string heading;
  std::vector<std::vector<TraceLine>> loads;
};

// The course of the calculation, point by point. A point's values can cost hundreds of integrand
// evaluations each, so they are worked out only when a point is asked for, on any thread.
class CalculationTrace {
 public:
  virtual ~CalculationTrace() = default;
  virtual std::size_t PointCount() const = 0;
  virtual TracePoint Point(std::size_t index) const = 0;
};

// Whether a table is built for its pages, which list the course of the calculation when the
// document asks for it, or for a file, which never takes it.
enum class TableUse { Page, File };

// A table: what its display prints and what its files hold.
struct TableModel {
  // The columns a file puts in front of the rows' own (the load set, the depth, where the
  // settlement column stands), filled from each section's key.
  std::vector<TableColumnHeading> keyColumns;
  std::vector<TableColumnHeading> columns;
  // Whether its rows carry marks: a file gives them a column after the rows' cells.
  bool marked = false;
  // The columns of the values to the last digit, which only files hold: "dP 全桁".
  std::vector<TableColumnHeading> exactColumns;
  // Lines printed above the table: the conditions of the settlement, or why there is none.
  std::vector<std::string> preamble;
  std::vector<TableSection> sections;
  std::vector<std::string> notes;  // printed under the last section
  // Notes that the pages give at their foot, not in the table; a file holds them last.
  std::vector<std::string> fileNotes;
  // The course of the calculation, on pages whose document asks for it; otherwise none.
  std::unique_ptr<const CalculationTrace> trace;
};

// The heading of the mark column of a file.
inline constexpr const char* kMarkHeading = "※";

// A table as a file holds it: the heading of each column, one row per row of the table (cells
// as the display prints them, without the blanks that align them), and the note lines. Every
// row has as many cells as there are headings.
struct TableRows {
  std::string name;  // the display's name: "帯状荷重計算結果"
  std::vector<std::string> headings;
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> notes;
};

// The rows of `table` for a file. The headings are the key columns, the columns, the mark
// column when the table is marked and the exact columns; a row is its section's key, its cells
// in their columns (the columns of other sections left empty), its mark and its exact values.
// The notes are the preamble, each section's notes after its name, the notes and the file
// notes; empty notes are left out. The name is left empty.
TableRows ExportedRows(const TableModel& table);

// `text` without the blanks at either end that a field width adds.
std::string WithoutFieldBlanks(const std::string& text);

}  // namespace qel
