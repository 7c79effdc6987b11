// Telling Shift-JIS files from UTF-8 files written by other editors.
#include "base/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace qel {
namespace {

TEST(DetectTextEncoding, Utf8WithAMarkOrWhenItCanOnlyBeUtf8) {
  struct Case {
    const char* what;
    std::string bytes;
    TextEncoding expected;
  };
  const Case cases[] = {
      {"ASCII is both and stays Shift-JIS", "$$_QEL405\r\n1,2\r\n", TextEncoding::Cp932},
      {"Shift-JIS Japanese", "\x92\x6e\x92\x86\r\n", TextEncoding::Cp932},  // 地中
      {"UTF-8 Japanese", "地中の応力を求める\r\n", TextEncoding::Utf8},
      {"UTF-8 that is whole Shift-JIS too: its bytes are kept", "盛土の断面\r\n",
       TextEncoding::Cp932},
      {"a Shift-JIS kanji and half-width kana that form one UTF-8 character",
       "$$_QEL405\r\n\xE5\x80\xB1\r\n", TextEncoding::Cp932},  // 蛟ｱ
      {"UTF-8 of two-byte characters only",
       "a\xC2\xA0"
       "b",
       TextEncoding::Utf8},
      {"half-width katakana that looks like UTF-8", "\xC3\xBD\r\n", TextEncoding::Cp932},
      {"a byte-order mark", "\xEF\xBB\xBF$$_QEL405\r\n", TextEncoding::Utf8},
      {"a mark before bytes that are not UTF-8", "\xEF\xBB\xBF\xff\r\n", TextEncoding::Utf8},
      {"neither encoding: the program's own", "\xff\xfe\x80\r\n", TextEncoding::Cp932},
      {"empty", "", TextEncoding::Cp932},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DetectTextEncoding(c.bytes), c.expected) << c.what;
}

TEST(IsValidUtf8, RejectsEveryMalformedSequence) {
  struct Case {
    std::string bytes;
    bool valid;
  };
  const Case cases[] = {
      {"plain", true},
      {"\xC2\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", true},  // ©, €, an emoji
      {"\xF4\x8F\xBF\xBF", true},                        // U+10FFFF, the last code point
      {"\x80", false},                                   // a stray continuation byte
      {"\xC0\xAF", false},                               // overlong '/'
      {"\xE0\x80\xAF", false},                           // overlong again
      {"\xED\xA0\x80", false},                           // a surrogate
      {"\xF4\x90\x80\x80", false},                       // beyond U+10FFFF
      {"\xE3\x81", false},                               // cut short
      {"\xFF", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
}

TEST(RepairUtf8, ReplacesEachBadByteAndKeepsTheRest) {
  EXPECT_EQ(RepairUtf8("a\xFF"
                       "b\xE3\x81"),
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(RepairUtf8("地中"), "地中");
}

TEST(TextDecoder, DecodesEachEncodingAndStripsNoMarkOfItsOwn) {
  TextDecoder cp932(TextEncoding::Cp932);
  EXPECT_EQ(cp932.Decode("\x92\x6e"), "地");
  EXPECT_EQ(cp932.Decode("\x92\x86"), "中");  // the converter serves line after line
  TextDecoder utf8(TextEncoding::Utf8);
  EXPECT_EQ(utf8.Decode("地中"), "地中");
  EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB\xBFx"), "x");
  EXPECT_EQ(WithoutByteOrderMark("x\xEF\xBB\xBF"), "x\xEF\xBB\xBF");
}

TEST(IsValidCp932, AcceptsTheCodePageAndRejectsBrokenPairs) {
  EXPECT_TRUE(IsValidCp932("\x92\x6e\x87\x40 abc"));  // 地 and ①
  EXPECT_FALSE(IsValidCp932("\x92"));                 // a lead byte at the end
  EXPECT_FALSE(IsValidCp932("\x82\x0d"));             // a lead byte before a line end
  EXPECT_FALSE(IsValidCp932("\xE3\x81\x82\r\n"));     // "あ" in UTF-8
}

}  // namespace
}  // namespace qel
