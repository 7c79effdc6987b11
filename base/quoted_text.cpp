// Input text shortened and made visible for messages.
#include "base/quoted_text.h"

#include <cstdio>

namespace qel {

namespace {

// The length of the well-formed UTF-8 sequence that begins at `text[at]`, or 0 when none does
// (a stray byte, a sequence cut short, an overlong form or a surrogate).
std::size_t SequenceLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(at);
  const std::size_t length = lead < 0x80                   ? 1
                             : lead >= 0xC2 && lead < 0xE0 ? 2
                             : lead >= 0xE0 && lead < 0xF0 ? 3
                             : lead >= 0xF0 && lead < 0xF5 ? 4
                                                           : 0;
  if (length == 0 || at + length > text.size()) return 0;
  for (std::size_t k = at + 1; k < at + length; ++k)
    if ((byte(k) & 0xC0) != 0x80) return 0;
  if ((lead == 0xE0 && byte(at + 1) < 0xA0) || (lead == 0xED && byte(at + 1) >= 0xA0) ||
      (lead == 0xF0 && byte(at + 1) < 0x90) || (lead == 0xF4 && byte(at + 1) >= 0x90))
    return 0;
  return length;
}

// The bytes of the character at `text[at]`: a sequence, or a byte that begins none.
std::size_t CharacterLength(std::string_view text, std::size_t at) {
  const std::size_t length = SequenceLength(text, at);
  return length == 0 ? 1 : length;
}

}  // namespace

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); at += CharacterLength(text, at))
    ++count;
  return count;
}

std::string ShortenedText(std::string_view text, std::size_t most) {
  std::string shown;
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); ++count) {
    if (count == most) return shown + "…";
    const std::size_t length = SequenceLength(text, at);
    const auto byte = static_cast<unsigned char>(text[at]);
    if (length == 0) {
      shown += "\uFFFD";  // a byte that is no UTF-8 would make the message invalid text
    } else if (length == 1 && (byte < 0x20 || byte == 0x7F)) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      shown += escaped;
    } else {
      shown.append(text.substr(at, length));
    }
    at += length == 0 ? 1 : length;
  }
  return shown;
}

std::string QuotedInput(std::string_view text, std::size_t most) {
  return "「" + ShortenedText(text, most) + "」";
}

}  // namespace qel
