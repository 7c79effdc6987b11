// Input text as messages quote it: shortened to a bounded number of characters, with control
// characters made visible, so that no input makes a message long or cuts it short.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qel {

// The most characters of an input a message quotes.
inline constexpr std::size_t kMostQuotedCharacters = 80;

// `text` cut after `most` characters (UTF-8 sequences count as one; a byte that begins none
// counts alone) with "…" appended when it was longer, every control character (below 0x20, and
// 0x7F) written as "\xNN", and every byte that is no UTF-8 as U+FFFD, so that the message
// stays valid text.
std::string ShortenedText(std::string_view text, std::size_t most = kMostQuotedCharacters);

// ShortenedText between Japanese quotation marks: 「...」.
std::string QuotedInput(std::string_view text, std::size_t most = kMostQuotedCharacters);

// The number of characters of `text` as ShortenedText counts them.
std::size_t CharacterCount(std::string_view text);

}  // namespace qel
