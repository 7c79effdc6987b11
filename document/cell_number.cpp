// How the text of a load or calculation point cell reads as a number.
#include "document/cell_number.h"

#include <cmath>

#include "base/c_locale.h"
#include "base/half_width_number.h"
#include "base/text_fields.h"

namespace qel {

namespace {

bool WithinRange(double value) {
  return std::isfinite(value) && std::fabs(value) <= kLargestCellMagnitude;
}

}  // namespace

CellNumber ReadCellNumber(std::string_view text) {
  if (IsNumericText(text) == -1) return {};
  const std::string halfWidth = HalfWidthNumber(text);
  if (halfWidth != text) {
    const std::optional<double> whole = ParseRealNumber(halfWidth);
    if (whole && WithinRange(*whole)) return {CellForm::FullWidth, *whole};
  }
  const std::optional<double> leading = LeadingNumber(text);
  if (!leading) return {CellForm::NoNumber, 0.0};
  if (!WithinRange(*leading)) return {CellForm::OutOfRange, 0.0};
  return {CellForm::Number, *leading};
}

double RowCellValue(std::string_view cell, int column, unsigned& outOfRange) {
  const CellNumber number = ReadCellNumber(cell);
  if (number.form == CellForm::OutOfRange) outOfRange |= 1u << column;
  return number.value;
}

bool BeginsLikeNumber(std::string_view text) {
  return IsPresent(text) || ReadCellNumber(text).form == CellForm::FullWidth;
}

std::string HalfWidthCellText(std::string_view text) {
  const std::string halfWidth = HalfWidthNumber(text);
  const std::size_t first = halfWidth.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return halfWidth.substr(first, halfWidth.find_last_not_of(" \t") - first + 1);
}

}  // namespace qel
