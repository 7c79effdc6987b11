// Fuzz target: the code page conversions on any bytes. Decoding always gives valid UTF-8,
// encoding the decoded text gives bytes that decode to it again, and encoding never accepts
// what is not valid UTF-8.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/cp932.h"
#include "base/text_encoding.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const std::string decoded = DecodeCp932(bytes);
  fuzz::Require(IsValidUtf8(decoded), "decoding gives valid UTF-8");
  const Cp932Encoding encoded = EncodeCp932(decoded);
  if (encoded.ok) {
    fuzz::Require(DecodeCp932(encoded.bytes) == decoded, "the decoded text round-trips");
    fuzz::Require(IsValidCp932(encoded.bytes), "encoding gives valid Shift-JIS");
  } else {
    fuzz::Require(!encoded.badCharacter.empty() && encoded.bytes.empty(),
                  "a refused text names the character and gives no bytes");
  }

  // The bytes as UTF-8 text: encoded only when valid, and stable from then on.
  const Cp932Encoding direct = EncodeCp932(bytes);
  if (direct.ok) {
    fuzz::Require(IsValidUtf8(bytes), "only valid UTF-8 is encoded");
    const Cp932Encoding again = EncodeCp932(DecodeCp932(direct.bytes));
    fuzz::Require(again.ok && again.bytes == direct.bytes, "encoding is stable");
  }

  // Either reading of a file gives valid UTF-8 lines.
  TextDecoder decoder(DetectTextEncoding(bytes));
  fuzz::Require(IsValidUtf8(decoder.Decode(WithoutByteOrderMark(bytes))),
                "a detected file decodes to valid UTF-8");
  fuzz::Require(IsValidUtf8(RepairUtf8(bytes)), "a repaired text is valid UTF-8");
  return 0;
}
