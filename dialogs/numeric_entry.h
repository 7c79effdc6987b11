// Numbers as a Japanese input method types them: full-width digits, point, signs and spaces
// become their ASCII forms at entry (HalfWidthNumber), so that a field shows and a file keeps
// half-width text; and the test of a number still being typed.
#pragma once

#include <string>
#include <string_view>

#include "base/half_width_number.h"

namespace qel {

// Whether `text` can be the beginning of a number as typed into a numeric field: blanks, then
// an optional sign, digits with at most one decimal point, then blanks. An empty text and a
// lone sign or point pass, since the user may still be typing. With `integer` no point passes.
bool IsNumberInProgress(std::string_view text, bool integer = false);

// A list of numbers as a Japanese input method types it: HalfWidthNumber, and the list
// separators "、", "，" and "､" as commas ("２０、４０" -> "20,40").
std::string HalfWidthNumberList(std::string_view text);

}  // namespace qel
