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

}  // namespace

std::vector<std::string> WrapText(std::string_view text, double maxEms) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    while (start < text.size() && start > 0 && text[start] == ' ')
      ++start;  // a line after a break does not begin with a blank
    if (start >= text.size() && !lines.empty()) return lines;
    double ems = 0.0;
    std::size_t end = start;  // the end of the characters that fit
    std::size_t lastBlank = std::string_view::npos;
    while (end < text.size()) {
      const std::size_t length =
          std::min(CharacterLength(static_cast<unsigned char>(text[end])), text.size() - end);
      const double width = CharacterEms(length);
      if (end > start && ems + width > maxEms) break;
      if (text[end] == ' ') lastBlank = end;
      ems += width;
      end += length;
    }
    if (end >= text.size()) {
      lines.emplace_back(text.substr(start));
      return lines;
    }
    // Broken at the blank that does not fit, else after the last blank when the line holds one
    // past its first character, else between two characters.
    std::size_t cut = end;
    if (text[end] != ' ' && lastBlank != std::string_view::npos && lastBlank > start)
      cut = lastBlank;
    std::size_t lineEnd = cut;
    while (lineEnd > start && text[lineEnd - 1] == ' ')
      --lineEnd;
    lines.emplace_back(text.substr(start, lineEnd - start));
    start = cut;
  }
}

}  // namespace qel
