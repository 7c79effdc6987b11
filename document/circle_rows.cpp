// The circular loads as numbers.
#include "document/circle_rows.h"

#include <algorithm>

#include "base/c_locale.h"
#include "base/text_fields.h"
#include "document/cell_number.h"
#include "document/leading_rows.h"

namespace qel {

namespace {

std::vector<CircleRow> CirclesUpTo(const DocumentTables& t, int rows) {
  std::vector<CircleRow> circles;
  for (int row = 1; row <= rows; ++row)
    circles.push_back(CircleAt(t, row));
  return circles;
}

std::vector<CircleRow> EnteringCirclesUpTo(const DocumentTables& t, int rows) {
  std::vector<CircleRow> circles = CirclesUpTo(t, rows);
  std::erase_if(circles, [](const CircleRow& circle) { return !circle.enters(); });
  return circles;
}

}  // namespace

CircleRow CircleAt(const DocumentTables& t, int row) {
  const std::string* cells = t.circleLoads[row];
  CircleRow circle{row, ToInt(cells[circle_col::kNo]), {}};
  unsigned& outOfRange = circle.outOfRange;
  circle.load = {RowCellValue(cells[circle_col::kX], circle_col::kX, outOfRange),
                 RowCellValue(cells[circle_col::kY], circle_col::kY, outOfRange),
                 RowCellValue(cells[circle_col::kR], circle_col::kR, outOfRange),
                 RowCellValue(cells[circle_col::kQ], circle_col::kQ, outOfRange)};
  return circle;
}

int CountCircleRows(const DocumentTables& t) {
  return CountLeadingRows(
      t.circleLoads, [](const std::string* cells) { return IsPresent(cells[circle_col::kNo]); });
}

std::vector<CircleRow> ListedCircles(const DocumentTables& t) {
  return CirclesUpTo(t, CountCircleRows(t));
}

std::vector<CircleRow> CalculatedCircles(const DocumentTables& t) {
  return EnteringCirclesUpTo(t, CountCircleRows(t));
}

std::vector<CircleRow> DrawnCircles(const DocumentTables& t) {
  return EnteringCirclesUpTo(t, CountLeadingRows(t.circleLoads, [](const std::string* cells) {
                               return FirstCellsPresent(cells, kCircleColumns);
                             }));
}

double CirclesReach(const DocumentTables& t) {
  const int rows = CountLeadingRows(t.circleLoads, [](const std::string* cells) {
    return BeginsLikeNumber(cells[circle_col::kX]) && BeginsLikeNumber(cells[circle_col::kR]);
  });
  double reach = 0.0;
  for (const CircleRow& circle : EnteringCirclesUpTo(t, rows))
    reach = std::max(reach, circle.load.x + circle.load.r);
  return reach;
}

}  // namespace qel
