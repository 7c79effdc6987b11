// Where to break a text into lines, its width estimated from its characters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qel {

// `text` broken into lines of at most `maxEms` ems each, a half-width (one-byte UTF-8)
// character counting 0.6 em and every other character 1 (which errs on the wide side for the
// fonts the program uses): after a blank where the line holds one, else between two characters;
// blanks at a break are dropped. Every line holds at least one character, so a width below one
// character still ends; an empty text is one empty line.
std::vector<std::string> WrapText(std::string_view text, double maxEms);

}  // namespace qel
