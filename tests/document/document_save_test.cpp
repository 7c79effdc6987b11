// The message of a save that failed names why it failed.
#include "document/document_save.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "platform/messages.h"

namespace qel {
namespace {

TEST(SaveFailureText, NamesTheReasonTheSystemGave) {
  const std::string path = "/data/盛土.qdw";
  struct Case {
    int systemError;
    std::string expected;
  };
  const Case cases[] = {
      {ENOSPC, MessageText(MessageId::SaveDiskFull, path)},
      {EDQUOT, MessageText(MessageId::SaveDiskFull, path)},
      {EACCES, MessageText(MessageId::SaveNotPermitted, path)},
      {EPERM, MessageText(MessageId::SaveNotPermitted, path)},
      {EROFS, MessageText(MessageId::SaveNotPermitted, path)},
      {EIO, MessageText(MessageId::SaveIoError, path)},
      {ENAMETOOLONG, MessageText(MessageId::SaveFailedBecause, path, std::strerror(ENAMETOOLONG))},
      {0, MessageText(MessageId::CannotSave)},
  };
  for (const Case& c : cases) {
    WriteOutcome outcome;
    outcome.systemError = c.systemError;
    EXPECT_EQ(SaveFailureText(outcome, path), c.expected) << c.systemError;
  }
  EXPECT_NE(MessageText(MessageId::SaveDiskFull, path).find(path), std::string::npos);
}

TEST(SaveFailureText, ACharacterThatCannotBeStoredComesFirst) {
  WriteOutcome outcome;
  outcome.badCharacter = "€";
  outcome.codePoint = "U+20AC";
  outcome.systemError = EIO;
  EXPECT_EQ(SaveFailureText(outcome, "x.qdw"),
            MessageText(MessageId::UnencodableCharacter, "€", "U+20AC"));
}

}  // namespace
}  // namespace qel
