// The strip load pieces as numbers, and the rows each reader takes.
#include "document/strip_pieces.h"

#include <gtest/gtest.h>

#include <vector>

namespace qel {
namespace {

void SetRow(DocumentTables& t, int set, int row, std::vector<const char*> cells) {
  for (std::size_t i = 0; i < cells.size(); ++i)
    t.stripLoads[set][row][i + 1] = cells[i];
}

std::vector<int> Rows(const std::vector<StripPieceRow>& pieces) {
  std::vector<int> rows;
  for (const StripPieceRow& piece : pieces)
    rows.push_back(piece.row);
  return rows;
}

// The calculation stops at a row without X1, which the data table still lists; the figure's
// extent follows X4 alone, whatever No. and X1 hold.
TEST(StripPieces, EachReaderTakesTheRowsOfItsOwnRule) {
  DocumentTables t;
  SetRow(t, 1, 1, {"1", "0", "1", "2", "3", "1", "18", "0"});
  SetRow(t, 1, 2, {"2", "", "5", "6", "7", "1", "18", "0"});
  SetRow(t, 1, 3, {"3", "8", "9", "10", "11", "1", "18", "0"});
  SetRow(t, 1, 4, {"", "20", "21", "22", "12", "1", "18", "0"});
  SetRow(t, 1, 6, {"6", "40", "41", "42", "50", "1", "18", "0"});
  SetRow(t, 2, 1, {"x", "0", "1", "2", "9", "1", "18", "0"});
  struct Case {
    const char* what;
    std::vector<int> rows;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"calculated, set 1", Rows(CalculatedStripPieces(t, 1)), {1}},
      {"listed, set 1", Rows(ListedStripPieces(t, 1)), {1, 2, 3}},
      {"calculated, set 2", Rows(CalculatedStripPieces(t, 2)), {}},
      {"listed, set 2", Rows(ListedStripPieces(t, 2)), {}},
      {"no set 3", Rows(ListedStripPieces(t, 3)), {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.rows, c.expected) << c.what;
  EXPECT_EQ(CountStripRows(t, 1), 1);
  EXPECT_TRUE(StripSetHasData(t, 1));
  EXPECT_FALSE(StripSetHasData(t, 2));
  // Rows 1 to 4 of set 1 and row 1 of set 2; row 6 stands after the empty row 5.
  EXPECT_EQ(StripPiecesReach(t), 12.0);
}

TEST(StripPieces, ARowReadsItsCellsAsNumbersAndTheRestAsZero) {
  DocumentTables t;
  SetRow(t, 2, 3, {" 12", "1.5", "2", "abc", "4", "-0.5", "", "2.25"});
  const StripPieceRow row = StripPieceAt(t, 2, 3);
  EXPECT_EQ(row.row, 3);
  EXPECT_EQ(row.number, 12);
  EXPECT_EQ(row.piece.x1, 1.5);
  EXPECT_EQ(row.piece.x2, 2.0);
  EXPECT_EQ(row.piece.x3, 0.0);
  EXPECT_EQ(row.piece.x4, 4.0);
  EXPECT_EQ(row.piece.h, -0.5);
  EXPECT_EQ(row.piece.gamma, 0.0);
  EXPECT_EQ(row.baseY, 2.25);
  EXPECT_EQ(StripPiecesReach(DocumentTables{}), 0.0);
}

}  // namespace
}  // namespace qel
