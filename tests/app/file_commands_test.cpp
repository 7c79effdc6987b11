// The document's file commands with a scripted file dialog, message boxes and recent-file list.
#include "app/file_commands.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cerrno>
#include <cstring>

#include <filesystem>
#include <functional>
#include <optional>
#include <utility>

#include "platform/messages.h"
#include "settings/settings_files.h"
#include "settings/system_settings.h"
#include "support/loaded_settings_files.h"
#include "support/render_world.h"
#include "support/test_files.h"
#include "test_support/fixed_system_paths.h"
#include "test_support/memory_recent_files.h"
#include "test_support/scripted_file_chooser.h"
#include "test_support/scripted_prompts.h"

namespace qel {
namespace {

namespace fs = std::filesystem;

const std::string kExample = std::string(QEL_SOURCE_DIR) + "/examples/embankment.qdw";

// Document files, with the settings of a data folder in a temporary folder.
class FileCommandsTest : public ::testing::Test {
 protected:
  FileCommandsTest() {
    test::ApplyStandardSettings(settings, fonts);
    settingsFiles = test::LoadedSettingsFiles(data.path());
    document.SetUpdateAllViews([this] { ++updates; });
    document.SetTitleChanged([this] { ++titleChanges; });
  }

  std::string LastFolderFile() const { return data.File("FileV.ndx"); }
  // Everything the document holds, as it would be written.
  std::string Snapshot() const {
    return FormatDataFile(content.cells(), results.Lattice(content, CircleMethod::kExact), 3);
  }
  // The document's content as if opened so: unmodified.
  void Edit(const std::function<void(DocumentTables&)>& edit) {
    DocumentTables cells = content.cells();
    edit(cells);
    content.Replace(std::move(cells));
  }
  // Some change of the document, as a dialog's OK makes it, whatever the document holds.
  void Modify() {
    content.Change("計算点",
                   [](DocumentTables& cells) { cells.stripPoints[kStripPointRows][1] += "1"; });
  }
  // A copy of the example in `folder` under `name`.
  std::string CopyExample(const std::string& folder, const std::string& name) {
    fs::create_directories(folder);
    std::string path = folder + "/" + name;
    fs::copy_file(kExample, path, fs::copy_options::overwrite_existing);
    return path;
  }
  void OpenThroughTheDialog(const std::string& path) {
    chooser.ChooseNext(path);
    document.OnFileOpen();
    ASSERT_EQ(document.GetPathName(), path);
  }

  test::TempFolder data, files;
  Document content;
  DocumentResults results;
  SystemSettings settings;
  FontSlots fonts;
  SettingsFiles settingsFiles;
  ScriptedPrompts prompts;
  ScriptedFileChooser chooser;
  MemoryRecentFiles recent;
  FixedSystemPaths paths;
  CircleMethod circles = CircleMethod::kExact;
  CQelDoc document{content, results, circles, settings, settingsFiles, {prompts, chooser, recent}};
  int updates = 0;
  int titleChanges = 0;
};

TEST_F(FileCommandsTest, FirstOpenAsksWithTheFilterAndCreatesTheLastFolderFile) {
  std::string path = CopyExample(files.File("project"), "embankment.qdw");
  OpenThroughTheDialog(path);

  ASSERT_EQ(chooser.requests().size(), 1u);
  const FileDialogRequest& asked = chooser.requests()[0];
  EXPECT_EQ(asked.kind, FileDialogKind::Open);
  EXPECT_EQ(asked.startFolder, "");  // no FileV.ndx yet: the dialog's own folder
  EXPECT_EQ(asked.filters,
            (std::vector<FileTypeFilter>{{"地中の鉛直増加応力", {"qdw"}}, {"すべて", {}}}));
  EXPECT_EQ(asked.defaultExtension, "qdw");

  EXPECT_EQ(content.cells().stripLoads[1][1][strip_col::kNo], "10");
  EXPECT_EQ(content.cells().settingLines[1], "200");
  EXPECT_EQ(ReadFigureRange(content.cells(), Problem::Strip).scaleX, 200);  // drawn at the file's
  EXPECT_EQ(updates, 1);
  EXPECT_EQ(recent.Files(), std::vector<std::string>{path});
  EXPECT_FALSE(document.IsModified());
  EXPECT_EQ(test::ReadBytes(LastFolderFile()), files.File("project") + "\r\n\r\n");
  EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(FileCommandsTest, OpenStartsInTheRememberedFolderAndKeepsTheSecondLine) {
  test::WriteBytes(LastFolderFile(), "/somewhere/else\r\nkept as it is\r\n");
  std::string path = CopyExample(files.File("next"), "a.qdw");
  OpenThroughTheDialog(path);
  EXPECT_EQ(chooser.requests()[0].startFolder, "/somewhere/else");
  EXPECT_EQ(test::ReadBytes(LastFolderFile()), files.File("next") + "\r\nkept as it is\r\n");
}

TEST_F(FileCommandsTest, CancelledOpenChangesNothing) {
  test::WriteBytes(LastFolderFile(), "/old\r\nsecond\r\n");
  Edit([](DocumentTables& cells) { cells.stripPoints[1][1] = "7"; });
  document.OnFileOpen();
  EXPECT_EQ(content.cells().stripPoints[1][1], "7");
  EXPECT_EQ(updates, 0);
  EXPECT_EQ(test::ReadBytes(LastFolderFile()), "/old\r\nsecond\r\n");
  EXPECT_TRUE(prompts.shown().empty());
}

// A failed open leaves the document, its path name, the recent files and FileV.ndx alone.
TEST_F(FileCommandsTest, MissingFileAndNotADataFileLeaveEverythingAsItWas) {
  std::string first = CopyExample(files.path(), "first.qdw");
  OpenThroughTheDialog(first);
  Edit([](DocumentTables& cells) { cells.rectLoads[3][rect_col::kQ] = "edited"; });
  const std::string before = Snapshot();
  const std::string lastFolder = test::ReadBytes(LastFolderFile());
  updates = 0;

  std::string missing = files.File("other/missing.qdw");
  chooser.ChooseNext(missing);
  document.OnFileOpen();
  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(prompts.shown()[0].text, "ファイルが見つかりません\n( " + missing + " )");

  std::string notData = files.File("other/notes.qdw");
  fs::create_directories(files.File("other"));
  test::WriteBytes(notData, "Hello\r\n$$Z\r\n1\r\n");
  chooser.ChooseNext(notData);
  document.OnFileOpen();
  ASSERT_EQ(prompts.shown().size(), 2u);
  EXPECT_EQ(prompts.shown()[1].text, "本ソフトのデータファイルではありません");

  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(document.GetPathName(), first);
  EXPECT_EQ(recent.Files(), std::vector<std::string>{first});
  EXPECT_EQ(test::ReadBytes(LastFolderFile()), lastFolder);
  EXPECT_EQ(updates, 0);
}

TEST_F(FileCommandsTest, SaveAsCompletesOrRefusesTheExtension) {
  Edit([](DocumentTables& cells) { cells.stripPoints[1][1] = "4.5"; });
  struct Case {
    std::string typed, written;
  };
  for (const Case& c : {Case{"plain", "plain.qdw"}, Case{"point.", "point.qdw"},
                        Case{"upper.QDW", "upper.QDW"}, Case{"v1.2/name", "v1.2/name.qdw"}}) {
    SCOPED_TRACE(c.typed);
    fs::create_directories(files.File("v1.2"));
    chooser.ChooseNext(files.File(c.typed));
    document.OnFileSaveAs();
    std::string written = files.File(c.written);
    EXPECT_EQ(document.GetPathName(), written);
    EXPECT_EQ(test::ReadBytes(written).substr(0, 11), "$$_QEL405\r\n");
    EXPECT_EQ(recent.Files().front(), written);
  }
  EXPECT_FALSE(fs::exists(files.File("plain")));
  EXPECT_FALSE(fs::exists(files.File("point.")));
  EXPECT_TRUE(prompts.shown().empty());

  // Another extension is said and brings the dialog back with the name typed; Cancel there
  // writes nothing.
  std::string before = document.GetPathName();
  chooser.ChooseNext(files.File("notes.txt"));
  const std::size_t dialogs = chooser.requests().size();
  document.OnFileSaveAs();
  EXPECT_EQ(prompts.CountShown("標準の拡張子ではありません"), 1);
  ASSERT_EQ(chooser.requests().size(), dialogs + 2);
  EXPECT_EQ(chooser.requests().back().initialName, files.File("notes.txt"));
  EXPECT_FALSE(fs::exists(files.File("notes.txt")));
  EXPECT_FALSE(fs::exists(files.File("notes.txt.qdw")));
  EXPECT_EQ(document.GetPathName(), before);
}

TEST_F(FileCommandsTest, SaveAsKeepsAskingOnTheNameTypedUntilOneCanBeSaved) {
  test::WriteBytes(files.File("taken.qdw"), "precious");
  // The script answers No to replacing taken.qdw.
  for (const char* typed : {"notes.txt", "taken", "fresh"})
    chooser.ChooseNext(files.File(typed));
  document.OnFileSaveAs();
  // Each dialog opens on what the one before it was given, the standard extension added.
  const std::vector<FileDialogRequest>& asked = chooser.requests();
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_EQ(asked[1].initialName, files.File("notes.txt"));
  EXPECT_EQ(asked[2].initialName, files.File("taken.qdw"));
  EXPECT_EQ(prompts.shown().size(), 2u);
  EXPECT_EQ(test::ReadBytes(files.File("taken.qdw")), "precious");
  EXPECT_EQ(document.GetPathName(), files.File("fresh.qdw"));
  EXPECT_EQ(test::ReadBytes(files.File("fresh.qdw")).substr(0, 9), "$$_QEL405");
}

TEST_F(FileCommandsTest, SaveAsAsksBeforeReplacingTheFileTheExtensionLeadsTo) {
  std::string target = files.File("old.qdw");
  test::WriteBytes(target, "precious");
  chooser.ChooseNext(files.File("old"));
  document.OnFileSaveAs();  // the script answers No
  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(prompts.shown()[0].text, target + " は既に存在します。\n上書きしますか?");
  EXPECT_EQ(prompts.shown()[0].buttons, PromptButtons::YesNo);
  EXPECT_EQ(test::ReadBytes(target), "precious");
  EXPECT_EQ(document.GetPathName(), "");
  // No brings the dialog back on that name; Cancel there ends the command.
  ASSERT_EQ(chooser.requests().size(), 2u);
  EXPECT_EQ(chooser.requests()[1].initialName, target);

  prompts.AnswerNext(PromptAnswer::Yes);
  chooser.ChooseNext(files.File("old"));
  document.OnFileSaveAs();
  EXPECT_EQ(test::ReadBytes(target).substr(0, 9), "$$_QEL405");
  EXPECT_EQ(document.GetPathName(), target);
}

TEST_F(FileCommandsTest, SaveAsProposesThePathNameAndCancelWritesNothing) {
  std::string path = CopyExample(files.path(), "e.qdw");
  OpenThroughTheDialog(path);
  document.OnFileSaveAs();
  ASSERT_EQ(chooser.requests().size(), 2u);
  const FileDialogRequest& asked = chooser.requests()[1];
  EXPECT_EQ(asked.kind, FileDialogKind::Save);
  EXPECT_EQ(asked.initialName, path);
  EXPECT_EQ(asked.defaultExtension, "");
  EXPECT_EQ(asked.filters, DataFileFilters());
  EXPECT_EQ(test::ReadBytes(path), test::ReadBytes(kExample));
}

TEST_F(FileCommandsTest, SaveWritesWithoutADialogWhenTheExtensionIsStandard) {
  // A folder with a point and an extension in capitals: neither needs the dialog.
  std::string path = CopyExample(files.File("site.v2"), "cut.QDW");
  OpenThroughTheDialog(path);
  Edit([](DocumentTables& cells) { cells.stripPoints[1][1] = "99"; });
  document.OnFileSave();
  EXPECT_EQ(chooser.requests().size(), 1u);  // only the open dialog
  EXPECT_NE(test::ReadBytes(path).find("\r\n$$OXZ\r\n99,"), std::string::npos);
  EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(FileCommandsTest, SaveGoesOnAsSaveAsForOtherPathNames) {
  // No path name yet: straight to the dialog.
  document.OnFileSave();
  ASSERT_EQ(chooser.requests().size(), 1u);
  EXPECT_EQ(chooser.requests()[0].kind, FileDialogKind::Save);
  EXPECT_TRUE(prompts.shown().empty());

  // A file opened by its name with another extension: the message, then the dialog.
  std::string text = CopyExample(files.path(), "data.txt");
  ASSERT_EQ(document.OnOpenDocument(text), ReadStatus::Ok);
  document.OnFileSave();
  EXPECT_EQ(prompts.CountShown("標準の拡張子ではありません"), 1);
  ASSERT_EQ(chooser.requests().size(), 2u);
  EXPECT_EQ(chooser.requests()[1].initialName, text);

  // An extension of one character: the dialog without a message.
  std::string shortOne = CopyExample(files.path(), "data.q");
  ASSERT_EQ(document.OnOpenDocument(shortOne), ReadStatus::Ok);
  document.OnFileSave();
  EXPECT_EQ(chooser.requests().size(), 3u);
  EXPECT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(test::ReadBytes(text), test::ReadBytes(kExample));
  EXPECT_EQ(test::ReadBytes(shortOne), test::ReadBytes(kExample));
}

// New (through the application, which asks about the changes first) makes the document anew.
TEST_F(FileCommandsTest, MakeNewMakesTheDocumentUntitledSoSaveAsksForAName) {
  std::string path = CopyExample(files.path(), "old.qdw");
  OpenThroughTheDialog(path);
  const int titlesBefore = titleChanges;
  document.MakeNew();
  EXPECT_EQ(updates, 2);
  EXPECT_EQ(content.cells().stripLoads[1][1][strip_col::kNo], "");
  EXPECT_EQ(document.GetPathName(), "");
  EXPECT_GT(titleChanges, titlesBefore);
  // Save goes to the save-as dialog; cancelling it leaves the old file as it was.
  document.OnFileSave();
  ASSERT_EQ(chooser.requests().size(), 2u);
  EXPECT_EQ(chooser.requests()[1].kind, FileDialogKind::Save);
  EXPECT_EQ(chooser.requests()[1].initialName, "");
  EXPECT_EQ(test::ReadBytes(path), test::ReadBytes(kExample));
  std::string fresh = files.File("fresh.qdw");
  chooser.ChooseNext(fresh);
  document.OnFileSave();
  EXPECT_NE(test::ReadBytes(fresh).find("$$K1\r\n$$K2\r\n$$OXZ\r\n,\r\n"), std::string::npos);
  EXPECT_EQ(test::ReadBytes(path), test::ReadBytes(kExample));
  EXPECT_EQ(document.GetPathName(), fresh);
}

TEST_F(FileCommandsTest, OpenSaveAndNewClearTheModifiedMarkAndAFailedSaveKeepsIt) {
  std::string path = CopyExample(files.path(), "marked.qdw");
  Modify();
  prompts.AnswerNext(PromptAnswer::No);  // open asks first: the changes may go
  OpenThroughTheDialog(path);
  EXPECT_FALSE(document.IsModified());
  Modify();
  document.OnFileSave();
  EXPECT_FALSE(document.IsModified());
  Modify();
  chooser.ChooseNext(files.File("no-such-folder/new.qdw"));
  document.OnFileSaveAs();
  EXPECT_TRUE(document.IsModified());
  document.MakeNew();
  EXPECT_FALSE(document.IsModified());
}

// What the save question does with each answer, for a titled and an untitled document.
TEST_F(FileCommandsTest, SaveModifiedAsksAndGoesOnOnlyWhenNothingIsLost) {
  struct Case {
    const char* name;
    bool modified;
    bool titled;
    std::optional<PromptAnswer> answer;  // nothing: no question expected
    const char* saveAsChoice;            // the name chosen when save as asks; "" cancels
    bool goesOn;
    bool saved;
  };
  const Case cases[] = {
      {"unmodified", false, true, std::nullopt, "", true, false},
      {"cancel", true, true, PromptAnswer::Cancel, "", false, false},
      {"no", true, true, PromptAnswer::No, "", true, false},
      {"yes saves", true, true, PromptAnswer::Yes, "", true, true},
      {"yes untitled, named", true, false, PromptAnswer::Yes, "named.qdw", true, true},
      {"yes untitled, dialog cancelled", true, false, PromptAnswer::Yes, "", false, false},
      {"yes, save fails", true, false, PromptAnswer::Yes, "no-such-folder/x.qdw", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    document.MakeNew();  // untitled, without a question
    std::string path = c.titled ? CopyExample(files.path(), "titled.qdw") : "";
    if (c.titled) OpenThroughTheDialog(path);
    Edit([](DocumentTables& cells) { cells.stripPoints[1][1] = "12.5"; });
    if (c.modified) Modify();
    prompts.Clear();
    if (c.answer) prompts.AnswerNext(*c.answer);
    if (!c.titled && std::string(c.saveAsChoice) != "")
      chooser.ChooseNext(files.File(c.saveAsChoice));
    const std::size_t dialogs = chooser.requests().size();

    EXPECT_EQ(document.SaveModified(), c.goesOn);
    // The question names the document.
    const std::string question =
        std::string("「") + (c.titled ? "titled.qdw" : "無題") + "」への変更を保存しますか?";
    EXPECT_EQ(prompts.CountShown(question), c.answer ? 1 : 0);
    if (c.answer) {
      EXPECT_EQ(prompts.shown()[0].buttons, PromptButtons::YesNoCancel);
    }
    const std::string written = c.titled ? path : files.File(c.saveAsChoice);
    if (c.saved) {
      EXPECT_NE(test::ReadBytes(written).find("\r\n12.5,"), std::string::npos);
    } else if (c.titled) {
      EXPECT_EQ(test::ReadBytes(path), test::ReadBytes(kExample));
    }
    EXPECT_EQ(document.IsModified(), c.modified && !c.saved);
    EXPECT_EQ(chooser.requests().size() - dialogs, !c.titled && c.answer == PromptAnswer::Yes);
  }
}

TEST_F(FileCommandsTest, AFailedSaveKeepsThePathNameAndTheRecentFiles) {
  std::string path = CopyExample(files.path(), "kept.qdw");
  OpenThroughTheDialog(path);
  chooser.ChooseNext(files.File("no-such-folder/new.qdw"));
  document.OnFileSaveAs();
  // The message names the reason the system gave.
  EXPECT_EQ(
      prompts.CountShown(MessageText(MessageId::SaveFailedBecause,
                                     files.File("no-such-folder/new.qdw"), std::strerror(ENOENT))),
      1);
  EXPECT_EQ(document.GetPathName(), path);
  EXPECT_EQ(recent.Files(), std::vector<std::string>{path});
}

TEST_F(FileCommandsTest, LoadingByNameReportsFailuresAndLeavesTheSettingsAlone) {
  settingsFiles = SettingsFiles{};  // nothing loaded in this process
  std::string missing = files.File("gone.qdw");
  EXPECT_EQ(document.OnOpenDocument(missing), ReadStatus::CannotOpen);
  EXPECT_EQ(prompts.CountShown("ファイルが見つかりません\n( " + missing + " )"), 1);
  EXPECT_EQ(document.GetPathName(), "");
  EXPECT_EQ(updates, 0);

  // A relative name becomes the full path of the file.
  std::string path = CopyExample(files.path(), "by name.qdw");
  fs::path workingFolder = fs::current_path();
  fs::current_path(files.path());
  ReadStatus status = document.OnOpenDocument("./by name.qdw");
  fs::current_path(workingFolder);
  EXPECT_EQ(status, ReadStatus::Ok);
  EXPECT_EQ(document.GetPathName(), path);
  EXPECT_EQ(recent.Files(), std::vector<std::string>{path});
  EXPECT_EQ(updates, 1);
  EXPECT_FALSE(
      fs::exists(settingsFiles.dataFolder + "/FileV.ndx"));  // only the open command writes it

  std::string notData = files.File("x.qdw");
  test::WriteBytes(notData, "$$Z\r\n");
  const std::string before = Snapshot();
  EXPECT_EQ(document.OnOpenDocument(notData), ReadStatus::NotADataFile);
  EXPECT_EQ(prompts.CountShown("本ソフトのデータファイルではありません"), 1);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(document.GetPathName(), path);
  // Opening reads the file only: the settings are loaded once, by the program's start.
  EXPECT_FALSE(settingsFiles.loaded.systemFileRead);
}

TEST(FileExtension, TakesTheTextAfterTheLastPointOfTheName) {
  EXPECT_EQ(FileExtension("/a/b.qdw"), "qdw");
  EXPECT_EQ(FileExtension("/a.b/c"), "");
  EXPECT_EQ(FileExtension("/a/c."), "");
  EXPECT_EQ(FileExtension("/a/c.tar.QDW"), "QDW");
  EXPECT_TRUE(IsDataFileExtension("QdW"));
  EXPECT_FALSE(IsDataFileExtension("qdwx"));
  EXPECT_FALSE(IsDataFileExtension(""));
}

TEST(DataFileFilters, DataFilesFirstThenEveryFile) {
  const std::vector<FileTypeFilter> filters = DataFileFilters();
  ASSERT_EQ(filters.size(), 2u);
  EXPECT_EQ(filters[0].name, "地中の鉛直増加応力");
  EXPECT_EQ(filters[0].extensions, std::vector<std::string>{"qdw"});
  EXPECT_EQ(filters[1].name, "すべて");
  EXPECT_TRUE(filters[1].extensions.empty());
}

TEST(RecentFiles, MostRecentFirstWithoutRepeatsAndAtMostSix) {
  MemoryRecentFiles recent;
  for (int i = 1; i <= 7; ++i)
    recent.Add("/f" + std::to_string(i));
  EXPECT_EQ(recent.Files(), (std::vector<std::string>{"/f7", "/f6", "/f5", "/f4", "/f3", "/f2"}));
  recent.Add("/f4");
  EXPECT_EQ(recent.Files(), (std::vector<std::string>{"/f4", "/f7", "/f6", "/f5", "/f3", "/f2"}));
  recent.Remove("/f6");
  EXPECT_EQ(recent.Files(), (std::vector<std::string>{"/f4", "/f7", "/f5", "/f3", "/f2"}));
}

}  // namespace
}  // namespace qel
