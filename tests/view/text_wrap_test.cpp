// Line breaking of the texts the tables print.
#include "view/text_wrap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qel {
namespace {

TEST(TextWrap, BreaksAfterBlanksElseOutsideNumbersElseBetweenCharactersAtSixTenthsOfAnEm) {
  EXPECT_DOUBLE_EQ(EstimatedEms("x1「abc」計"), 5 * 0.6 + 3);
  EXPECT_DOUBLE_EQ(EstimatedEms("x1「abc」計", kNominalHalfWidthEms), 5 * 0.5 + 3);
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
      {"計算点", 0.5, {"計", "算", "点"}},                        // narrower than a character
      {"ab   ", 0.6, {"a", "b"}},                                 // blanks at the end leave no line
      {"P1(12.50,13.50,1.5)", 8.7, {"P1(12.50,", "13.50,1.5)"}},  // after the last comma
      {"x(1.0, 2.0,3.0)", 6.0, {"x(1.0,", "2.0,3.0)"}},
      {"11.50～12.00", 5.0, {"11.50～", "12.00"}},  // "11.50～12" is 5.2 ems
      {"dP=-0.037", 4.0, {"dP=", "-0.037"}},
      {"  123456",
       2.0,
       {"  1", "234",
        "56"}},  // leading blanks make no line of their own        // a blank before a later comma
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(WrapText(c.text, c.maxEms), c.lines);
  }
}

TEST(TextWrap, CutTextEndsWithTheMarkWithinTheWidth) {
  EXPECT_EQ(CutText("粘土層", 3.0), "粘土層");  // fits
  EXPECT_EQ(CutText("粘土層A", 3.0), "粘土…");  // the mark takes an em
  EXPECT_EQ(CutText("abcdef", 2.5), "ab…");     // with a third letter 2.8 ems
  EXPECT_EQ(CutText("粘土層A", 0.5), "…");      // not even one character
}

}  // namespace
}  // namespace qel
