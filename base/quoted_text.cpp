// Input text shortened and made visible for messages.
#include "base/quoted_text.h"

#include <cstdio>

namespace qel {

namespace {

// The length in bytes of the character that begins at `text[at]`: the length of a well-formed
// UTF-8 sequence, else 1.
std::size_t CharacterLength(std::string_view text, std::size_t at) {
  const auto byte = static_cast<unsigned char>(text[at]);
  std::size_t length = byte < 0x80 ? 1 : byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
  if (length == 1 || at + length > text.size()) return 1;
  for (std::size_t i = 1; i < length; ++i)
    if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 1;
  return length;
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
    const std::size_t length = CharacterLength(text, at);
    const auto byte = static_cast<unsigned char>(text[at]);
    if (length == 1 && (byte < 0x20 || byte == 0x7F)) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      shown += escaped;
    } else {
      shown.append(text.substr(at, length));
    }
    at += length;
  }
  return shown;
}

std::string QuotedInput(std::string_view text, std::size_t most) {
  return "「" + ShortenedText(text, most) + "」";
}

}  // namespace qel
