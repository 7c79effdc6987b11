// Finds the load rows and point fields that the calculation leaves out or reads differently.
#include "document/excluded_loads.h"

#include "base/text_fields.h"
#include "document/cell_number.h"
#include "document/circle_rows.h"
#include "document/point_values.h"
#include "document/rectangle_rows.h"
#include "document/strip_pieces.h"

namespace qel {

namespace {

// Below this radius a circle adds nothing to the stress.
constexpr double kSmallestRadius = 0.001;

struct ListShape {
  LoadKind kind;
  int set;
  int rows;
  int columns;
  int lastComputedColumn;  // the strips' Y is only drawn
};

const std::string* RowCells(const DocumentTables& t, const ListShape& list, int row) {
  switch (list.kind) {
    case LoadKind::Strip:
      return t.stripLoads[list.set][row];
    case LoadKind::Rectangle:
      return t.rectLoads[row];
    case LoadKind::Circle:
      break;
  }
  return t.circleLoads[row];
}

bool IsFilledRow(const std::string* cells, int columns) {
  for (int column = 2; column <= columns; ++column)
    if (!cells[column].empty()) return true;
  return false;
}

int EnteredRows(const DocumentTables& t, const ListShape& list) {
  switch (list.kind) {
    case LoadKind::Strip:
      return CountStripRows(t, list.set);
    case LoadKind::Rectangle:
      return CountRectRows(t);
    case LoadKind::Circle:
      break;
  }
  return CountCircleRows(t);
}

bool HasNoExtent(const DocumentTables& t, const ListShape& list, int row) {
  return list.kind == LoadKind::Circle && CircleAt(t, row).load.r < kSmallestRadius;
}

// The X column of a strip row that is larger than the next one, or 0.
int OutOfOrderColumn(const DocumentTables& t, const ListShape& list, int row) {
  if (list.kind != LoadKind::Strip) return 0;
  const int part = StripPieceOutOfOrder(StripPieceAt(t, list.set, row).piece);
  return part == 0 ? 0 : strip_col::kX1 + part - 1;
}

// The first data cell of a row (columns 2..`last`) whose reading passes `test`; 0 when none
// does.
template <class Test>
int FirstCellWhere(const std::string* cells, int last, Test test) {
  for (int column = 2; column <= last; ++column)
    if (test(ReadCellNumber(cells[column]))) return column;
  return 0;
}

// A row the list reads (one of its leading rows): named for its first cell out of range (every
// data cell counts, the strips' Y too, since the figure stands the piece on it); else for every
// computed cell without a number, or else its lack of extent or its X out of order, and for
// every full-width cell.
void FindInRow(const DocumentTables& t, const ListShape& list, int row,
               std::vector<ExcludedLoad>& out) {
  const std::string* cells = RowCells(t, list, row);
  const auto named = [&](int column, ExclusionReason reason) {
    out.push_back(
        {list.kind, list.set, row, column, column ? cells[column] : "", reason, cells[1]});
  };
  const int outOfRange = FirstCellWhere(cells, list.columns, [](const CellNumber& number) {
    return number.form == CellForm::OutOfRange;
  });
  if (outOfRange != 0) {
    named(outOfRange, ExclusionReason::OutOfRange);
    return;
  }
  bool readAsZero = false;
  for (int column = 2; column <= list.lastComputedColumn; ++column) {
    if (ReadCellNumber(cells[column]).holdsNumber()) continue;
    named(column, ExclusionReason::ReadAsZero);
    readAsZero = true;
  }
  if (!readAsZero) {
    if (HasNoExtent(t, list, row))
      named(0, ExclusionReason::NoExtent);
    else if (const int column = OutOfOrderColumn(t, list, row))
      named(column, ExclusionReason::NotAscending);
  }
  for (int column = 2; column <= list.columns; ++column)
    if (ReadCellNumber(cells[column]).form == CellForm::FullWidth)
      named(column, ExclusionReason::ReadAsHalfWidth);
}

void FindInList(const DocumentTables& t, const ListShape& list, std::vector<ExcludedLoad>& out) {
  const int entered = EnteredRows(t, list);
  for (int row = 1; row <= entered; ++row)
    FindInRow(t, list, row, out);
  for (int row = entered + 1; row <= list.rows; ++row) {
    const std::string* cells = RowCells(t, list, row);
    if (!IsFilledRow(cells, list.columns)) continue;
    if (row == entered + 1) {
      const int column = IsPresent(cells[1]) && list.kind == LoadKind::Strip ? strip_col::kX1 : 1;
      out.push_back(
          {list.kind, list.set, row, column, cells[column], ExclusionReason::EndsList, cells[1]});
    } else {
      out.push_back({list.kind, list.set, row, 0, "", ExclusionReason::AfterListEnd, cells[1]});
    }
  }
}

}  // namespace

std::vector<ExcludedLoad> FindExcludedLoads(const DocumentTables& t) {
  std::vector<ExcludedLoad> found;
  for (int set = 1; set <= kStripSets; ++set)
    FindInList(t, {LoadKind::Strip, set, kStripRows, kStripColumns, strip_col::kGamma}, found);
  FindInList(t, {LoadKind::Rectangle, 0, kRectRows, kRectColumns, rect_col::kQ}, found);
  FindInList(t, {LoadKind::Circle, 0, kCircleRows, kCircleColumns, circle_col::kQ}, found);
  return found;
}

int CountLeftOutRows(const std::vector<ExcludedLoad>& loads) {
  int count = 0;
  for (const ExcludedLoad& load : loads)
    count += load.leftOut();
  return count;
}

std::vector<ExcludedLoad> ExclusionsOf(const std::vector<ExcludedLoad>& loads, LoadKind kind,
                                       int set) {
  std::vector<ExcludedLoad> of;
  for (const ExcludedLoad& load : loads)
    if (load.kind == kind && load.set == set) of.push_back(load);
  return of;
}

std::vector<ExcludedPoint> FindExcludedPoints(const DocumentTables& t, bool lattice) {
  std::vector<ExcludedPoint> found;
  const int rows = lattice ? kGridRows : kStripPointRows;
  const int columns = lattice ? 3 : 2;
  const int depthColumn = lattice ? point_col::kGridZ : point_col::kZ;
  for (int column = 1; column <= columns; ++column) {
    for (int row = 1; row <= rows; ++row) {
      const std::string& text = lattice ? t.gridPoints[row][column] : t.stripPoints[row][column];
      const CellNumber number = ReadCellNumber(text);
      if (number.form == CellForm::Empty) continue;
      if (!number.holdsNumber())
        found.push_back({lattice, row, column, text, PointExclusion::NotANumber});
      else if (column == depthColumn && !IsUsableDepth(number.value))
        found.push_back({lattice, row, column, text, PointExclusion::NegativeDepth});
      else if (number.form == CellForm::FullWidth)
        found.push_back({lattice, row, column, text, PointExclusion::ReadAsHalfWidth});
    }
  }
  return found;
}

std::string PointFieldName(bool lattice, int row, int column) {
  static const char* const kStrip[] = {"", "x", "z"};
  static const char* const kLattice[] = {"", "x", "y", "z"};
  const int last = lattice ? 3 : 2;
  if (column < 1 || column > last) return "";
  return (lattice ? kLattice : kStrip)[column] + std::to_string(row);
}

std::vector<std::string> PointNotes(const std::vector<ExcludedPoint>& points) {
  std::string leftOut, halfWidth;
  for (const ExcludedPoint& point : points) {
    std::string& note = point.leftOut() ? leftOut : halfWidth;
    note += " " + PointFieldName(point.lattice, point.row, point.column) + "「" + point.text + "」";
    if (point.reason == PointExclusion::NegativeDepth) note += "(負の深度)";
  }
  std::vector<std::string> notes;
  if (!leftOut.empty()) notes.push_back("計算に入らない計算点:" + leftOut);
  if (!halfWidth.empty()) notes.push_back("全角の数字を半角として計算した計算点:" + halfWidth);
  return notes;
}

std::string LeftOutSummary(const DocumentTables& tables) {
  const std::vector<ExcludedLoad> excluded = FindExcludedLoads(tables);
  const int loads = CountLeftOutRows(excluded);
  int zeros = 0, outOfOrder = 0;
  for (const ExcludedLoad& load : excluded) {
    zeros += load.reason == ExclusionReason::ReadAsZero;
    outOfOrder += load.reason == ExclusionReason::NotAscending;
  }
  std::size_t points = 0;
  for (const bool lattice : {false, true})
    for (const ExcludedPoint& point : FindExcludedPoints(tables, lattice))
      points += point.leftOut();
  std::string summary;
  const auto add = [&](const std::string& part) {
    summary += (summary.empty() ? "" : "、") + part;
  };
  if (loads > 0) add("計算に入らない荷重 " + std::to_string(loads) + " 行");
  if (points > 0)
    add((loads > 0 ? "計算点 " : "計算に入らない計算点 ") + std::to_string(points) + " つ");
  if (zeros > 0) add("0 として計算する値 " + std::to_string(zeros));
  if (outOfOrder > 0) add("X が昇順でない帯状荷重 " + std::to_string(outOfOrder) + " 行");
  return summary;
}

std::string LoadColumnName(LoadKind kind, int column) {
  static const char* const kStrip[] = {"", "No.", "X1", "X2", "X3", "X4", "h", "γ", "Y"};
  static const char* const kRect[] = {"", "No.", "X1", "Y1", "X2", "Y2", "q"};
  static const char* const kCircle[] = {"", "No.", "X", "Y", "r", "q"};
  switch (kind) {
    case LoadKind::Strip:
      return column >= 1 && column <= kStripColumns ? kStrip[column] : "";
    case LoadKind::Rectangle:
      return column >= 1 && column <= kRectColumns ? kRect[column] : "";
    case LoadKind::Circle:
      break;
  }
  return column >= 1 && column <= kCircleColumns ? kCircle[column] : "";
}

}  // namespace qel
