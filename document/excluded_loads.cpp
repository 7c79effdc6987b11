// Finds the load rows and point fields that the calculation leaves out or reads as 0.
#include "document/excluded_loads.h"

#include "document/circle_rows.h"
#include "document/point_values.h"
#include "document/rectangle_rows.h"
#include "document/strip_pieces.h"
#include "settings/c_locale.h"
#include "settings/text_fields.h"

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
  if (list.kind == LoadKind::Circle) return CircleAt(t, row).load.r < kSmallestRadius;
  if (list.kind == LoadKind::Strip) {
    const StripPiece piece = StripPieceAt(t, list.set, row).piece;
    return piece.x4 < piece.x1;
  }
  return false;
}

// A depth field that holds a number the calculation cannot use.
bool IsUnusableDepth(const std::string& zText) {
  return IsPresent(zText) && !IsUsableDepth(ToDouble(zText));
}

void FindInList(const DocumentTables& t, const ListShape& list, std::vector<ExcludedLoad>& out) {
  const int entered = EnteredRows(t, list);
  for (int row = 1; row <= entered; ++row) {
    const std::string* cells = RowCells(t, list, row);
    ExcludedLoad found{list.kind, list.set, row, 0, "", ExclusionReason::NoExtent};
    for (int column = 2; column <= list.lastComputedColumn; ++column) {
      if (IsPresent(cells[column])) continue;
      found.column = column;
      found.text = cells[column];
      found.reason = ExclusionReason::ReadAsZero;
      break;
    }
    if (found.reason == ExclusionReason::ReadAsZero || HasNoExtent(t, list, row))
      out.push_back(found);
  }
  for (int row = entered + 1; row <= list.rows; ++row) {
    const std::string* cells = RowCells(t, list, row);
    if (!IsFilledRow(cells, list.columns)) continue;
    if (row == entered + 1) {
      const int column = IsPresent(cells[1]) && list.kind == LoadKind::Strip ? strip_col::kX1 : 1;
      out.push_back({list.kind, list.set, row, column, cells[column], ExclusionReason::EndsList});
    } else {
      out.push_back({list.kind, list.set, row, 0, "", ExclusionReason::AfterListEnd});
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
      if (IsNumericText(text) == 0)
        found.push_back({lattice, row, column, text, false});
      else if (column == depthColumn && IsUnusableDepth(text))
        found.push_back({lattice, row, column, text, true});
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

std::string ExcludedPointsNote(const std::vector<ExcludedPoint>& points) {
  if (points.empty()) return "";
  std::string note = "計算に入らない計算点:";
  for (const ExcludedPoint& point : points) {
    note += " " + PointFieldName(point.lattice, point.row, point.column) + "「" + point.text + "」";
    if (point.negativeDepth) note += "(負の深度)";
  }
  return note;
}

std::string LeftOutSummary(const DocumentTables& tables) {
  const int loads = CountLeftOutRows(FindExcludedLoads(tables));
  const std::size_t points =
      FindExcludedPoints(tables, false).size() + FindExcludedPoints(tables, true).size();
  std::string summary;
  if (loads > 0) summary = "計算に入らない荷重 " + std::to_string(loads) + " 行";
  if (points > 0)
    summary +=
        (summary.empty() ? "計算に入らない計算点 " : "、計算点 ") + std::to_string(points) + " つ";
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
