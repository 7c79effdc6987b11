// The file commands reached through the menu: the document, the view and FileV.ndx.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/app_fixture.h"
#include "document/data_file.h"

namespace qel::test {
namespace {

namespace fs = std::filesystem;

class FileMenuTest : public AppTest {
 protected:
  std::string Copy(const std::string& example, const std::string& name) {
    std::string path = files.File(name);
    fs::create_directories(fs::path(path).parent_path());
    fs::copy_file(Example(example), path, fs::copy_options::overwrite_existing);
    return path;
  }
  std::string LastFolderFile() { return DataFolder() + "/FileV.ndx"; }
  std::string Snapshot() {
    return FormatDataFile(state().document.cells(),
                          state().results.Lattice(state().document, state().circleMethod), 3);
  }
};

TEST_F(FileMenuTest, OpenThroughTheMenuLoadsAndRemembersTheFolder) {
  ASSERT_TRUE(Start());
  ASSERT_FALSE(fs::exists(LastFolderFile()));
  const std::string path = Copy("building.qdw", "site/building.qdw");
  state().view.displayMode = DisplayMode::StripResults;
  state().view.currentPage = 2;

  chooser.ChooseNext(path);
  Action(CommandId::FileOpen).trigger();
  ASSERT_EQ(chooser.requests().size(), 1u);
  EXPECT_EQ(chooser.requests()[0].filters,
            (std::vector<FileTypeFilter>{{"地中の鉛直増加応力", {"qdw"}}, {"すべて", {}}}));
  EXPECT_EQ(app->document().GetPathName(), path);
  EXPECT_EQ(state().document.cells().rectLoads[1][rect_col::kNo], "1");
  // The file is shown from its start: it has no strip loads, so the plan figure's page 1.
  EXPECT_EQ(state().view.displayMode, DisplayMode::RectCircleFigure);
  EXPECT_EQ(state().view.currentPage, 1);
  EXPECT_EQ(ReadBytes(LastFolderFile()), files.File("site") + "\r\n\r\n");

  // The second line of FileV.ndx survives the next open.
  WriteBytes(LastFolderFile(), "/elsewhere\r\nsecond line\r\n");
  const std::string other = Copy("embankment.qdw", "two/embankment.qdw");
  chooser.ChooseNext(other);
  Action(CommandId::FileOpen).trigger();
  EXPECT_EQ(chooser.requests()[1].startFolder, "/elsewhere");
  EXPECT_EQ(ReadBytes(LastFolderFile()), files.File("two") + "\r\nsecond line\r\n");
}

TEST_F(FileMenuTest, FailedOpensLeaveDocumentPathAndLastFolderAlone) {
  const std::string path = Copy("embankment.qdw", "e.qdw");
  ASSERT_TRUE(Start({QString::fromStdString(path)}));
  WriteBytes(LastFolderFile(), "/kept\r\n\r\n");
  const std::string before = Snapshot();

  const std::string missing = files.File("gone.qdw");
  chooser.ChooseNext(missing);
  Action(CommandId::FileOpen).trigger();
  const std::string text = Copy("embankment.qdw", "text.qdw");
  WriteBytes(text, "Not a data file\r\n");
  chooser.ChooseNext(text);
  Action(CommandId::FileOpen).trigger();

  ASSERT_EQ(prompts.shown().size(), 2u);
  EXPECT_EQ(prompts.shown()[0].text, "ファイルが見つかりません\n( " + missing + " )");
  EXPECT_EQ(prompts.shown()[1].text, "本ソフトのデータファイルではありません");
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(app->document().GetPathName(), path);
  EXPECT_EQ(ReadBytes(LastFolderFile()), "/kept\r\n\r\n");
}

TEST_F(FileMenuTest, SaveAsFromTheMenu) {
  ASSERT_TRUE(Start({QString::fromStdString(Example("embankment.qdw"))}));
  chooser.ChooseNext(files.File("copy"));
  Action(CommandId::FileSaveAs).trigger();
  EXPECT_EQ(chooser.requests().at(0).initialName, Example("embankment.qdw"));
  const std::string written = files.File("copy.qdw");
  EXPECT_EQ(app->document().GetPathName(), written);
  // Read back, the copy holds the same document.
  DocumentTables reread;
  ASSERT_EQ(ReadDataFile(written, reread), ReadStatus::Ok);
  EXPECT_EQ(
      FormatDataFile(reread, state().results.Lattice(Document(reread), state().circleMethod), 3),
      Snapshot());

  chooser.ChooseNext(files.File("copy.txt"));
  Action(CommandId::FileSaveAs).trigger();
  EXPECT_EQ(prompts.CountShown("標準の拡張子ではありません"), 1);
  EXPECT_FALSE(fs::exists(files.File("copy.txt")));
  EXPECT_EQ(app->document().GetPathName(), written);
}

TEST_F(FileMenuTest, NewThenSaveAsksForANameAndKeepsTheOldFile) {
  const std::string path = Copy("embankment.qdw", "old.qdw");
  ASSERT_TRUE(Start({QString::fromStdString(path)}));
  Action(CommandId::ShowStripResults).trigger();
  Action(CommandId::FileNew).trigger();
  EXPECT_EQ(state().document.cells().stripLoads[1][1][strip_col::kNo], "");
  // The new document is shown from its start: the strip figure, as on a first start.
  EXPECT_EQ(state().view.displayMode, DisplayMode::StripFigure);
  EXPECT_EQ(frame().windowTitle(), "無題[*] - 地中の鉛直増加応力 Qel Ver.6");
  const std::string fresh = files.File("fresh.qdw");
  chooser.ChooseNext(fresh);
  Action(CommandId::FileSave).trigger();
  ASSERT_EQ(chooser.requests().size(), 1u);
  EXPECT_EQ(chooser.requests()[0].kind, FileDialogKind::Save);
  EXPECT_EQ(ReadBytes(path), ReadBytes(Example("embankment.qdw")));
  const std::string written = ReadBytes(fresh);
  EXPECT_NE(written.find("$$K1\r\n$$K2\r\n$$OXZ\r\n"), std::string::npos);
  const std::string end = "$$SOL\r\nNo.,x,y,z,dP\r\n";  // no lattice, no results
  EXPECT_EQ(written.substr(written.size() - end.size()), end);
  EXPECT_EQ(frame().windowTitle(), "fresh.qdw[*] - 地中の鉛直増加応力 Qel Ver.6");
}

}  // namespace
}  // namespace qel::test
