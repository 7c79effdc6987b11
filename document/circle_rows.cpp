// The circular loads as numbers.
#include "document/circle_rows.h"

#include <algorithm>

#include "document/leading_rows.h"
#include "settings/c_locale.h"

namespace qel {

namespace {

std::vector<CircleRow> CirclesUpTo(const DocumentTables& t, int rows) {
  std::vector<CircleRow> circles;
  for (int row = 1; row <= rows; ++row)
    circles.push_back(CircleAt(t, row));
  return circles;
}

}  // namespace

CircleRow CircleAt(const DocumentTables& t, int row) {
  const std::string* cells = t.circleLoads[row];
  return {row, ToInt(cells[circle_col::kNo]),
          CircleLoad{ToDouble(cells[circle_col::kX]), ToDouble(cells[circle_col::kY]),
                     ToDouble(cells[circle_col::kR]), ToDouble(cells[circle_col::kQ])}};
}

int CountCircleRows(const DocumentTables& t) {
  return CountLeadingRows(
      t.circleLoads, [](const std::string* cells) { return IsPresent(cells[circle_col::kNo]); });
}

std::vector<CircleRow> CalculatedCircles(const DocumentTables& t) {
  return CirclesUpTo(t, CountCircleRows(t));
}

std::vector<CircleRow> DrawnCircles(const DocumentTables& t) {
  return CirclesUpTo(t, CountLeadingRows(t.circleLoads, [](const std::string* cells) {
                       return FirstCellsPresent(cells, kCircleColumns);
                     }));
}

double CirclesReach(const DocumentTables& t) {
  const int rows = CountLeadingRows(t.circleLoads, [](const std::string* cells) {
    return IsPresent(cells[circle_col::kX]) && IsPresent(cells[circle_col::kR]);
  });
  double reach = 0.0;
  for (const CircleRow& circle : CirclesUpTo(t, rows))
    reach = std::max(reach, circle.load.x + circle.load.r);
  return reach;
}

}  // namespace qel
