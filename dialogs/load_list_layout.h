// The three load lists as data: columns, row limit and the checks of a row, so that one editor
// serves the circles, the rectangles and the strip pieces.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qel {

enum class LoadListKind { Circle, Rectangle, Strip };

// What the values of one row say about storing it. The first that applies wins.
enum class RowVerdict {
  Valid,
  Empty,          // no data cell holds any text: nothing to store
  Missing,        // a data cell is empty
  Unsuitable,     // a cell does not begin like a number
  BadNumber,      // the No. is outside 0..99999
  Abnormal,       // a circle left of or below the axes, or without a radius
  XNotAscending,  // the x coordinates fall
  YNotAscending,  // the y coordinates fall
};

struct LoadListColumn {
  const char* header;  // the unit column's header comes from UnitHeader()
  int minimumWidth;    // pixels at 96 dpi
};

// The row's cells: index 0 is the No. (column 1), index c - 1 is column c.
using LoadRow = std::vector<std::string>;

struct LoadListLayout {
  LoadListKind kind;
  int rowLimit;
  std::vector<LoadListColumn> columns;  // column 1 is the No.
  int unitColumn;                       // the column whose header names the unit of q or γ
  const char* unitHeaders[2];           // that header for tf-m and for kN-m
  const char* otherUnitHeader;          // ... for any other unit system
  // When an edit of this column ends, the row's coordinates are checked and a fall shown on the
  // status line; 0 for none.
  int orderCheckColumn;
  // The duplicate report stops growing at this many characters.
  std::size_t duplicateReportLimit;
  // The kind's own test of a row whose cells all hold numbers.
  RowVerdict (*valueCheck)(const LoadRow& row);
};

const LoadListLayout& LayoutOf(LoadListKind kind);

// The header of `column` (1-based) for `unitSystem` (0 tf-m, 1 kN-m).
std::string ColumnHeader(const LoadListLayout& layout, int column, int unitSystem);

// Checks columns 1..`lastColumn` of `row`: Empty when no data cell of the whole row holds
// text; then Missing, Unsuitable, BadNumber and the kind's value check, in that order.
RowVerdict CheckRow(const LoadListLayout& layout, const LoadRow& row, int lastColumn);

// The verdict of CheckRow and the column (1-based) whose cell gave it: the empty cell of
// Missing, the cell that is not a number of Unsuitable, the No. of BadNumber; 0 otherwise.
struct RowCheck {
  RowVerdict verdict;
  int column;
};
RowCheck CheckRowCells(const LoadListLayout& layout, const LoadRow& row, int lastColumn);

// Whether any data cell (column 2 on) of `row` holds text.
bool IsFilled(const LoadRow& row);

}  // namespace qel
