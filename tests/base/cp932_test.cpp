// Conversion between UTF-8 and the Shift-JIS code page of the files.
#include "base/cp932.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(Cp932, JapaneseAndWindowsOnlyCharactersRoundTrip) {
  std::string text = "地中の鉛直増加応力 ㎡ ① ～ ｱｲｳ 髙 γ≒1.8";
  Cp932Encoding encoded = EncodeCp932(text);
  ASSERT_TRUE(encoded.ok) << encoded.codePoint;
  EXPECT_EQ(encoded.bytes.substr(0, 4), "\x92\x6e\x92\x86");  // 地中
  EXPECT_EQ(DecodeCp932(encoded.bytes), text);
}

TEST(Cp932, UnicodeVariantsOfTheSameCharacterAreAccepted) {
  // A wave dash and a minus sign typed on Linux map to the code page's tilde and minus.
  Cp932Encoding encoded = EncodeCp932("〜−");
  ASSERT_TRUE(encoded.ok);
  EXPECT_EQ(encoded.bytes, "\x81\x60\x81\x7c");
}

TEST(Cp932, BadBytesBecomeReplacementCharactersAndDecodingGoesOn) {
  std::string decoded =
      DecodeCp932(std::string("a\xff"
                              "b\x81",
                              4));
  EXPECT_EQ(decoded,
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD");
  EXPECT_EQ(DecodeCp932(std::string("\0x", 2)), std::string("\0x", 2));
}

TEST(Cp932, EncodingNamesTheFirstCharacterItCannotHold) {
  Cp932Encoding encoded = EncodeCp932("q=10 €/m é");
  EXPECT_FALSE(encoded.ok);
  EXPECT_EQ(encoded.badCharacter, "€");
  EXPECT_EQ(encoded.codePoint, "U+20AC");
  EXPECT_TRUE(encoded.bytes.empty());
  Cp932Encoding invalid = EncodeCp932(std::string("ok\xC3", 3));
  EXPECT_FALSE(invalid.ok);
}

}  // namespace
}  // namespace qel
