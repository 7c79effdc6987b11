// The column tables and row checks of the circle, rectangle and strip load lists.
#include "dialogs/load_list_layout.h"

#include "base/c_locale.h"
#include "base/text_fields.h"

namespace qel {

namespace {

constexpr double kTolerance = 0.000001;

double Value(const LoadRow& row, int column) {
  return ToDouble(row[column - 1]);
}

RowVerdict CheckCircle(const LoadRow& row) {
  // Centres lie in the first quadrant and a circle needs a radius.
  if (Value(row, 2) < 0 || Value(row, 3) < 0 || Value(row, 4) <= kTolerance)
    return RowVerdict::Abnormal;
  return RowVerdict::Valid;
}

RowVerdict CheckRectangle(const LoadRow& row) {
  // Corner R1 is the lower left one; equal coordinates pass.
  if (Value(row, 4) < Value(row, 2)) return RowVerdict::XNotAscending;
  if (Value(row, 5) < Value(row, 3)) return RowVerdict::YNotAscending;
  return RowVerdict::Valid;
}

RowVerdict CheckStrip(const LoadRow& row) {
  for (int column = 2; column < 5; ++column)
    if (Value(row, column) - Value(row, column + 1) > kTolerance) return RowVerdict::XNotAscending;
  return RowVerdict::Valid;
}

}  // namespace

const LoadListLayout& LayoutOf(LoadListKind kind) {
  static const LoadListLayout circle{
      LoadListKind::Circle,
      40,
      {{"No.", 60}, {"X m", 60}, {"Y m", 60}, {"r m", 60}, {"q", 60}},
      5,
      {"q tf/㎡", "q kN/㎡"},
      "q ",
      0,
      200,
      CheckCircle};
  static const LoadListLayout rectangle{
      LoadListKind::Rectangle,
      40,
      {{"No.", 60}, {"X1 m", 60}, {"Y1 m", 60}, {"X2 m", 60}, {"Y2 m", 60}, {"q", 60}},
      6,
      {"q tf/㎡", "q kN/㎡"},
      "q ",
      5,
      200,
      CheckRectangle};
  static const LoadListLayout strip{LoadListKind::Strip,
                                    20,
                                    {{"No.", 52},
                                     {"X1 m", 52},
                                     {"X2 m", 54},
                                     {"X3 m", 52},
                                     {"X4 m", 54},
                                     {"h m", 52},
                                     {"γ", 60},
                                     {"Y m", 52}},
                                    7,
                                    {"γtf/m3", "γkN/m3"},
                                    "γ",
                                    5,
                                    300,
                                    CheckStrip};
  switch (kind) {
    case LoadListKind::Circle:
      return circle;
    case LoadListKind::Rectangle:
      return rectangle;
    case LoadListKind::Strip:
      return strip;
  }
  return circle;
}

std::string ColumnHeader(const LoadListLayout& layout, int column, int unitSystem) {
  if (column == layout.unitColumn)
    return unitSystem == 0 || unitSystem == 1 ? layout.unitHeaders[unitSystem]
                                              : layout.otherUnitHeader;
  return layout.columns[column - 1].header;
}

bool IsFilled(const LoadRow& row) {
  for (std::size_t i = 1; i < row.size(); ++i)
    if (!row[i].empty()) return true;
  return false;
}

RowVerdict CheckRow(const LoadListLayout& layout, const LoadRow& row, int lastColumn) {
  return CheckRowCells(layout, row, lastColumn).verdict;
}

RowCheck CheckRowCells(const LoadListLayout& layout, const LoadRow& row, int lastColumn) {
  if (!IsFilled(row)) return {RowVerdict::Empty, 0};
  for (int column = 2; column <= lastColumn; ++column)
    if (row[column - 1].empty()) return {RowVerdict::Missing, column};
  for (int column = 1; column <= lastColumn; ++column)
    if (IsNumericText(row[column - 1]) != 1) return {RowVerdict::Unsuitable, column};
  const int number = ToInt(row[0]);
  if (number < 0 || number > 99999) return {RowVerdict::BadNumber, 1};
  return {layout.valueCheck(row), 0};
}

}  // namespace qel
