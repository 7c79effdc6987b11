// The rectangular loads as numbers.
#include "document/rectangle_rows.h"

#include <algorithm>

#include "document/leading_rows.h"
#include "settings/c_locale.h"

namespace qel {

namespace {

std::vector<RectangleRow> RectanglesUpTo(const DocumentTables& t, int rows) {
  std::vector<RectangleRow> rectangles;
  for (int row = 1; row <= rows; ++row)
    rectangles.push_back(RectangleAt(t, row));
  return rectangles;
}

}  // namespace

RectangleRow RectangleAt(const DocumentTables& t, int row) {
  const std::string* cells = t.rectLoads[row];
  return {row, ToInt(cells[rect_col::kNo]),
          RectLoad{ToDouble(cells[rect_col::kX1]), ToDouble(cells[rect_col::kY1]),
                   ToDouble(cells[rect_col::kX2]), ToDouble(cells[rect_col::kY2]),
                   ToDouble(cells[rect_col::kQ])}};
}

int CountRectRows(const DocumentTables& t) {
  return CountLeadingRows(t.rectLoads,
                          [](const std::string* cells) { return IsPresent(cells[rect_col::kNo]); });
}

std::vector<RectangleRow> CalculatedRectangles(const DocumentTables& t) {
  return RectanglesUpTo(t, CountRectRows(t));
}

std::vector<RectangleRow> DrawnRectangles(const DocumentTables& t) {
  return RectanglesUpTo(t, CountLeadingRows(t.rectLoads, [](const std::string* cells) {
                          return FirstCellsPresent(cells, kRectColumns);
                        }));
}

double RectanglesReach(const DocumentTables& t) {
  const int rows = CountLeadingRows(
      t.rectLoads, [](const std::string* cells) { return IsPresent(cells[rect_col::kX2]); });
  double reach = 0.0;
  for (const RectangleRow& rectangle : RectanglesUpTo(t, rows))
    reach = std::max(reach, rectangle.load.x2);
  return reach;
}

}  // namespace qel
