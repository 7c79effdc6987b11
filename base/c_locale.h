// Number conversions and printf-style formatting that ignore the process locale: files and
// tables always use a decimal point, whatever LC_NUMERIC says.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qel {

// atoi: leading blanks, an optional sign and digits; 0 when there is no number. Values beyond
// the int range saturate.
int ToInt(std::string_view text);
// atol, with the same rules for long.
long ToLong(std::string_view text);
// atof: the longest numeric prefix (decimal, exponent, hexadecimal, inf, nan); 0 when none.
double ToDouble(std::string_view text);
// The number ToDouble reads, or nothing when the text does not begin with one ("abc", "--1",
// "-"): tells a text that reads 0 from a 0.
std::optional<double> LeadingNumber(std::string_view text);
// ToDouble, or `otherwise` when the number read is not finite ("nan", "inf", "1e400"): for
// setting lines that place things on the paper.
double ToFiniteDouble(std::string_view text, double otherwise);
// strtol with base auto-detection: a leading 0x means hexadecimal, a leading 0 octal.
long ToLongAutoBase(std::string_view text);

// A whole number with optional blanks around it and an optional sign; nothing for any other
// text and for numbers beyond the int range.
std::optional<int> ParseWholeNumber(std::string_view text);
// A finite real number in the C locale with optional blanks around it and an optional sign;
// nothing for any other text.
std::optional<double> ParseRealNumber(std::string_view text);

// The shortest text that reads back as the same double ("0.1", "12.5", "1e-300").
std::string ShortestRealText(double value);

// snprintf in the C locale.
std::string FormatC(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace qel
