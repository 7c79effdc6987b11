// Conversion between the program's UTF-8 text and the Shift-JIS (code page 932) of its files.
#pragma once

#include <string>
#include <string_view>

namespace qel {

// Decodes CP932 bytes to UTF-8. Never fails: a byte that starts no valid sequence becomes
// U+FFFD and decoding goes on with the next byte.
std::string DecodeCp932(std::string_view bytes);

// DecodeCp932 for many texts in a row, such as the lines of a file: the converter is opened
// once instead of once per text.
class Cp932Decoder {
 public:
  Cp932Decoder();
  ~Cp932Decoder();
  Cp932Decoder(const Cp932Decoder&) = delete;
  Cp932Decoder& operator=(const Cp932Decoder&) = delete;

  std::string Decode(std::string_view bytes);

 private:
  void* converter_;  // an iconv_t, kept out of this header
};

// True when every byte of `bytes` belongs to a valid CP932 character.
bool IsValidCp932(std::string_view bytes);

struct Cp932Encoding {
  bool ok = false;
  std::string bytes;         // the encoded text, when ok
  std::string badCharacter;  // the first character CP932 cannot hold, as UTF-8
  std::string codePoint;     // that character's code point as "U+XXXX"
};

// Encodes UTF-8 text to CP932. Fails on the first character that CP932 cannot hold (or on a
// byte that is not valid UTF-8), naming it.
Cp932Encoding EncodeCp932(std::string_view utf8);

}  // namespace qel
