// The loads and calculation points that a document lists but its calculation leaves out or
// reads differently from their text, so that every display and command can say so.
#pragma once

#include <string>
#include <vector>

#include "document/document_tables.h"

namespace qel {

enum class LoadKind { Strip, Rectangle, Circle };

enum class ExclusionReason {
  EndsList,      // this row's No. (or a strip's X1) is not a number: the list ends here
  AfterListEnd,  // a filled row after the end of its list
  ReadAsZero,    // the row enters, but a data cell that is not a number counts as 0
  NoExtent,      // the row enters, but its load has no extent and adds nothing
};

struct ExcludedLoad {
  LoadKind kind;
  int set;           // strip load set 1 or 2; 0 for rectangles and circles
  int row;           // 1-based document row
  int column;        // the column whose text is the cause (0 when none is)
  std::string text;  // that cell's text
  ExclusionReason reason;
  // Whether the row is missing from the calculation (not only read differently).
  bool leftOut() const { return reason != ExclusionReason::ReadAsZero; }
};

// Every filled load row that does not enter the calculation as typed, by list and row order.
// A row is filled when any of its data cells (No. excluded) holds text.
std::vector<ExcludedLoad> FindExcludedLoads(const DocumentTables& tables);

// How many load rows of `loads` are missing from the calculation.
int CountLeftOutRows(const std::vector<ExcludedLoad>& loads);

// The exclusions of one list (`set` as in ExcludedLoad).
std::vector<ExcludedLoad> ExclusionsOf(const std::vector<ExcludedLoad>& loads, LoadKind kind,
                                       int set);

// A calculation point field that holds text but is left out of the calculation: a text that
// is not a number, or a depth above the ground surface (negative).
struct ExcludedPoint {
  bool lattice;
  int row;     // 1-based
  int column;  // point_col::kX / kZ, or kGridX / kGridY / kGridZ
  std::string text;
  bool negativeDepth;  // false: the text is not a number
};

std::vector<ExcludedPoint> FindExcludedPoints(const DocumentTables& tables, bool lattice);

// The name of a point field as the point dialogs label it: "x3", "z5", "y12".
std::string PointFieldName(bool lattice, int row, int column);

// One line naming the excluded points, for the data and results displays:
// "計算に入らない計算点: x3「abc」 z2「-1」(負の深度)". Empty when there are none.
std::string ExcludedPointsNote(const std::vector<ExcludedPoint>& points);

// The status line's word on what the calculation leaves out: "計算に入らない荷重 3 行、計算点
// 1 つ" (the part of either that is 0 is left out); empty when nothing is left out.
std::string LeftOutSummary(const DocumentTables& tables);

// The header text of a load-list column, as the tables name it: "No.", "X1", "r", "γ" ...
std::string LoadColumnName(LoadKind kind, int column);

}  // namespace qel
