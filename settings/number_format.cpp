// Number formats chosen by decimals, sign functions and the printable page ranges.
#include "settings/number_format.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "base/c_locale.h"

namespace qel {

const char* DigitFormat(int decimals) {
  switch (decimals) {
    case 1:
      return "%2.1f";
    case 3:
      return "%4.3f";
    case 4:
      return "%5.4f";
    case 5:
      return "%6.5f";
    case 6:
      return "%7.6f";
    case 7:
      return "%8.7f";
    case 8:
      return "%9.8f";
    default:
      return "%3.2f";
  }
}

const char* SignedDigitFormat(int decimals) {
  switch (decimals) {
    case 1:
      return "% 2.1f";
    case 3:
      return "% 4.3f";
    case 4:
      return "% 5.4f";
    case 5:
      return "% 6.5f";
    case 6:
      return "% 7.6f";
    case 7:
      return "% 8.7f";
    case 8:
      return "% 9.8f";
    default:
      return "% 3.2f";
  }
}

// True for a printed number that is a signed zero such as "-0.000" or " -0": a minus sign and
// nothing but zeros, a point and blanks ("-nan" and "-inf" are not zeros).
static bool IsNegativeZeroText(const std::string& text) {
  if (text.find('-') == std::string::npos || text.find('0') == std::string::npos) return false;
  return text.find_first_not_of(" -0.") == std::string::npos;
}

std::string FormatUnsignedZero(const char* format, double value) {
  std::string text = FormatC(format, value);
  return IsNegativeZeroText(text) ? FormatC(format, 0.0) : text;
}

double UnsignedRoundedZero(double value, int decimals) {
  return IsNegativeZeroText(FormatC("%.*f", decimals, value)) ? 0.0 : value;
}

int Sign(int value) {
  return value == 0 ? 0 : (value < 0 ? -1 : 1);
}

// Integer arithmetic as the page geometry needs it, computed wide so that large settings
// cannot overflow; the result is clamped to the int range.
static int ScaledRange(int scale, std::int64_t millimetres) {
  std::int64_t value = static_cast<std::int64_t>(scale) * millimetres / 1000;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int>(value);
}

int PrintableRangeX(int scale, int paperWidthMm, int marginLeft) {
  return ScaledRange(scale, static_cast<std::int64_t>(paperWidthMm) - marginLeft - 10);
}

int PrintableRangeY(int scale, int paperHeightMm, int marginTop) {
  return ScaledRange(scale, static_cast<std::int64_t>(paperHeightMm) - marginTop - 20);
}

}  // namespace qel
