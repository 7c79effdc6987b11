// Line breaking of the texts the tables print.
#include "view/text_wrap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qel {
namespace {

TEST(TextWrap, BreaksAfterBlanksElseBetweenCharactersAtSixTenthsOfAnEmForHalfWidth) {
  struct Case {
    const char* text;
    double maxEms;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", 10, {""}},
      {"aaa bbb ccc", 4.0, {"aaa", "bbb", "ccc"}},  // "aaa bbb" is 4.2 ems
      {"aaa bbb ccc", 4.8, {"aaa bbb", "ccc"}},     // the blank that does not fit breaks
      {"aaaaaaaaaa", 3.0, {"aaaaa", "aaaaa"}},      // no blank
      {"点: x1「a」 z2「-1」", 6.0, {"点: x1「a」", "z2「-1」"}},
      {"計算点", 0.5, {"計", "算", "点"}},  // narrower than a character
      {"ab   ", 0.6, {"a", "b"}},           // blanks at the end leave no line
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(WrapText(c.text, c.maxEms), c.lines);
  }
}

}  // namespace
}  // namespace qel
