// Width estimate and line breaking of the texts the tables print.
#include "view/text_wrap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qel {
namespace {

TEST(TextWrap, EstimatesHalfWidthCharactersAtSixTenthsOfAnEm) {
  EXPECT_DOUBLE_EQ(EstimatedEms(""), 0.0);
  EXPECT_DOUBLE_EQ(EstimatedEms("x1「abc」"), 5 * 0.6 + 2);
  EXPECT_DOUBLE_EQ(EstimatedEms("計算点 γ"), 4 + 0.6);
}

TEST(TextWrap, BreaksAfterBlanksElseBetweenCharactersAndLosesNothingElse) {
  struct Case {
    const char* text;
    double maxEms;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"short", 10, {"short"}},
      {"", 10, {""}},
      {"aaa bbb ccc", 4.0, {"aaa", "bbb", "ccc"}},  // 7 characters would be 4.2 ems
      {"aaa bbb ccc", 4.8, {"aaa bbb", "ccc"}},     // "aaa bbb" is 4.2 ems
      {"aaaaaaaaaa", 3.0, {"aaaaa", "aaaaa"}},      // no blank: 5 characters, 3 ems
      {"点: x1「a」 z2「-1」", 6.0, {"点: x1「a」", "z2「-1」"}},
      {"計算点", 0.5, {"計", "算", "点"}},  // narrower than a character
      {"ab   ", 0.6, {"a", "b"}},           // blanks at the end leave no line
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::vector<std::string> lines = WrapText(c.text, c.maxEms);
    EXPECT_EQ(lines, c.lines);
    for (const std::string& line : lines)
      EXPECT_TRUE(line.size() <= 3 || EstimatedEms(line) <= c.maxEms) << line;
  }
}

}  // namespace
}  // namespace qel
