// The numbers of one column of calculation points.
#include "document/point_values.h"

#include "settings/c_locale.h"
#include "settings/text_fields.h"

namespace qel {

std::vector<PointValue> PresentPointValues(const DocumentTables& t, bool lattice, int column) {
  std::vector<PointValue> values;
  const int rows = lattice ? kGridRows : kStripPointRows;
  for (int row = 1; row <= rows; ++row) {
    const std::string& cell = lattice ? t.gridPoints[row][column] : t.stripPoints[row][column];
    if (IsPresent(cell)) values.push_back({row, ToDouble(cell)});
  }
  return values;
}

}  // namespace qel
