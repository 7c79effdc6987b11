// The pieces of the strip load sets as numbers, and the rules that pick the rows each reader
// uses.
#pragma once

#include <vector>

#include "document/document_tables.h"
#include "engine/strip_influence.h"

namespace qel {

// One row of a strip load set as numbers; a cell that does not hold a number reads 0.
struct StripPieceRow {
  int row = 0;         // 1-based document row
  int number = 0;      // its No.
  StripPiece piece;    // X1..X4, h and γ
  double baseY = 0.0;  // Y: the level the figure stands the piece on (dP does not use it)
  // Bit c set: cell c (X1..Y) holds nan, inf or a number out of range (CellForm::OutOfRange).
  // Such a row enters neither the calculation nor the figure; the data table lists it, marked.
  unsigned outOfRange = 0;
  bool enters() const { return outOfRange == 0; }
};

StripPieceRow StripPieceAt(const DocumentTables& tables, int set, int row);

// How many leading rows of load set 1 or 2 have numbers in both No. and X1 (BeginsLikeNumber):
// the rows the calculation reads. 0 for other sets.
int CountStripRows(const DocumentTables& tables, int set);
// Those of them that enter: the pieces the calculation uses and the figure draws.
std::vector<StripPieceRow> CalculatedStripPieces(const DocumentTables& tables, int set);

// The leading rows whose No. holds a number, as the data table lists them: one whose X1 is not
// a number ends the calculation's pieces but is still listed, marked.
std::vector<StripPieceRow> ListedStripPieces(const DocumentTables& tables, int set);

// Whether a set has data to show: its first row's No. holds a number.
bool StripSetHasData(const DocumentTables& tables, int set);

// How far right the pieces reach in the figure: the largest X4 of either set's leading rows
// whose X4 holds a number, whatever their No. and X1, rows that do not enter left aside; at
// least 0.
double StripPiecesReach(const DocumentTables& tables);

}  // namespace qel
