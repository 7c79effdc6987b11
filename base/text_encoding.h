// Telling the program's own Shift-JIS (CP932) files from UTF-8 files written by other editors,
// and decoding either to the program's UTF-8 text line by line.
#pragma once

#include <string>
#include <string_view>

#include "base/cp932.h"

namespace qel {

enum class TextEncoding { Cp932, Utf8 };

// The three bytes of a UTF-8 byte-order mark.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// UTF-8 when the bytes start with a UTF-8 byte-order mark, or are valid UTF-8 and not valid
// CP932; CP932 otherwise (plain ASCII is both, and stays CP932).
TextEncoding DetectTextEncoding(std::string_view bytes);

// The bytes without a leading UTF-8 byte-order mark.
std::string_view WithoutByteOrderMark(std::string_view bytes);

// True when the bytes are well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing beyond U+10FFFF, no sequence cut short.
bool IsValidUtf8(std::string_view bytes);

// The UTF-8 text with every byte that starts no well-formed sequence replaced by U+FFFD.
std::string RepairUtf8(std::string_view bytes);

// Decodes texts of one encoding to UTF-8, keeping its converter between texts.
class TextDecoder {
 public:
  explicit TextDecoder(TextEncoding encoding) : encoding_(encoding) {}
  std::string Decode(std::string_view bytes);
  TextEncoding encoding() const { return encoding_; }

 private:
  TextEncoding encoding_;
  Cp932Decoder cp932_;
};

}  // namespace qel
