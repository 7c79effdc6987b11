// Conversion between UTF-8 and CP932 with glibc's iconv.
#include "base/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>

namespace qel {

namespace {

// One iconv conversion descriptor, closed when it goes out of scope.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (valid()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

// The length of the UTF-8 sequence starting with `lead`, 1 for a byte that starts none.
std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

std::string CodePointOf(std::string_view character) {
  if (character.empty()) return "U+0000";
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(character[i]); };
  std::size_t length = Utf8SequenceLength(byte(0));
  if (length > character.size() || (length == 1 && byte(0) >= 0x80)) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%02X", byte(0));
    return text;
  }
  unsigned long value = length == 1   ? byte(0)
                        : length == 2 ? byte(0) & 0x1F
                        : length == 3 ? byte(0) & 0x0F
                                      : byte(0) & 0x07;
  for (std::size_t i = 1; i < length; ++i)
    value = (value << 6) | (byte(i) & 0x3F);
  char text[16];
  std::snprintf(text, sizeof text, "U+%04lX", value);
  return text;
}

}  // namespace

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

}  // namespace

Cp932Decoder::Cp932Decoder() : converter_(iconv_open("UTF-8", "CP932")) {}

Cp932Decoder::~Cp932Decoder() {
  if (static_cast<iconv_t>(converter_) != kNoConverter)
    iconv_close(static_cast<iconv_t>(converter_));
}

std::string Cp932Decoder::Decode(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2 + 16);
  const iconv_t converter = static_cast<iconv_t>(converter_);
  if (converter == kNoConverter) {
    // No converter: keep the ASCII and mark everything else.
    for (char c : bytes) {
      if (static_cast<unsigned char>(c) < 0x80)
        out.push_back(c);
      else
        out += kReplacement;
    }
    return out;
  }
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char buffer[4096];
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    std::size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (result == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      // An invalid or incomplete sequence: mark it and go on with the next byte.
      out += kReplacement;
      ++in;
      --inLeft;
      iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
  }
  return out;
}

std::string DecodeCp932(std::string_view bytes) {
  Cp932Decoder decoder;
  return decoder.Decode(bytes);
}

bool IsValidCp932(std::string_view bytes) {
  Converter converter("UTF-8", "CP932");
  if (!converter.valid()) return false;
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char buffer[4096];
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    if (iconv(converter.get(), &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) &&
        errno != E2BIG)
      return false;
  }
  return true;
}

Cp932Encoding EncodeCp932(std::string_view utf8) {
  Cp932Encoding result;
  Converter converter("CP932", "UTF-8");
  if (!converter.valid()) {
    result.badCharacter = utf8.empty() ? std::string() : std::string(1, utf8[0]);
    result.codePoint = "iconv";
    return result;
  }
  result.bytes.reserve(utf8.size());
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size();
  char buffer[4096];
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    std::size_t converted = iconv(converter.get(), &in, &inLeft, &outPtr, &outLeft);
    result.bytes.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (converted == static_cast<std::size_t>(-1) && errno != E2BIG) {
      std::size_t length = Utf8SequenceLength(static_cast<unsigned char>(*in));
      if (length > inLeft) length = inLeft;
      result.badCharacter.assign(in, length);
      result.codePoint = CodePointOf(result.badCharacter);
      result.bytes.clear();
      return result;
    }
  }
  result.ok = true;
  return result;
}

}  // namespace qel
