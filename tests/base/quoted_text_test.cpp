// Tests of input text as messages quote it.
#include "base/quoted_text.h"

#include <gtest/gtest.h>

#include <string>

namespace qel {
namespace {

TEST(QuotedInput, ShortensToWholeCharactersAndShowsControlCharacters) {
  const struct {
    std::string text;
    std::size_t most;
    std::string quoted;
  } cases[] = {
      {"粘土", 80, "「粘土」"},
      {std::string(80, 'a'), 80, "「" + std::string(80, 'a') + "」"},
      {std::string(81, 'a'), 80, "「" + std::string(80, 'a') + "…」"},
      {"粘土粘土", 3, "「粘土粘…」"},  // three characters, not three bytes
      {std::string("a\0b\tc\x7F", 6), 80, "「a\\x00b\\x09c\\x7F」"},
      {"\xE7\xB2", 80, "「\uFFFD\uFFFD」"},  // a sequence cut short: each byte is no UTF-8
      {"\xC0\xAF", 80, "「\uFFFD\uFFFD」"},  // an overlong form
      {"", 80, "「」"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(QuotedInput(c.text, c.most), c.quoted) << c.quoted;
  }
  EXPECT_EQ(CharacterCount("粘土ab"), 4u);
  EXPECT_EQ(QuotedInput(std::string(10000000, 'x')).size(), std::string("「」…").size() + 80);
}

}  // namespace
}  // namespace qel
