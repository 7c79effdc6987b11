// Which listed loads and points the calculation leaves out or reads as 0, and why.
#include "document/excluded_loads.h"

#include <gtest/gtest.h>

#include <functional>

namespace qel {
namespace {

void StripRow(DocumentTables& t, int set, int row, std::vector<std::string> cells) {
  for (std::size_t c = 0; c < cells.size(); ++c)
    t.stripLoads[set][row][c + 1] = cells[c];
}

TEST(ExcludedLoads, EachListNamesTheRowsItLeavesOutOrReadsAsZero) {
  struct Expected {
    LoadKind kind;
    int set, row, column;
    ExclusionReason reason;
  };
  struct Case {
    const char* name;
    std::function<void(DocumentTables&)> fill;
    std::vector<Expected> expected;
    int leftOut;
  };
  const std::vector<std::string> piece = {"10", "0", "1", "2", "3", "1", "18", "0"};
  const Case cases[] = {
      {"a clean strip set", [&](DocumentTables& t) { StripRow(t, 1, 1, piece); }, {}, 0},
      {"a strip X1 that is not a number ends the set there",
       [&](DocumentTables& t) {
         StripRow(t, 1, 1, piece);
         StripRow(t, 1, 2, {"20", "abc", "1", "2", "3", "1", "18", "0"});
         StripRow(t, 1, 3, piece);
       },
       {{LoadKind::Strip, 1, 2, 2, ExclusionReason::EndsList},
        {LoadKind::Strip, 1, 3, 0, ExclusionReason::AfterListEnd}},
       2},
      {"rows after an empty row are left out",
       [&](DocumentTables& t) {
         StripRow(t, 2, 1, piece);
         StripRow(t, 2, 3, piece);
       },
       {{LoadKind::Strip, 2, 3, 0, ExclusionReason::AfterListEnd}},
       1},
      {"every strip cell that is not a number is read as 0",
       [&](DocumentTables& t) {
         StripRow(t, 1, 1, {"10", "0", "x", "", "3", "1", "18", "0"});
       },
       {{LoadKind::Strip, 1, 1, 3, ExclusionReason::ReadAsZero},
        {LoadKind::Strip, 1, 1, 4, ExclusionReason::ReadAsZero}},
       0},
      // Out of order, named for the first X larger than the next, and calculated as entered.
      {"strip pieces whose X are out of order",
       [&](DocumentTables& t) {
         StripRow(t, 1, 1, {"10", "5", "4", "3", "2", "1", "18", "0"});
         StripRow(t, 1, 2, {"20", "0", "3", "1", "4", "1", "18", "0"});
         StripRow(t, 1, 3, {"30", "0", "1", "3", "2", "1", "18", "0"});
         StripRow(t, 1, 4, {"40", "0", "1.00000001", "1", "2", "1", "18", "0"});  // within 1e-7
       },
       {{LoadKind::Strip, 1, 1, 2, ExclusionReason::NotAscending},
        {LoadKind::Strip, 1, 2, 3, ExclusionReason::NotAscending},
        {LoadKind::Strip, 1, 3, 4, ExclusionReason::NotAscending}},
       0},
      {"a rectangle q that is not a number, a circle without a radius",
       [](DocumentTables& t) {
         for (int c = 1; c <= kRectColumns; ++c)
           t.rectLoads[1][c] = c == kRectColumns ? "q?" : "1";
         for (int c = 1; c <= kCircleColumns; ++c)
           t.circleLoads[1][c] = c == circle_col::kR ? "0" : "1";
       },
       {{LoadKind::Rectangle, 0, 1, 6, ExclusionReason::ReadAsZero},
        {LoadKind::Circle, 0, 1, 0, ExclusionReason::NoExtent}},
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DocumentTables tables;
    c.fill(tables);
    const std::vector<ExcludedLoad> found = FindExcludedLoads(tables);
    ASSERT_EQ(found.size(), c.expected.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
      EXPECT_EQ(found[i].kind, c.expected[i].kind);
      EXPECT_EQ(found[i].set, c.expected[i].set);
      EXPECT_EQ(found[i].row, c.expected[i].row);
      EXPECT_EQ(found[i].column, c.expected[i].column);
      EXPECT_EQ(found[i].reason, c.expected[i].reason);
    }
    EXPECT_EQ(CountLeftOutRows(found), c.leftOut);
  }
}

TEST(ExcludedLoads, PointsThatAreNotNumbersOrLieAboveTheGroundAreNamed) {
  DocumentTables tables;
  tables.gridPoints[1][point_col::kGridX] = "0";
  tables.gridPoints[3][point_col::kGridX] = "abc";
  tables.gridPoints[2][point_col::kGridZ] = "-1";
  tables.gridPoints[4][point_col::kGridZ] = "2";
  tables.stripPoints[5][point_col::kZ] = "1m";  // begins like a number: it is read as 1
  const std::vector<ExcludedPoint> lattice = FindExcludedPoints(tables, true);
  EXPECT_EQ(PointNotes(lattice),
            std::vector<std::string>{"計算に入らない計算点: x3「abc」 z2「-1」(負の深度)"});
  EXPECT_TRUE(FindExcludedPoints(tables, false).empty());
  EXPECT_EQ(LeftOutSummary(tables), "計算に入らない計算点 2 つ");
  StripRow(tables, 1, 2, {"20", "1", "2", "3", "4", "1", "18", "0"});  // row 1 is empty
  EXPECT_EQ(LeftOutSummary(tables), "計算に入らない荷重 1 行、計算点 2 つ");
}

TEST(ExcludedLoads, TheStatusLineCountsRowsLeftOutPointsValuesReadAsZeroAndPiecesOutOfOrder) {
  const std::vector<std::string> zero = {"1", "0", "1", "2", "3", "1", "abc", "0"},
                                 twoZeros = {"1", "0", "x", "2", "3", "y", "18", "0"},
                                 outOfOrder = {"2", "0", "2", "1", "3", "1", "18", "0"},
                                 nan = {"2", "nan", "1", "2", "3", "1", "18", "0"};
  const std::pair<std::vector<std::vector<std::string>>, std::string> cases[] = {
      {{zero}, "0 として計算する値 1"},
      {{zero, outOfOrder}, "0 として計算する値 1、X が昇順でない帯状荷重 1 行"},
      {{twoZeros, nan}, "計算に入らない荷重 1 行、0 として計算する値 2"},
  };
  for (const auto& [rows, summary] : cases) {
    DocumentTables tables;
    for (std::size_t row = 0; row < rows.size(); ++row)
      StripRow(tables, 1, static_cast<int>(row) + 1, rows[row]);
    EXPECT_EQ(LeftOutSummary(tables), summary);
  }
}

}  // namespace
}  // namespace qel
