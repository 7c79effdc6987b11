// The rectangular loads as numbers.
#include "document/rectangle_rows.h"

#include <algorithm>

#include "base/c_locale.h"
#include "base/text_fields.h"
#include "document/cell_number.h"
#include "document/leading_rows.h"

namespace qel {

namespace {

std::vector<RectangleRow> RectanglesUpTo(const DocumentTables& t, int rows) {
  std::vector<RectangleRow> rectangles;
  for (int row = 1; row <= rows; ++row)
    rectangles.push_back(RectangleAt(t, row));
  return rectangles;
}

std::vector<RectangleRow> EnteringRectanglesUpTo(const DocumentTables& t, int rows) {
  std::vector<RectangleRow> rectangles = RectanglesUpTo(t, rows);
  std::erase_if(rectangles, [](const RectangleRow& rectangle) { return !rectangle.enters(); });
  return rectangles;
}

}  // namespace

RectangleRow RectangleAt(const DocumentTables& t, int row) {
  const std::string* cells = t.rectLoads[row];
  RectangleRow rectangle{row, ToInt(cells[rect_col::kNo]), {}};
  unsigned& outOfRange = rectangle.outOfRange;
  rectangle.load = {RowCellValue(cells[rect_col::kX1], rect_col::kX1, outOfRange),
                    RowCellValue(cells[rect_col::kY1], rect_col::kY1, outOfRange),
                    RowCellValue(cells[rect_col::kX2], rect_col::kX2, outOfRange),
                    RowCellValue(cells[rect_col::kY2], rect_col::kY2, outOfRange),
                    RowCellValue(cells[rect_col::kQ], rect_col::kQ, outOfRange)};
  return rectangle;
}

int CountRectRows(const DocumentTables& t) {
  return CountLeadingRows(t.rectLoads,
                          [](const std::string* cells) { return IsPresent(cells[rect_col::kNo]); });
}

std::vector<RectangleRow> ListedRectangles(const DocumentTables& t) {
  return RectanglesUpTo(t, CountRectRows(t));
}

std::vector<RectangleRow> CalculatedRectangles(const DocumentTables& t) {
  return EnteringRectanglesUpTo(t, CountRectRows(t));
}

std::vector<RectangleRow> DrawnRectangles(const DocumentTables& t) {
  return EnteringRectanglesUpTo(t, CountLeadingRows(t.rectLoads, [](const std::string* cells) {
                                  return FirstCellsPresent(cells, kRectColumns);
                                }));
}

double RectanglesReach(const DocumentTables& t) {
  const int rows = CountLeadingRows(
      t.rectLoads, [](const std::string* cells) { return BeginsLikeNumber(cells[rect_col::kX2]); });
  double reach = 0.0;
  for (const RectangleRow& rectangle : EnteringRectanglesUpTo(t, rows))
    reach = std::max(reach, rectangle.load.x2);
  return reach;
}

}  // namespace qel
