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

}  // namespace qel
