// Cell texts and column headings that the table builders share.
#pragma once

#include <string>

#include "analysis/table_model.h"
#include "settings/number_format.h"

namespace qel {

// A column heading: its text, its unit (empty for none), and whether the page prints the unit
// after the text.
TableColumnHeading Heading(std::string text, std::string unit = {}, bool unitPrinted = false);

// A number for a "%4.2f" field of a line of several numbers: unsigned when it shows as zero.
inline double AtTwoDecimals(double value) {
  return UnsignedRoundedZero(value, 2);
}

// The dP the calculation gave at depth `z`, to the last digit ("%.17g"): empty where the table
// prints "－" for it.
std::string ExactStressText(double z, double value);

}  // namespace qel
