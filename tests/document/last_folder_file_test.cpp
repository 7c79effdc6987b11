// FileV.ndx: the last folder opened, and a second line kept as it was.
#include "document/last_folder_file.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace qel {
namespace {

TEST(LastFolderFile, WrittenInShiftJisAndReadBackWithItsSecondLine) {
  test::TempFolder folder;
  const std::string path = folder.File("FileV.ndx");
  EXPECT_EQ(ReadLastFolderFile(path), LastFolderFile{});  // missing: empty texts
  ASSERT_TRUE(WriteLastFolderFile(path, {"/home/user/地盤", "kept"}));
  EXPECT_EQ(test::ReadBytes(path), "/home/user/\x92\x6e\x94\xd5\r\nkept\r\n");
  EXPECT_EQ(ReadLastFolderFile(path), (LastFolderFile{"/home/user/地盤", "kept"}));
  test::WriteBytes(path, "/only/one/line");
  EXPECT_EQ(ReadLastFolderFile(path), (LastFolderFile{"/only/one/line", ""}));
  EXPECT_FALSE(WriteLastFolderFile(path, {"€", ""}));  // Shift-JIS has no euro sign
  EXPECT_EQ(test::ReadBytes(path), "/only/one/line");
}

}  // namespace
}  // namespace qel
