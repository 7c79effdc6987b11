// Line breaking of texts the tables print.
#include "view/text_wrap.h"

#include <algorithm>

namespace qel {

namespace {

constexpr double kHalfWidthEms = 0.6;

std::size_t CharacterLength(unsigned char lead) {
  return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

double CharacterEms(std::size_t length) {
  return length == 1 ? kHalfWidthEms : 1.0;
}

// Whether a character belongs to a number: a digit, a decimal point, or a sign before a digit.
bool InNumber(std::string_view text, std::size_t at) {
  const char c = text[at];
  if ((c >= '0' && c <= '9') || c == '.') return true;
  return (c == '-' || c == '+') && at + 1 < text.size() && text[at + 1] >= '0' &&
         text[at + 1] <= '9';
}

// Whether a break before the character at `at` (a character's first byte, after another)
// leaves every number whole, and no comma or closing parenthesis at the start of a line.
bool SplitsNoNumber(std::string_view text, std::size_t at) {
  if (text[at] == ',' || text[at] == ')') return false;
  std::size_t before = at - 1;
  while (before > 0 && (static_cast<unsigned char>(text[before]) & 0xC0) == 0x80)
    --before;  // back to the first byte of the character before
  return !(InNumber(text, before) && InNumber(text, at));
}

}  // namespace

double EstimatedEms(std::string_view text) {
  return EstimatedEms(text, kHalfWidthEms);
}

double EstimatedEms(std::string_view text, double halfWidthEms) {
  double ems = 0.0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = CharacterLength(static_cast<unsigned char>(text[i]));
    ems += length == 1 ? halfWidthEms : 1.0;
    i += length;
  }
  return ems;
}

std::vector<std::string> WrapText(std::string_view text, double maxEms) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    while (start < text.size() && start > 0 && text[start] == ' ')
      ++start;  // a line after a break does not begin with a blank
    if (start >= text.size() && !lines.empty()) return lines;
    double ems = 0.0;
    std::size_t end = start;  // the end of the characters that fit
    // The last blank, and the last place to break that splits no number, after a character of
    // the line that is not a blank: leading blanks never make a line of their own.
    std::size_t lastBlank = std::string_view::npos;
    std::size_t lastWhole = std::string_view::npos;
    bool sawText = false;
    while (end < text.size()) {
      const std::size_t length =
          std::min(CharacterLength(static_cast<unsigned char>(text[end])), text.size() - end);
      const double width = CharacterEms(length);
      if (sawText && SplitsNoNumber(text, end)) lastWhole = end;
      if (end > start && ems + width > maxEms) break;
      if (text[end] == ' ' && sawText) lastBlank = end;
      sawText = sawText || text[end] != ' ';
      ems += width;
      end += length;
    }
    if (end >= text.size()) {
      lines.emplace_back(text.substr(start));
      return lines;
    }
    // Broken at the blank that does not fit, else at the last blank, else at the last place
    // that splits no number, else between two characters.
    std::size_t cut = end;
    if (text[end] != ' ' && lastBlank != std::string_view::npos)
      cut = lastBlank;
    else if (text[end] != ' ' && lastWhole != std::string_view::npos)
      cut = lastWhole;
    std::size_t lineEnd = cut;
    while (lineEnd > start && text[lineEnd - 1] == ' ')
      --lineEnd;
    lines.emplace_back(text.substr(start, lineEnd - start));
    start = cut;
  }
}

std::string CutText(std::string_view text, double maxEms) {
  if (EstimatedEms(text) <= maxEms) return std::string(text);
  const double room = maxEms - EstimatedEms(kCutMark);
  double ems = 0.0;
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t length =
        std::min(CharacterLength(static_cast<unsigned char>(text[end])), text.size() - end);
    if (ems + CharacterEms(length) > room) break;
    ems += CharacterEms(length);
    end += length;
  }
  return std::string(text.substr(0, end)) + kCutMark;
}

}  // namespace qel
