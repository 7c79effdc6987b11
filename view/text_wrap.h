// Where to break a text into lines, its width estimated from its characters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qel {

// About how wide `text` is in ems of its font: a half-width (one-byte UTF-8) character 0.6,
// every other character 1. It errs on the wide side for the fonts the program uses.
double EstimatedEms(std::string_view text);

// The width of a half-width character of those fonts as drawn, in ems: where a text set after
// another may begin. EstimatedEms errs wider, to keep text off the margin.
inline constexpr double kNominalHalfWidthEms = 0.5;

// How wide `text` is in ems when each half-width character takes `halfWidthEms` and every
// other character 1.
double EstimatedEms(std::string_view text, double halfWidthEms);

// `text` broken into lines of at most `maxEms` (EstimatedEms) each: after a blank that follows
// a character of the line, else where the break splits no number (nor puts a comma or a
// closing parenthesis first on a line), else between two characters; blanks at a break are
// dropped. Every line holds at least one character, so a width below one character still
// ends; an empty text is one empty line.
std::vector<std::string> WrapText(std::string_view text, double maxEms);

// The mark that ends a text cut short.
inline constexpr const char* kCutMark = "…";

// `text` when it is at most `maxEms` wide, else as many of its first characters as fit with
// kCutMark after them; the mark alone when not even one does.
std::string CutText(std::string_view text, double maxEms);

}  // namespace qel
