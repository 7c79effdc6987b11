// The settings menu's commands, opened from the menu as the user opens them.
#include "app/settings_commands.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <QRadioButton>

#include "app/app_fixture.h"
#include "app/modal_script.h"
#include "settings/settings_files.h"

namespace qel::test {
namespace {

class SettingsCommandsTest : public AppTest {
 protected:
  void SetUp() override { ASSERT_TRUE(Start()); }
  std::string SettingsFile() { return ReadBytes(DataFolder() + "/Sys.ndx"); }
  static void Click(QWidget& dialog, const char* name) {
    auto* button = dialog.findChild<QAbstractButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    button->click();
  }
};

TEST_F(SettingsCommandsTest, KeyDialogStoresTheChoiceAndSavesTheSettingsFile) {
  const std::string before = SettingsFile();
  ModalScript script;
  script.Then([](QWidget& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "キーの動作");
    Click(dialog, "confirmOnly");
    Click(dialog, "ok");
  });
  Action(32803).trigger();
  EXPECT_EQ(state().settings.enterKeyMode, 2);
  EXPECT_NE(SettingsFile(), before);
  SystemSettings reread;
  ApplySystemSettingsLines(*ReadTextLines(DataFolder() + "/Sys.ndx"), reread);
  EXPECT_EQ(reread.enterKeyMode, 2);

  // Cancel keeps both the settings and the file.
  const std::string saved = SettingsFile();
  script.Then([](QWidget& dialog) {
    Click(dialog, "pressOk");
    Click(dialog, "cancel");
  });
  Action(32803).trigger();
  EXPECT_EQ(state().settings.enterKeyMode, 2);
  EXPECT_EQ(SettingsFile(), saved);
}

}  // namespace
}  // namespace qel::test
