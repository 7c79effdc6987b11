// Tests and scanners for the text cells of the document: the number-start test and the
// comma-separated field scanner of data-file rows.
#pragma once

#include <string>
#include <string_view>

namespace qel {

// The number-start test: after leading white space, -1 for an empty text, 1 when the first
// character is one of "1234567890.+-", else 0. Trailing text is not examined.
int IsNumericText(std::string_view text);

// True when IsNumericText gives 1: the cell holds a value.
inline bool IsPresent(std::string_view text) {
  return IsNumericText(text) == 1;
}

// Copies one field of `text` into `out`: characters up to a comma outside double quotes, a line
// feed or the end. A double quote toggles the inside-quotes state and is not copied. Returns
// the index just after the comma, or 0 when the field ended at a line feed or the end.
int NextCsvField(std::string& out, std::string_view text);

// Longest line the field scanner looks at; the rest of a longer line is left out. The reader of
// a file counts such lines and tells the user once per file (DataFileFindings).
inline constexpr std::size_t kCsvLineLimit = 2600;

// out = the n-th (1-based) field of `line`. Returns 1 when found, 0 when the line has fewer
// fields (out empty), -1 for an empty line. Of a line longer than kCsvLineLimit only its first
// kCsvLineLimit bytes count.
int GetCsvField(std::string& out, std::string_view line, int n);

}  // namespace qel
