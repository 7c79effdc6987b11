// The checks of typed values that the dialogs share.
#include "dialogs/field_checks.h"

#include <gtest/gtest.h>

#include "platform/messages.h"

namespace qel {
namespace {

TEST(FieldChecks, ARangeRefusalNamesTheRangeAndTheField) {
  EXPECT_FALSE(CheckWholeNumber("500", 0, 500, "top").has_value());
  EXPECT_FALSE(CheckWholeNumber("0", 0, 500, "top").has_value());
  for (const char* text : {"501", "-1", "abc", ""}) {
    const std::optional<ValidationError> e = CheckWholeNumber(text, 0, 500, "top");
    ASSERT_TRUE(e.has_value()) << text;
    EXPECT_EQ(e->message, "0 から 500 までの整数を入力して下さい。");
    EXPECT_EQ(e->field, "top");
  }
  EXPECT_EQ(CheckWholeNumber("x", "margin")->message, MessageText(MessageId::NotAnInteger));
  EXPECT_EQ(CheckRealNumber("1,5", "topY")->message, MessageText(MessageId::NotANumber));
}

TEST(FieldChecks, StoredTextsRefuseSectionMarksAndCharactersShiftJisLacks) {
  EXPECT_FALSE(CheckStoredText("断面形状図 ①～㎡ $ 5", "title").has_value());
  const std::optional<ValidationError> marker = CheckStoredText("a$$b", "title");
  ASSERT_TRUE(marker.has_value());
  EXPECT_EQ(marker->message, MessageText(MessageId::SectionMarkerInText));
  EXPECT_EQ(marker->field, "title");
  const std::optional<ValidationError> emoji = CheckStoredText("図😀", "name");
  ASSERT_TRUE(emoji.has_value());
  EXPECT_EQ(emoji->message, MessageText(MessageId::UnencodableInField, "😀", "U+1F600"));
  EXPECT_EQ(emoji->field, "name");
}

}  // namespace
}  // namespace qel
