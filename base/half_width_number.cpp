// Full-width number characters to ASCII.
#include "base/half_width_number.h"

namespace qel {

namespace {

struct Replacement {
  std::string_view from;
  char to;
};

// UTF-8 forms of the characters an input method types for numbers.
constexpr Replacement kReplacements[] = {
    {"\xEF\xBC\x8E", '.'},  // ．
    {"\xEF\xBC\x8D", '-'},  // －
    {"\xE3\x83\xBC", '-'},  // ー (the long-vowel mark, typed for minus)
    {"\xE2\x88\x92", '-'},  // −
    {"\xEF\xBC\x8B", '+'},  // ＋
    {"\xE3\x80\x80", ' '},  // the full-width space
};

}  // namespace

std::string HalfWidthNumber(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::string_view rest = text.substr(i);
    // ０ .. ９ are EF BC 90 .. EF BC 99.
    if (rest.size() >= 3 && rest[0] == '\xEF' && rest[1] == '\xBC' &&
        static_cast<unsigned char>(rest[2]) >= 0x90 &&
        static_cast<unsigned char>(rest[2]) <= 0x99) {
      out += static_cast<char>('0' + (static_cast<unsigned char>(rest[2]) - 0x90));
      i += 3;
      continue;
    }
    bool replaced = false;
    for (const Replacement& r : kReplacements) {
      if (rest.substr(0, r.from.size()) != r.from) continue;
      out += r.to;
      i += r.from.size();
      replaced = true;
      break;
    }
    if (!replaced) out += text[i++];
  }
  return out;
}

}  // namespace qel
