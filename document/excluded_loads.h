// The loads and calculation points that a document lists but its calculation leaves out or
// reads differently from their text, so that every display and command can say so.
#pragma once

#include <string>
#include <vector>

#include "document/document_tables.h"

namespace qel {

enum class LoadKind { Strip, Rectangle, Circle };

enum class ExclusionReason {
  EndsList,         // this row's No. (or a strip's X1) is not a number: the list ends here
  AfterListEnd,     // a filled row after the end of its list
  ReadAsZero,       // the row enters, but a data cell that is not a number counts as 0
  NoExtent,         // the row enters, but its circle has no radius and adds nothing
  NotAscending,     // the row enters, but its strip's X are out of order: no load shape, the
                    // engine's case formulas compute it as entered
  OutOfRange,       // a data cell holds nan, inf or a number out of range: the row is left out
  ReadAsHalfWidth,  // the row enters, a data cell of full-width digits read in its ASCII form
};

struct ExcludedLoad {
  LoadKind kind;
  int set;           // strip load set 1 or 2; 0 for rectangles and circles
  int row;           // 1-based document row
  int column;        // the column whose text is the cause (0 when none is); for NotAscending
                     // the X that is larger than the next one
  std::string text;  // that cell's text
  ExclusionReason reason;
  std::string number;  // the row's No. as typed, by which the notes name the row
  // Whether the row is missing from the calculation (not only read differently).
  bool leftOut() const {
    return reason != ExclusionReason::ReadAsZero && reason != ExclusionReason::ReadAsHalfWidth &&
           reason != ExclusionReason::NotAscending;
  }
};

// Every filled load row that does not enter the calculation as typed, by list and row order.
// A row is filled when any of its data cells (No. excluded) holds text. A row of the list is
// named once for the first cell out of range; else for every cell read as 0 (or, without one,
// for its circle's lack of extent or its strip's X out of order), and once more for every
// full-width cell.
std::vector<ExcludedLoad> FindExcludedLoads(const DocumentTables& tables);

// How many load rows of `loads` are missing from the calculation.
int CountLeftOutRows(const std::vector<ExcludedLoad>& loads);

// The exclusions of one list (`set` as in ExcludedLoad).
std::vector<ExcludedLoad> ExclusionsOf(const std::vector<ExcludedLoad>& loads, LoadKind kind,
                                       int set);

enum class PointExclusion {
  NotANumber,       // text, nan, inf or a number out of range: left out
  NegativeDepth,    // a depth above the ground surface: listed, not computed
  ReadAsHalfWidth,  // full-width digits, computed in their ASCII form
};

// A calculation point field that holds text the calculation does not use as typed.
struct ExcludedPoint {
  bool lattice;
  int row;     // 1-based
  int column;  // point_col::kX / kZ, or kGridX / kGridY / kGridZ
  std::string text;
  PointExclusion reason;
  bool leftOut() const { return reason != PointExclusion::ReadAsHalfWidth; }
};

std::vector<ExcludedPoint> FindExcludedPoints(const DocumentTables& tables, bool lattice);

// The name of a point field as the point dialogs label it: "x3", "z5", "y12".
std::string PointFieldName(bool lattice, int row, int column);

// The lines naming the excluded points, for the data and results displays: one for those left
// out, "計算に入らない計算点: x3「abc」 z2「-1」(負の深度)", one for those read from full-width
// digits, "全角の数字を半角として計算した計算点: z4「１０」". None when there are none.
std::vector<std::string> PointNotes(const std::vector<ExcludedPoint>& points);

// The status line's word on what the calculation leaves out or reads differently: "計算に入らない
// 荷重 3 行、計算点 1 つ、0 として計算する値 2、X が昇順でない帯状荷重 1 行" (a part whose count
// is 0 is left out); empty when there is nothing to say.
std::string LeftOutSummary(const DocumentTables& tables);

// The header text of a load-list column, as the tables name it: "No.", "X1", "r", "γ" ...
std::string LoadColumnName(LoadKind kind, int column);

}  // namespace qel
