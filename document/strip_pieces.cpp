// The pieces of the strip load sets as numbers.
#include "document/strip_pieces.h"

#include <algorithm>

#include "base/c_locale.h"
#include "base/text_fields.h"
#include "document/cell_number.h"
#include "document/leading_rows.h"

namespace qel {

namespace {

bool IsLoadSet(int set) {
  return set >= 1 && set <= kStripSets;
}

bool HasNumber(const std::string* cells) {
  return IsPresent(cells[strip_col::kNo]);
}

bool HasNumberAndX1(const std::string* cells) {
  return HasNumber(cells) && BeginsLikeNumber(cells[strip_col::kX1]);
}

std::vector<StripPieceRow> PiecesUpTo(const DocumentTables& t, int set, int rows) {
  std::vector<StripPieceRow> pieces;
  for (int row = 1; row <= rows; ++row)
    pieces.push_back(StripPieceAt(t, set, row));
  return pieces;
}

std::vector<StripPieceRow> EnteringPiecesUpTo(const DocumentTables& t, int set, int rows) {
  std::vector<StripPieceRow> pieces = PiecesUpTo(t, set, rows);
  std::erase_if(pieces, [](const StripPieceRow& piece) { return !piece.enters(); });
  return pieces;
}

}  // namespace

StripPieceRow StripPieceAt(const DocumentTables& t, int set, int row) {
  const std::string* cells = t.stripLoads[set][row];
  StripPieceRow piece;
  piece.row = row;
  piece.number = ToInt(cells[strip_col::kNo]);
  unsigned& outOfRange = piece.outOfRange;
  piece.piece.x1 = RowCellValue(cells[strip_col::kX1], strip_col::kX1, outOfRange);
  piece.piece.x2 = RowCellValue(cells[strip_col::kX2], strip_col::kX2, outOfRange);
  piece.piece.x3 = RowCellValue(cells[strip_col::kX3], strip_col::kX3, outOfRange);
  piece.piece.x4 = RowCellValue(cells[strip_col::kX4], strip_col::kX4, outOfRange);
  piece.piece.h = RowCellValue(cells[strip_col::kH], strip_col::kH, outOfRange);
  piece.piece.gamma = RowCellValue(cells[strip_col::kGamma], strip_col::kGamma, outOfRange);
  piece.baseY = RowCellValue(cells[strip_col::kY], strip_col::kY, outOfRange);
  return piece;
}

int CountStripRows(const DocumentTables& t, int set) {
  return IsLoadSet(set) ? CountLeadingRows(t.stripLoads[set], HasNumberAndX1) : 0;
}

std::vector<StripPieceRow> CalculatedStripPieces(const DocumentTables& t, int set) {
  return EnteringPiecesUpTo(t, set, CountStripRows(t, set));
}

std::vector<StripPieceRow> ListedStripPieces(const DocumentTables& t, int set) {
  return PiecesUpTo(t, set, IsLoadSet(set) ? CountLeadingRows(t.stripLoads[set], HasNumber) : 0);
}

bool StripSetHasData(const DocumentTables& t, int set) {
  return IsLoadSet(set) && HasNumber(t.stripLoads[set][1]);
}

double StripPiecesReach(const DocumentTables& t) {
  auto hasX4 = [](const std::string* cells) { return BeginsLikeNumber(cells[strip_col::kX4]); };
  double reach = 0.0;
  for (int set = 1; set <= kStripSets; ++set)
    for (const StripPieceRow& piece :
         EnteringPiecesUpTo(t, set, CountLeadingRows(t.stripLoads[set], hasX4)))
      reach = std::max(reach, piece.piece.x4);
  return reach;
}

}  // namespace qel
