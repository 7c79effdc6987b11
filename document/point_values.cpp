// The numbers of one column of calculation points.
#include "document/point_values.h"

#include "document/cell_number.h"
#include "settings/number_format.h"

namespace qel {

std::vector<PointValue> PresentPointValues(const DocumentTables& t, bool lattice, int column) {
  std::vector<PointValue> values;
  const int rows = lattice ? kGridRows : kStripPointRows;
  for (int row = 1; row <= rows; ++row) {
    const std::string& cell = lattice ? t.gridPoints[row][column] : t.stripPoints[row][column];
    const CellNumber number = ReadCellNumber(cell);
    if (number.holdsNumber()) values.push_back({row, number.value});
  }
  return values;
}

std::string StressCellText(double z, const char* format, double value) {
  if (!IsUsableDepth(z)) return "－";
  return FormatUnsignedZero(format, value);
}

}  // namespace qel
