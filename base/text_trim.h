// Blanks trimmed from both ends of a text, without copying it.
#pragma once

#include <string_view>

namespace qel {

// `text` without the characters of `blanks` at its ends.
constexpr std::string_view TrimmedBlanks(std::string_view text, std::string_view blanks = " \t") {
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace qel
