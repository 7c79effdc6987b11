// The leading rows of a load list that meet a condition: the shape of every load list's row
// rules.
#pragma once

#include <cstddef>
#include <string>

#include "document/cell_number.h"

namespace qel {

// How many rows of a load table (row 0 unused) meet `meets` from row 1 on, up to the first
// that does not.
template <std::size_t Rows, std::size_t Columns, class Meets>
int CountLeadingRows(const std::string (&table)[Rows][Columns], Meets meets) {
  int count = 0;
  while (count + 1 < static_cast<int>(Rows) && meets(table[count + 1]))
    ++count;
  return count;
}

// Whether the first `columns` cells of a row all begin like numbers (BeginsLikeNumber).
inline bool FirstCellsPresent(const std::string* cells, int columns) {
  for (int column = 1; column <= columns; ++column)
    if (!BeginsLikeNumber(cells[column])) return false;
  return true;
}

}  // namespace qel
