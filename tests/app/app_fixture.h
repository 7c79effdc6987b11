// The desktop program started with scripted services in a temporary home folder.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <memory>
#include <string>

#include "app/main_frame.h"
#include "app/qel_app.h"
#include "app/qel_view.h"
#include "support/test_files.h"
#include "test_support/fixed_system_paths.h"
#include "test_support/memory_profile.h"
#include "test_support/memory_recent_files.h"
#include "test_support/recording_clipboard.h"
#include "test_support/scripted_choosers.h"
#include "test_support/scripted_file_chooser.h"
#include "test_support/scripted_prompts.h"

class QAction;

namespace qel::test {

inline std::string Example(const std::string& name) {
  return std::string(QEL_SOURCE_DIR) + "/examples/" + name;
}

class AppTest : public ::testing::Test {
 protected:
  AppTest() {
    paths.dataHome = home.path();
    paths.configHome = home.File("config");
    paths.currentDirectory = home.path();
    paths.shippedDataFolder = std::string(QEL_SOURCE_DIR) + "/data";
  }

  // Starts the program with `arguments` as its command line; false when it ends at once.
  bool Start(const QStringList& arguments = {}) {
    app =
        std::make_unique<CQelApp>(AppServices{prompts, chooser, *recent, paths, false, &fontChooser,
                                              &colourChooser, &fileOpener, &profile, &clipboard});
    return app->InitInstance(arguments);
  }
  // The same with the command line as the bytes the system gave.
  bool StartWithBytes(const std::vector<std::string>& arguments) {
    app =
        std::make_unique<CQelApp>(AppServices{prompts, chooser, *recent, paths, false, &fontChooser,
                                              &colourChooser, &fileOpener, &profile, &clipboard});
    return app->InitInstance(arguments);
  }
  CMainFrame& frame() { return *app->mainFrame(); }
  CQelView& view() { return *frame().view(); }
  QAction& Action(CommandId id) {
    QAction* action = frame().CommandAction(id);
    EXPECT_NE(action, nullptr) << static_cast<int>(id);
    return *action;
  }
  ApplicationState& state() { return app->state(); }
  std::string DataFolder() const { return home.path() + "/Vardamo/Qel6"; }

  TempFolder home, files;
  FixedSystemPaths paths;
  ScriptedPrompts prompts;
  ScriptedFileChooser chooser;
  ScriptedFontChooser fontChooser;
  ScriptedColourChooser colourChooser;
  RecordingFileOpener fileOpener;
  RecordingClipboard clipboard;
  std::unique_ptr<RecentFiles> recent = std::make_unique<MemoryRecentFiles>();
  MemoryProfile profile;
  std::unique_ptr<CQelApp> app;
};

}  // namespace qel::test
