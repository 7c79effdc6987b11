// Cell texts and column headings that the table builders share.
#include "analysis/table_cells.h"

#include <utility>

#include "base/c_locale.h"
#include "document/point_values.h"

namespace qel {

TableColumnHeading Heading(std::string text, std::string unit, bool unitPrinted) {
  TableColumnHeading heading;
  heading.text = std::move(text);
  heading.unit = std::move(unit);
  heading.unitPrinted = unitPrinted;
  return heading;
}

std::string ExactStressText(double z, double value) {
  if (!IsUsableDepth(z)) return {};
  return FormatC("%.17g", value);
}

}  // namespace qel
