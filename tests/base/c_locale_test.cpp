// Numbers read and written the same way whatever the process locale says.
#include "base/c_locale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <optional>

namespace qel {
namespace {

TEST(ToInt, BehavesLikeAtoi) {
  EXPECT_EQ(ToInt("  -3"), -3);
  EXPECT_EQ(ToInt("+12abc"), 12);
  EXPECT_EQ(ToInt("1.9"), 1);
  EXPECT_EQ(ToInt("abc"), 0);
  EXPECT_EQ(ToInt(""), 0);
  EXPECT_EQ(ToInt("-"), 0);
  EXPECT_EQ(ToInt("99999999999999999999"), 2147483647);  // saturates instead of wrapping
  EXPECT_EQ(ToInt("-99999999999999999999"), -2147483648);
}

TEST(ToDouble, BehavesLikeAtof) {
  EXPECT_DOUBLE_EQ(ToDouble(" 1.5m"), 1.5);
  EXPECT_DOUBLE_EQ(ToDouble("-.25"), -0.25);
  EXPECT_DOUBLE_EQ(ToDouble("2e3"), 2000.0);
  EXPECT_DOUBLE_EQ(ToDouble("."), 0.0);
  EXPECT_DOUBLE_EQ(ToDouble("x1"), 0.0);
  EXPECT_DOUBLE_EQ(ToDouble("1,5"), 1.0);  // a comma never counts as a decimal point
}

TEST(ToLongAutoBase, ReadsColourTexts) {
  EXPECT_EQ(ToLongAutoBase("0x808080"), 0x808080);
  EXPECT_EQ(ToLongAutoBase("010"), 8);
  EXPECT_EQ(ToLongAutoBase("255"), 255);
}

TEST(FormatC, FormatsLikePrintf) {
  EXPECT_EQ(FormatC("%4.2f", 1.0), "1.00");
  EXPECT_EQ(FormatC("% 4.3f", 0.5), " 0.500");
  EXPECT_EQ(FormatC("%3d|%s", 7, "x"), "  7|x");
  std::string longText(1000, 'y');
  EXPECT_EQ(FormatC("%s.", longText.c_str()), longText + ".");
}

// A German locale writes "1,50" with printf; the program's files and tables must not.
class GermanLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE.utf8"))
      GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed (make deps generates it)";
  }
  void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }

 private:
  std::string previous_;
};

TEST_F(GermanLocale, NumbersKeepTheDecimalPoint) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", 1.5);
  ASSERT_STREQ(buffer, "1,50") << "the locale did not take effect";
  EXPECT_EQ(FormatC("%.2f", 1.5), "1.50");
  EXPECT_EQ(FormatC("%4.2f,%4.2f", 1.5, 2.25), "1.50,2.25");
  EXPECT_DOUBLE_EQ(ToDouble("1.5"), 1.5);
  EXPECT_DOUBLE_EQ(ToDouble("1,5"), 1.0);
}

struct NumberCase {
  const char* text;
  std::optional<int> whole;
  std::optional<double> real;
};

TEST(StrictNumbers, WholeAndRealNumbersAreTheWholeTextWithBlanksAround) {
  const NumberCase cases[] = {
      {"12", 12, 12.0},
      {" -7 ", -7, -7.0},
      {"+5", 5, 5.0},
      {"1.5", std::nullopt, 1.5},
      {"12abc", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
      {"+-3", std::nullopt, std::nullopt},
      {"++3", std::nullopt, std::nullopt},
      {"99999999999", std::nullopt, 99999999999.0},
      {"inf", std::nullopt, std::nullopt},
      {"1e3", std::nullopt, 1000.0},
  };
  for (const NumberCase& c : cases) {
    EXPECT_EQ(ParseWholeNumber(c.text), c.whole) << c.text;
    EXPECT_EQ(ParseRealNumber(c.text), c.real) << c.text;
  }
}

}  // namespace
}  // namespace qel
