// Starting the program: the command line, the window, the first settings load, files opened by
// name from the recent-file list or by dropping them onto the window.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <QApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QUrl>
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "app/app_fixture.h"
#include "app/command_ids.h"
#include "platform/messages.h"

namespace qel::test {
namespace {

namespace fs = std::filesystem;

// Records the window title at the moment a file joins the recent files, which is the moment the
// document loading succeeds.
class TitleAtLoading : public MemoryRecentFiles {
 public:
  void Add(const std::string& path) override {
    if (app != nullptr && *app && (*app)->mainFrame() != nullptr)
      titles.push_back((*app)->mainFrame()->windowTitle());
    MemoryRecentFiles::Add(path);
  }
  const std::unique_ptr<CQelApp>* app = nullptr;
  std::vector<QString> titles;
};

TEST_F(AppTest, AFileOnTheCommandLineIsLoadedBeforeTheTitleIsSet) {
  auto titles = std::make_unique<TitleAtLoading>();
  titles->app = &app;
  TitleAtLoading& loading = *titles;
  recent = std::move(titles);
  const std::string path = Example("embankment.qdw");

  ASSERT_TRUE(Start({QString::fromStdString(path)}));

  ASSERT_EQ(loading.titles.size(), 1u);
  EXPECT_EQ(loading.titles[0], "");  // loaded while the window had no title yet
  EXPECT_EQ(frame().windowTitle(), "embankment.qdw[*] - 地中の鉛直増加応力 Qel Ver.6");
  EXPECT_TRUE(frame().isVisible());
  EXPECT_TRUE(frame().acceptDrops());
  EXPECT_EQ(app->document().GetPathName(), path);
  EXPECT_EQ(state().document.cells().stripLoads[1][1][strip_col::kNo], "10");
  // The settings came from the data folder, filled from the shipped files on this first start.
  EXPECT_EQ(state().settingsFiles.dataFolder, DataFolder());
  EXPECT_TRUE(fs::exists(DataFolder() + "/Sys.ndx"));
  EXPECT_EQ(state().view.displayMode, DisplayMode::StripFigure);
  // The printer's page: the A4 PDF printer that stands in for a missing one.
  EXPECT_EQ(state().geometry.paperWidthMm, 210);
  EXPECT_EQ(state().geometry.paperHeightMm, 297);
  EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(AppTest, WindowCoversMostOfTheScreen) {
  ASSERT_TRUE(Start());
  const QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);
  const QRect area = screen->geometry();
  EXPECT_EQ(frame().width(), static_cast<int>(area.width() * 0.86));
  EXPECT_EQ(frame().height(), static_cast<int>(area.height() * 0.8));
  EXPECT_EQ(frame().screenWidth(), static_cast<int>(area.width() * screen->devicePixelRatio()));
  EXPECT_EQ(app->document().GetPathName(), "");
  // Without a file the view's first update loads the settings.
  EXPECT_TRUE(state().settingsFiles.loaded.systemFileRead);
}

// The first settings load shows nothing itself: the start-up tells what it could not read, once,
// whether the view's first update or the file on the command line made that load.
TEST_F(AppTest, WhatTheFirstSettingsLoadCouldNotReadIsToldOnceAtStartUp) {
  fs::create_directories(DataFolder() + "/Sys.ndx");  // a folder where the file should be
  const std::string refused = MessageText(MessageId::NotRegularFile, DataFolder() + "/Sys.ndx");
  for (const QStringList& arguments :
       {QStringList{}, QStringList{QString::fromStdString(Example("embankment.qdw"))}}) {
    SCOPED_TRACE(arguments.join(" ").toStdString());
    app.reset();
    prompts.Clear();
    ASSERT_TRUE(Start(arguments));
    EXPECT_EQ(prompts.CountShown(refused), 1);
    EXPECT_EQ(prompts.shown().size(), 1u);
    EXPECT_TRUE(state().settingsFiles.loaded.systemFileRead);
  }
}

TEST_F(AppTest, AMissingFileOnTheCommandLineEndsTheProgram) {
  const std::string missing = files.File("nowhere.qdw");
  EXPECT_FALSE(Start({QString::fromStdString(missing)}));
  EXPECT_EQ(prompts.CountShown("ファイルが見つかりません\n( " + missing + " )"), 1);
}

TEST_F(AppTest, AFileThatIsNoDataFileGivesAnEmptyDocumentWithoutItsName) {
  const std::string notes = files.File("notes.qdw");
  WriteBytes(notes, "just some text\r\n");
  ASSERT_TRUE(Start({"-style=fusion", QString::fromStdString(notes)}));
  EXPECT_EQ(prompts.CountShown("本ソフトのデータファイルではありません"), 1);
  EXPECT_EQ(app->document().GetPathName(), "");  // a later save must not overwrite it
  EXPECT_TRUE(recent->Files().empty());
  EXPECT_EQ(ReadBytes(notes), "just some text\r\n");
}

TEST_F(AppTest, TheCommandLineOpensNamesAsBytesAndSaysWhatItDoesNotOpen) {
  // Not UTF-8: an e with acute accent in Latin-1.
  const std::string latin1 = files.File("lat\xe9n.qdw");
  fs::copy_file(Example("building.qdw"), latin1);
  ASSERT_TRUE(StartWithBytes({latin1}));
  EXPECT_EQ(app->document().GetPathName(), latin1);
  EXPECT_EQ(prompts.shown().size(), 0u);

  const std::string dashed = "-x.qdw";
  ASSERT_TRUE(StartWithBytes({dashed}));
  EXPECT_EQ(prompts.CountShown(MessageText(MessageId::UnknownOption, dashed)), 1);
  EXPECT_EQ(app->document().GetPathName(), "");

  // After "--" it is a file name like any other.
  fs::copy_file(Example("building.qdw"), files.File(dashed));
  const fs::path before = fs::current_path();
  fs::current_path(files.path());
  const bool started = StartWithBytes({"--", dashed});
  fs::current_path(before);
  ASSERT_TRUE(started);
  EXPECT_EQ(app->document().GetPathName(), files.File(dashed));
}

TEST_F(AppTest, WithoutAReachableDisplayTheProgramSaysSoInOneLine) {
  const std::string err = files.File("err");
  const std::string command =
      "QT_QPA_PLATFORM=xcb DISPLAY=:97 WAYLAND_DISPLAY= " + std::string(QEL_APP_PATH) + " 2>" +
      err + " >/dev/null";
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status)) << "ended by a signal";
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
  const std::string said = ReadBytes(err);
  EXPECT_NE(said.find("qel: the display :97 cannot be reached"), std::string::npos) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

// Dropping files onto the window opens the first local file as the recent-file list does.
TEST_F(AppTest, DroppingAFileOpensIt) {
  ASSERT_TRUE(Start());
  const std::string path = Example("building.qdw");
  QMimeData data;
  data.setUrls(
      {QUrl("https://example.org/x.qdw"), QUrl::fromLocalFile(QString::fromStdString(path))});
  // Delivered straight to the window: the application routes drops only to the target of a
  // drag that the window system started.
  QObject& window = frame();
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  window.event(&enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  window.event(&drop);
  QApplication::processEvents();
  EXPECT_EQ(app->document().GetPathName(), path);
  EXPECT_EQ(recent->Files(), std::vector<std::string>{path});
  EXPECT_EQ(state().document.cells().rectLoads[1][rect_col::kNo], "1");
}

QMenu* FileMenu(CMainFrame& frame) {
  return frame.menuBar()->actions().at(0)->menu();
}

// The file menu's entries between the printing commands and the exit command.
QStringList RecentFileEntries(CMainFrame& frame) {
  QMenu* menu = FileMenu(frame);
  emit menu->aboutToShow();
  QStringList texts;
  bool inside = false;
  for (QAction* action : menu->actions()) {
    if (action == frame.CommandAction(CommandId::FilePrintSetup)) {
      inside = true;
      continue;
    }
    if (action == frame.CommandAction(CommandId::AppExit)) break;
    if (inside && !action->isSeparator()) texts << action->text();
  }
  return texts;
}

TEST_F(AppTest, DragsWithoutALocalFileAreRefused) {
  ASSERT_TRUE(Start());
  QMimeData data;
  data.setText("not a file");
  QObject& window = frame();
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  enter.setAccepted(false);
  window.event(&enter);
  EXPECT_FALSE(enter.isAccepted());
}

TEST_F(AppTest, RecentFilesAreListedAndOpenedFromTheFileMenu) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(RecentFileEntries(frame()), QStringList{"最近使ったﾌｧｲﾙ"});

  const std::string first = files.File("a&b.qdw");
  const std::string second = files.File("second.qdw");
  fs::copy_file(Example("embankment.qdw"), first);
  fs::copy_file(Example("building.qdw"), second);
  ASSERT_TRUE(app->OpenDocumentFile(first));
  ASSERT_TRUE(app->OpenDocumentFile(second));
  QStringList entries = RecentFileEntries(frame());
  ASSERT_EQ(entries.size(), 2);
  EXPECT_EQ(entries[0], "&1 " + QString::fromStdString(second));
  EXPECT_EQ(entries[1], "&2 " + QString::fromStdString(files.File("a&&b.qdw")));

  // Choosing the second entry opens it; one that has gone away leaves the list.
  QMenu* menu = FileMenu(frame());
  emit menu->aboutToShow();
  for (QAction* action : menu->actions())
    if (action->text().startsWith("&2 ")) action->trigger();
  EXPECT_EQ(app->document().GetPathName(), first);
  fs::remove(second);
  for (QAction* action : menu->actions())
    if (action->text().startsWith("&2 ")) action->trigger();
  EXPECT_EQ(prompts.CountShown("ファイルが見つかりません\n( " + second + " )"), 1);
  EXPECT_EQ(app->document().GetPathName(), first);
  EXPECT_EQ(recent->Files(), std::vector<std::string>{first});
}

}  // namespace
}  // namespace qel::test
