// Full-width number characters become ASCII; numeric settings fields take only number text.
#include "dialogs/numeric_entry.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(NumericEntry, FullWidthNumberCharactersBecomeAscii) {
  struct Case {
    const char* typed;
    const char* kept;
  };
  const Case cases[] = {
      {"２０", "20"},
      {"－１．５", "-1.5"},
      {"ー３", "-3"},
      {"−０．２５", "-0.25"},
      {"＋７", "+7"},
      {"　１２　", " 12 "},
      {"１２ab", "12ab"},
      {"盛土", "盛土"},
      {"０１２３４５６７８９", "0123456789"},
      {"１，５", "1，5"},
      {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HalfWidthNumber(c.typed), c.kept) << c.typed;
}

// A list takes "、", "，" and "､" as commas besides the full-width number characters.
TEST(NumericEntry, ListSeparatorsBecomeCommas) {
  struct Case {
    const char* typed;
    const char* kept;
  };
  const Case cases[] = {
      {"２０、４０", "20,40"},
      {"２０，４０", "20,40"},
      {"5､10", "5,10"},
      {"－５、　１０", "-5, 10"},
      {"5,10", "5,10"},
      {"盛土、", "盛土,"},
      {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HalfWidthNumberList(c.typed), c.kept) << c.typed;
}

TEST(NumericEntry, OnlyTextThatCanBecomeANumberIsInProgress) {
  struct Case {
    const char* text;
    bool decimal, integer;
  };
  const Case cases[] = {
      {"", true, true},      {"-", true, true},     {"12", true, true},      {" 12 ", true, true},
      {"-1.5", true, false}, {".", true, false},    {"1.2.3", false, false}, {"abc", false, false},
      {"12a", false, false}, {"1 2", false, false}, {"+", true, true},       {"--1", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsNumberInProgress(c.text), c.decimal) << c.text;
    EXPECT_EQ(IsNumberInProgress(c.text, true), c.integer) << c.text;
  }
}

}  // namespace
}  // namespace qel
