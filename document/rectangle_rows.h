// The rectangular loads as numbers, and the rules that pick the rows each reader uses.
#pragma once

#include <vector>

#include "document/document_tables.h"
#include "engine/rect_circle_influence.h"

namespace qel {

// One row of the rectangle list as numbers; a cell that does not hold a number reads 0.
struct RectangleRow {
  int row = 0;     // 1-based document row
  int number = 0;  // its No.
  RectLoad load;   // corners R1 (X1, Y1) and R2 (X2, Y2), and q
  // Bit c set: cell c holds nan, inf or a number out of range (CellForm::OutOfRange). Such a
  // row enters neither the calculation nor the figure; the data table lists it, marked.
  unsigned outOfRange = 0;
  bool enters() const { return outOfRange == 0; }
};

RectangleRow RectangleAt(const DocumentTables& tables, int row);

// How many leading rows have a number in No.: the rectangles the data table lists.
int CountRectRows(const DocumentTables& tables);
// Those rectangles.
std::vector<RectangleRow> ListedRectangles(const DocumentTables& tables);
// Those of them that enter: the rectangles the calculation uses.
std::vector<RectangleRow> CalculatedRectangles(const DocumentTables& tables);

// The rectangles the figure draws: of the leading rows whose six cells all hold numbers
// (FirstCellsPresent), those that enter.
std::vector<RectangleRow> DrawnRectangles(const DocumentTables& tables);

// How far right the rectangles reach in the figure: the largest X2 of the leading rows whose X2
// holds a number, whatever their other cells, rows that do not enter left aside; at least 0.
double RectanglesReach(const DocumentTables& tables);

}  // namespace qel
