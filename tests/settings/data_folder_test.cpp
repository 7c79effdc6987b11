// Finding the data folder and filling it on first start.
#include "settings/data_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_files.h"
#include "test_support/fixed_system_paths.h"

namespace qel {
namespace {

class DataFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    paths.dataHome = root.File("data");
    paths.configHome = root.File("config");
    paths.currentDirectory = root.File("work");
    for (const auto& dir : {paths.configHome + "/Varda", paths.currentDirectory + "/Varda"})
      std::filesystem::create_directories(dir);
  }
  void Locate(const std::string& folder, const std::string& firstLine) {
    test::WriteBytes(folder + "/Varda/Pvnqel6.whr", firstLine);
  }
  test::TempFolder root;
  FixedSystemPaths paths;
};

TEST_F(DataFolderTest, DefaultsToTheDataHome) {
  EXPECT_EQ(ResolveDataFolder(paths), root.File("data") + "/Vardamo/Qel6");
}

TEST_F(DataFolderTest, TheLocationFileNamesTheFolder) {
  Locate(paths.configHome, "/srv/qel/data/\r\nsecond line\r\n");
  EXPECT_EQ(ResolveDataFolder(paths), "/srv/qel/data");
}

TEST_F(DataFolderTest, TheWorkingDirectoryIsAskedWhenTheFirstFileIsUnusable) {
  Locate(paths.configHome, "/");
  Locate(paths.currentDirectory, "/opt/qel");
  EXPECT_EQ(ResolveDataFolder(paths), "/opt/qel");
  Locate(paths.currentDirectory, "relative/folder");
  EXPECT_EQ(ResolveDataFolder(paths), root.File("data") + "/Vardamo/Qel6");
}

TEST_F(DataFolderTest, TheFolderLineIsWrittenPlainlyAndTheRootIsNeverTheFolder) {
  const std::string fallback = root.File("data") + "/Vardamo/Qel6";
  struct Case {
    const char* line;
    std::string expected;
  };
  const Case cases[] = {
      {"/.", fallback},
      {"/tmp/..", fallback},
      {"//", fallback},
      {"/./", fallback},
      {"/srv//qel/./data/../files/", "/srv/qel/files"},
      {"/srv/qel\r", "/srv/qel"},  // a carriage return left without its line feed
  };
  for (const Case& c : cases) {
    Locate(paths.configHome, c.line);
    EXPECT_EQ(ResolveDataFolder(paths), c.expected) << c.line;
  }
}

TEST_F(DataFolderTest, ALastLineWithoutLineEndKeepsItsLastCharacter) {
  Locate(paths.configHome, "/srv/qel");
  EXPECT_EQ(ResolveDataFolder(paths), "/srv/qel");
}

TEST_F(DataFolderTest, FirstStartCopiesShippedFilesWithoutOverwriting) {
  std::string shipped = root.File("shipped");
  std::filesystem::create_directories(shipped);
  test::WriteBytes(shipped + "/Sys.ndx", "shipped settings");
  test::WriteBytes(shipped + "/Help.txt", "help");
  std::string folder = root.File("data/Vardamo/Qel6");
  std::filesystem::create_directories(folder);
  test::WriteBytes(folder + "/Sys.ndx", "user settings");
  ASSERT_TRUE(PopulateDataFolder(folder, shipped));
  EXPECT_EQ(test::ReadBytes(folder + "/Sys.ndx"), "user settings");
  EXPECT_EQ(test::ReadBytes(folder + "/Help.txt"), "help");
  EXPECT_TRUE(PopulateDataFolder(root.File("fresh/folder"), shipped));
  EXPECT_EQ(test::ReadBytes(root.File("fresh/folder/Sys.ndx")), "shipped settings");
}

}  // namespace
}  // namespace qel
