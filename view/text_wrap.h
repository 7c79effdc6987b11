// How wide a text runs, estimated from its characters, and where to break it into lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qel {

// About how wide `text` is in ems of its font: a half-width (one-byte UTF-8) character 0.6,
// every other character 1. It errs on the wide side for the fonts the program uses.
double EstimatedEms(std::string_view text);

// `text` broken into lines of at most `maxEms` (EstimatedEms) each: after a blank where the
// line holds one, else between two characters; blanks at a break are dropped. Every line
// holds at least one character, so a width below one character still ends; an empty text is
// one empty line.
std::vector<std::string> WrapText(std::string_view text, double maxEms);

}  // namespace qel
