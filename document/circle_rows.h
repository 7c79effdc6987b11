// The circular loads as numbers, and the rules that pick the rows each reader uses.
#pragma once

#include <vector>

#include "document/document_tables.h"
#include "engine/rect_circle_influence.h"

namespace qel {

// One row of the circle list as numbers; a cell that does not hold a number reads 0.
struct CircleRow {
  int row = 0;      // 1-based document row
  int number = 0;   // its No.
  CircleLoad load;  // centre (X, Y), radius r and q
  // Bit c set: cell c holds nan, inf or a number out of range (CellForm::OutOfRange). Such a
  // row enters neither the calculation nor the figure; the data table lists it, marked.
  unsigned outOfRange = 0;
  bool enters() const { return outOfRange == 0; }
};

CircleRow CircleAt(const DocumentTables& tables, int row);

// How many leading rows have a number in No.: the circles the data table lists.
int CountCircleRows(const DocumentTables& tables);
// Those circles.
std::vector<CircleRow> ListedCircles(const DocumentTables& tables);
// Those of them that enter: the circles the calculation uses.
std::vector<CircleRow> CalculatedCircles(const DocumentTables& tables);

// The circles the figure draws: of the leading rows whose five cells all hold numbers
// (FirstCellsPresent), those that enter.
std::vector<CircleRow> DrawnCircles(const DocumentTables& tables);

// How far right the circles reach in the figure: the largest X + r of the leading rows whose X
// and r hold numbers, whatever their other cells, rows that do not enter left aside; at least 0.
double CirclesReach(const DocumentTables& tables);

}  // namespace qel
