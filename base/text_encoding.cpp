// Telling CP932 files from UTF-8 files, and decoding either.
#include "base/text_encoding.h"

namespace qel {

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

// The length of the well-formed UTF-8 sequence at the start of `bytes`; 0 when there is none.
std::size_t WellFormedLength(std::string_view bytes) {
  auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = at(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // no overlong forms
    if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
  } else {
    return 0;
  }
  if (bytes.size() < length) return 0;
  if (at(1) < low || at(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (at(i) < 0x80 || at(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

std::string_view WithoutByteOrderMark(std::string_view bytes) {
  if (bytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
    bytes.remove_prefix(kUtf8ByteOrderMark.size());
  return bytes;
}

bool IsValidUtf8(std::string_view bytes) {
  while (!bytes.empty()) {
    std::size_t length = WellFormedLength(bytes);
    if (length == 0) return false;
    bytes.remove_prefix(length);
  }
  return true;
}

std::string RepairUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  while (!bytes.empty()) {
    std::size_t length = WellFormedLength(bytes);
    if (length == 0) {
      out += kReplacement;
      length = 1;
    } else {
      out.append(bytes.substr(0, length));
    }
    bytes.remove_prefix(length);
  }
  return out;
}

TextEncoding DetectTextEncoding(std::string_view bytes) {
  if (bytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) return TextEncoding::Utf8;
  // Both encodings are decoded in full, and only bytes that are UTF-8 and cannot be Shift-JIS
  // read as UTF-8. A Shift-JIS kanji followed by a half-width katakana can form one well-formed
  // UTF-8 character; read as UTF-8, such a file would be saved changed. UTF-8 Japanese text, in
  // turn, is nearly never valid CP932 as a whole, and one that is reads as Shift-JIS: a save
  // then writes its bytes back as they were.
  if (IsValidUtf8(bytes) && !IsValidCp932(bytes)) return TextEncoding::Utf8;
  return TextEncoding::Cp932;
}

std::string TextDecoder::Decode(std::string_view bytes) {
  if (encoding_ == TextEncoding::Utf8) return RepairUtf8(bytes);
  return cp932_.Decode(bytes);
}

}  // namespace qel
