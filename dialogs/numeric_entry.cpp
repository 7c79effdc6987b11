// The test of a number still being typed.
#include "dialogs/numeric_entry.h"

namespace qel {

bool IsNumberInProgress(std::string_view text, bool integer) {
  std::size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
      ++i;
  };
  skipBlanks();
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool point = false;
  while (i < text.size()) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      ++i;
    } else if (c == '.' && !point && !integer) {
      point = true;
      ++i;
    } else {
      break;
    }
  }
  skipBlanks();
  return i == text.size();
}

std::string HalfWidthNumberList(std::string_view text) {
  static constexpr std::string_view kSeparators[] = {
      "\xE3\x80\x81",  // 、
      "\xEF\xBC\x8C",  // ，
      "\xEF\xBD\xA4",  // ､ (half-width)
  };
  std::string out;
  const std::string half = HalfWidthNumber(text);
  for (std::size_t i = 0; i < half.size();) {
    const std::string_view rest = std::string_view(half).substr(i);
    bool separator = false;
    for (const std::string_view s : kSeparators)
      if (rest.substr(0, s.size()) == s) {
        out += ',';
        i += s.size();
        separator = true;
        break;
      }
    if (!separator) out += half[i++];
  }
  return out;
}

}  // namespace qel
