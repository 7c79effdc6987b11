// The rectangular loads as numbers, and the rows each reader takes.
#include "document/rectangle_rows.h"

#include <gtest/gtest.h>

#include <vector>

namespace qel {
namespace {

// The calculation takes the rows with a No. (a blank q counts as 0), the figure stops at the
// first row with any cell that is not a number, and its extent follows X2 alone.
TEST(RectangleRows, TheCalculationTheFigureAndTheExtentEachTakeTheirRows) {
  DocumentTables t;
  const std::vector<std::vector<const char*>> rows = {
      {"1", "0", "0", "3", "3", "100"},  {"2", "5", "0", "8", "3", ""},
      {"3", "10", "0", "13", "3", "50"}, {"x", "15", "0", "18", "3", "50"},
      {"", "", "", "", "", ""},          {"6", "20", "0", "40", "3", "50"}};
  for (std::size_t row = 0; row < rows.size(); ++row)
    for (std::size_t column = 0; column < rows[row].size(); ++column)
      t.rectLoads[row + 1][column + 1] = rows[row][column];
  auto numbers = [](const std::vector<RectangleRow>& found) {
    std::vector<int> rowNumbers;
    for (const RectangleRow& r : found)
      rowNumbers.push_back(r.row);
    return rowNumbers;
  };
  EXPECT_EQ(numbers(CalculatedRectangles(t)), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(CountRectRows(t), 3);
  EXPECT_EQ(numbers(DrawnRectangles(t)), (std::vector<int>{1}));
  EXPECT_EQ(RectanglesReach(t), 18.0);

  const RectangleRow second = CalculatedRectangles(t)[1];
  EXPECT_EQ(second.number, 2);
  EXPECT_EQ(second.load.x1, 5.0);
  EXPECT_EQ(second.load.x2, 8.0);
  EXPECT_EQ(second.load.y2, 3.0);
  EXPECT_EQ(second.load.q, 0.0);
  EXPECT_EQ(RectanglesReach(DocumentTables{}), 0.0);

  // A row with a cell out of range is listed, but neither calculated, drawn nor reached for.
  t.rectLoads[1][rect_col::kQ] = "-nan";
  t.rectLoads[4][rect_col::kX2] = "1e400";
  EXPECT_EQ(numbers(ListedRectangles(t)), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(numbers(CalculatedRectangles(t)), (std::vector<int>{2, 3}));
  EXPECT_EQ(numbers(DrawnRectangles(t)), (std::vector<int>{}));
  EXPECT_EQ(ListedRectangles(t)[0].outOfRange, 1u << rect_col::kQ);
  EXPECT_EQ(RectanglesReach(t), 13.0);
}

}  // namespace
}  // namespace qel
