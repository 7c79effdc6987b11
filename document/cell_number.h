// How the text of a load or calculation point cell reads as a number: the one reading that the
// calculation, the figures, the tables and the notes share.
#pragma once

#include <string>
#include <string_view>

namespace qel {

// The largest magnitude a cell's number may have. Far beyond any coordinate in metres or any
// load intensity, and small enough that every product and sum the calculation forms of such
// numbers stays finite.
inline constexpr double kLargestCellMagnitude = 1e15;

enum class CellForm {
  Empty,       // blank
  Number,      // begins with a number within range; what follows it is not read ("100abc")
  FullWidth,   // full-width digits, point, signs or blanks: a whole number in its ASCII form
  NoNumber,    // any other text, a malformed sign included ("abc", "--100", "+-1", "-")
  OutOfRange,  // begins with nan, inf, or a number beyond kLargestCellMagnitude ("1e400")
};

struct CellNumber {
  CellForm form = CellForm::Empty;
  double value = 0.0;  // the number of Number and FullWidth; 0 for the others
  bool holdsNumber() const { return form == CellForm::Number || form == CellForm::FullWidth; }
};

// The reading of `text`. A text that begins with a number reads as atof reads it, as files have
// always been read; a full-width one as its ASCII form when that is one whole number.
CellNumber ReadCellNumber(std::string_view text);

// The value of cell `column` of a load row (0 unless it holds a number); sets bit `column` of
// `outOfRange` when the cell is OutOfRange, which keeps the row out of the calculation.
double RowCellValue(std::string_view cell, int column, unsigned& outOfRange);

// Whether a cell counts where the load lists look for a number to go on: it passes the
// number-start test, or holds a full-width number.
bool BeginsLikeNumber(std::string_view text);

// The ASCII form of a full-width cell as the notes show it: "　１２．５" -> "12.5".
std::string HalfWidthCellText(std::string_view text);

}  // namespace qel
