// Numbers as a Japanese input method types them: full-width digits, point, signs and spaces
// and their ASCII forms.
#pragma once

#include <string>
#include <string_view>

namespace qel {

// `text` (UTF-8) with "０".."９" -> "0".."9", "．" -> ".", "－", "ー", "−" -> "-", "＋" -> "+",
// and the full-width space -> " "; every other character is kept as it is (a comma too, which
// would split a data-file row).
std::string HalfWidthNumber(std::string_view text);

}  // namespace qel
