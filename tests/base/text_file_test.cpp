// Lines read whole, and files written so that a failure never damages the old file.
#include "base/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/file_messages.h"
#include "platform/messages.h"
#include "support/test_files.h"

namespace qel {
namespace {

TEST(SplitLines, LineEndsAndLongLines) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(SplitLines("a\r\nb\nc"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines("x\r\r\n"), (Lines{"x\r"}));  // only one CR goes with the line feed
  EXPECT_EQ(SplitLines("last"), (Lines{"last"}));    // the last character is kept
  std::string longLine(5000, 'z');
  EXPECT_EQ(SplitLines(longLine + "\r\nnext\r\n"), (Lines{longLine, "next"}));
}

TEST(ReadTextLines, DecodesShiftJisAndReportsMissingFiles) {
  test::TempFolder folder;
  test::WriteBytes(folder.File("t.txt"), "\x82\xa0\r\nb");
  auto lines = ReadTextLines(folder.File("t.txt"));
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (std::vector<std::string>{"あ", "b"}));
  EXPECT_FALSE(ReadTextLines(folder.File("missing.txt")));
  EXPECT_FALSE(ReadTextLines(folder.path()));  // a folder is not a file
}

TEST(ReadFileBytes, ReadsOnlyRegularFilesUpToTheLimit) {
  test::TempFolder folder;
  const std::string fifo = folder.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // A sparse file one byte over the limit takes no disk space.
  const std::string large = folder.File("large");
  test::WriteBytes(large, "");
  std::filesystem::resize_file(large, kLargestReadableFile + 1);
  const std::string largest = folder.File("largest");
  test::WriteBytes(largest, "");
  std::filesystem::resize_file(largest, kLargestReadableFile);
  test::WriteBytes(folder.File("small"), "abc");

  struct Case {
    std::string path;
    FileReadError error;
  };
  const Case cases[] = {
      {folder.File("small"), FileReadError::None},
      {largest, FileReadError::None},
      {folder.File("missing"), FileReadError::CannotOpen},
      {fifo, FileReadError::NotRegularFile},         // would block for ever waiting for a writer
      {"/dev/zero", FileReadError::NotRegularFile},  // would never end
      {folder.path(), FileReadError::NotRegularFile},
      {large, FileReadError::TooLarge},
  };
  for (const Case& c : cases) {
    FileReadError error = FileReadError::CannotOpen;
    std::optional<std::string> bytes = ReadFileBytes(c.path, &error);
    EXPECT_EQ(error, c.error) << c.path;
    EXPECT_EQ(bytes.has_value(), c.error == FileReadError::None) << c.path;
  }
  EXPECT_EQ(ReadFileBytes(largest)->size(), kLargestReadableFile);
}

TEST(ReadFileBytes, NamesWhyAFileCouldNotBeOpened) {
  test::TempFolder folder;
  std::filesystem::create_symlink(folder.File("b"), folder.File("a"));
  std::filesystem::create_symlink(folder.File("a"), folder.File("b"));
  FileReadError error = FileReadError::None;
  EXPECT_FALSE(ReadFileBytes(folder.File("a"), &error));
  EXPECT_EQ(error, FileReadError::LinkLoop);
  EXPECT_EQ(FileReadErrorText(error, "a"), MessageText(MessageId::LinkLoop, "a"));
  // A file the user may not read: as the unprivileged user when the tests run as root.
  ::chmod(folder.path().c_str(), 0755);
  const std::string secret = folder.File("secret.qdw");
  test::WriteBytes(secret, "$$_QEL405\r\n");
  ::chmod(secret.c_str(), 0);
  const int status = test::RunUnprivileged([&] {
    FileReadError why = FileReadError::None;
    return !ReadFileBytes(secret, &why) && why == FileReadError::NotPermitted ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(FileReadErrorText(FileReadError::NotPermitted, "s"),
            MessageText(MessageId::ReadNotPermitted, "s"));
}

TEST(ReadTextLines, ReadsUtf8FilesAndStopsAtTheLinesWanted) {
  test::TempFolder folder;
  test::WriteBytes(folder.File("bom.txt"), "\xEF\xBB\xBF明朝\r\nb\r\n");
  EXPECT_EQ(*ReadTextLines(folder.File("bom.txt")), (std::vector<std::string>{"明朝", "b"}));
  test::WriteBytes(folder.File("many.txt"), std::string(1000000, '\n'));
  EXPECT_EQ(ReadTextLines(folder.File("many.txt"), nullptr, 3)->size(), 3u);
  FileReadError error = FileReadError::None;
  EXPECT_FALSE(ReadTextLines("/dev/zero", &error));
  EXPECT_EQ(error, FileReadError::NotRegularFile);
}

TEST(WriteFileSafely, ReplacesTheFileAndLeavesNoTemporaryBehind) {
  test::TempFolder folder;
  std::string path = folder.File("data.qdw");
  test::WriteBytes(path, "old");
  ::chmod(path.c_str(), 0640);
  WriteOutcome outcome = WriteFileSafely(path, "new content");
  ASSERT_TRUE(outcome.ok) << outcome.error;
  EXPECT_EQ(test::ReadBytes(path), "new content");
  struct stat info;
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);  // the file keeps its permissions
  int entries = 0;
  for (auto& entry : std::filesystem::directory_iterator(folder.path())) {
    (void)entry;
    ++entries;
  }
  EXPECT_EQ(entries, 1);
}

TEST(WriteFileSafely, AFailedWriteKeepsTheOldFile) {
  test::TempFolder folder;
  std::string path = folder.File("data.qdw");
  test::WriteBytes(path, "precious");
  WriteOutcome outcome = WriteTextFileSafely(path, "text with € in it");
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.badCharacter, "€");
  EXPECT_EQ(test::ReadBytes(path), "precious");
  WriteOutcome missingFolder = WriteFileSafely(folder.File("no/such/folder/x.qdw"), "x");
  EXPECT_FALSE(missingFolder.ok);
  EXPECT_EQ(missingFolder.systemError, ENOENT);          // the reason, for the message
  EXPECT_FALSE(WriteFileSafely(folder.path(), "x").ok);  // the target is a folder
}

TEST(WriteFileSafely, WritesThroughASymbolicLink) {
  test::TempFolder folder;
  test::WriteBytes(folder.File("real.qdw"), "old");
  std::filesystem::create_symlink(folder.File("real.qdw"), folder.File("link.qdw"));
  ASSERT_TRUE(WriteFileSafely(folder.File("link.qdw"), "new").ok);
  EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.qdw")));
  EXPECT_EQ(test::ReadBytes(folder.File("real.qdw")), "new");
}

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
