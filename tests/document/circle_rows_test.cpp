// The circular loads as numbers, and the rows each reader takes.
#include "document/circle_rows.h"

#include <gtest/gtest.h>

#include <vector>

namespace qel {
namespace {

// The calculation takes the rows with a No. (a blank r counts as 0), the figure stops at the
// first row with any cell that is not a number, and its extent at the first without X or r.
TEST(CircleRows, TheCalculationTheFigureAndTheExtentEachTakeTheirRows) {
  DocumentTables t;
  const std::vector<std::vector<const char*>> rows = {{"1", "30", "10", "4", "90"},
                                                      {"2", "40", "10", "3", ""},
                                                      {"3", "50", "10", "", "50"},
                                                      {"4", "60", "10", "3", "50"},
                                                      {"", "90", "10", "5", "50"}};
  for (std::size_t row = 0; row < rows.size(); ++row)
    for (std::size_t column = 0; column < rows[row].size(); ++column)
      t.circleLoads[row + 1][column + 1] = rows[row][column];
  auto numbers = [](const std::vector<CircleRow>& found) {
    std::vector<int> rowNumbers;
    for (const CircleRow& c : found)
      rowNumbers.push_back(c.row);
    return rowNumbers;
  };
  EXPECT_EQ(numbers(CalculatedCircles(t)), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(CountCircleRows(t), 4);
  EXPECT_EQ(numbers(DrawnCircles(t)), (std::vector<int>{1}));
  EXPECT_EQ(CirclesReach(t), 43.0);  // 40 + 3: row 3 has no radius

  const CircleRow third = CalculatedCircles(t)[2];
  EXPECT_EQ(third.number, 3);
  EXPECT_EQ(third.load.x, 50.0);
  EXPECT_EQ(third.load.y, 10.0);
  EXPECT_EQ(third.load.r, 0.0);
  EXPECT_EQ(third.load.q, 50.0);
  EXPECT_EQ(CirclesReach(DocumentTables{}), 0.0);
}

}  // namespace
}  // namespace qel
