// Lines read whole, and files written so that a failure never damages the old file.
#include "settings/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

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
  EXPECT_FALSE(WriteFileSafely(folder.File("no/such/folder/x.qdw"), "x").ok);
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

}  // namespace
}  // namespace qel
