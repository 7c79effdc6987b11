// Message texts: arguments are put in their places exactly once.
#include "platform/messages.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(MessageText, ArgumentsAreInsertedAsTheyStand) {
  struct Case {
    MessageId id;
    std::string arg1, arg2, expected;
  };
  const Case cases[] = {
      {MessageId::PageOfPages, "3", "12", "ページ 3 / 12"},
      // A file name holding the placeholders themselves is not substituted again.
      {MessageId::SaveFailedBecause, "/tmp/a%2b%1.qdw", "x%1",
       "保存できませんでした\n( /tmp/a%2b%1.qdw )\nx%1"},
      {MessageId::FileNotFound, "100%", "", "ファイルが見つかりません\n( 100% )"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MessageText(c.id, c.arg1, c.arg2), c.expected) << c.arg1;
  }
}

}  // namespace
}  // namespace qel
