// The numbers of one column of calculation points, and which depths the calculation can use.
#pragma once

#include <string>
#include <vector>

#include "document/document_tables.h"

namespace qel {

// A calculation point field that holds a number (CellNumber::holdsNumber): its 1-based row and
// the number. A field of text, nan, inf or a number out of range is no point at all.
struct PointValue {
  int row = 0;
  double value = 0.0;
};

// The fields of a point column that hold numbers, wherever they stand, in row order: column
// point_col::kX or kZ of the strip points, or kGridX, kGridY or kGridZ of the lattice.
std::vector<PointValue> PresentPointValues(const DocumentTables& tables, bool lattice, int column);

// Whether the calculation can use a depth: a negative one lies above the ground surface.
inline bool IsUsableDepth(double z) {
  return !(z < 0.0);
}

// The text a table prints for the dP of a point at depth `z`: "－" for a depth the calculation
// cannot use, else `value` formatted with `format` (a negative zero prints as zero).
std::string StressCellText(double z, const char* format, double value);

}  // namespace qel
