// Numbers as a Japanese input method types them: full-width digits, point, signs and spaces
// become their ASCII forms at entry, so that a field shows and a file keeps half-width text.
#pragma once

#include <string>
#include <string_view>

namespace qel {

// `text` (UTF-8) with "０".."９" -> "0".."9", "．" -> ".", "－", "ー", "−" -> "-", "＋" -> "+",
// and the full-width space -> " "; every other character is kept as it is (a comma too, which
// would split a data-file row).
std::string HalfWidthNumber(std::string_view text);

// Whether `text` can be the beginning of a number as typed into a numeric field: blanks, then
// an optional sign, digits with at most one decimal point, then blanks. An empty text and a
// lone sign or point pass, since the user may still be typing. With `integer` no point passes.
bool IsNumberInProgress(std::string_view text, bool integer = false);

}  // namespace qel
