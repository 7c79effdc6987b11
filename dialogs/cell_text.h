// Which texts the cells of a data-file row can keep exactly as typed.
#pragma once

#include <string_view>

namespace qel {

// A data-file row is comma-separated text in which a double quote switches quoting on and off
// and is dropped on reading, and a line break ends the row. A cell holding either would not read
// back as it was typed, so the entry fields refuse them.
constexpr bool IsRefusedCellCharacter(char c) {
  return c == '"' || c == '\n' || c == '\r';
}

// Whether `text` can be stored in a cell and read back unchanged: none of the characters above,
// and no "$$", which makes the reader take the whole row for the start of a section (the row is
// lost and the rows after it land in the wrong places).
constexpr bool IsStorableCellText(std::string_view text) {
  for (char c : text)
    if (IsRefusedCellCharacter(c)) return false;
  return text.find("$$") == std::string_view::npos;
}

}  // namespace qel
