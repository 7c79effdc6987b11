// Number formats chosen by decimals, sign functions and the printable page ranges.
#pragma once

#include <string>

namespace qel {

// printf format for a number of decimals: 1 "%2.1f", 3 "%4.3f" ... 8 "%9.8f", others "%3.2f".
const char* DigitFormat(int decimals);
// The same with a blank flag: "% 2.1f" ... "% 9.8f", others "% 3.2f".
const char* SignedDigitFormat(int decimals);

// `value` in the printf `format` (one "%f" conversion), where a value that rounds to zero at the
// digits shown prints as an unsigned zero: "-0.000" never appears, while a negative value that
// does not round to zero keeps its sign.
std::string FormatUnsignedZero(const char* format, double value);
// `value`, or +0.0 when it prints as zero with `decimals` decimals: for lines that format
// several numbers in one printf format.
double UnsignedRoundedZero(double value, int decimals);

// 0 for 0, -1 for negative, 1 for positive.
int Sign(int value);

// Metres of the model that fit across the paper: scale * (paperWidthMm - marginLeft - 10) / 1000
// in integer arithmetic.
int PrintableRangeX(int scale, int paperWidthMm, int marginLeft);
// Metres that fit down the paper: scale * (paperHeightMm - marginTop - 20) / 1000.
int PrintableRangeY(int scale, int paperHeightMm, int marginTop);

}  // namespace qel
