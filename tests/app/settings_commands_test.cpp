// The settings menu's commands, opened from the menu as the user opens them.
#include "app/settings_commands.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>

#include "app/app_fixture.h"
#include "app/command_table.h"
#include "app/dialog_driver.h"
#include "app/modal_script.h"
#include "platform/messages.h"
#include "settings/settings_files.h"
#include "support/figure_range_edit.h"

namespace qel::test {
namespace {

class SettingsCommandsTest : public AppTest {
 protected:
  void SetUp() override { ASSERT_TRUE(Start()); }
  std::string SettingsFile() { return ReadBytes(DataFolder() + "/Sys.ndx"); }
  // The settings as the next start of the program reads them.
  SystemSettings Reread() {
    SystemSettings reread;
    ApplySystemSettingsLines(*ReadTextLines(DataFolder() + "/Sys.ndx"), reread);
    return reread;
  }
};

TEST_F(SettingsCommandsTest, KeyDialogStoresTheChoiceAndSavesTheSettingsFile) {
  const std::string before = SettingsFile();
  ModalScript script;
  script.Then([](QWidget& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "キーの動作");
    // The texts name no platform: Enter's first mode is the program's own standard.
    EXPECT_EQ(dialog.findChild<QRadioButton*>("pressOk")->text(), "標準（OKボタンと同じ）");
    for (const QLabel* label : dialog.findChildren<QLabel*>())
      EXPECT_FALSE(label->text().contains("Windows")) << label->text().toStdString();
    Click(dialog, "confirmOnly");
    Click(dialog, "ok");
  });
  Action(CommandId::KeyBehaviour).trigger();
  EXPECT_EQ(state().settings.enterKeyMode, 2);
  EXPECT_NE(SettingsFile(), before);
  EXPECT_EQ(Reread().enterKeyMode, 2);

  // Cancel keeps both the settings and the file.
  const std::string saved = SettingsFile();
  script.Then([](QWidget& dialog) {
    Click(dialog, "pressOk");
    Click(dialog, "cancel");
  });
  Action(CommandId::KeyBehaviour).trigger();
  EXPECT_EQ(state().settings.enterKeyMode, 2);
  EXPECT_EQ(SettingsFile(), saved);
}

struct ScaleCase {
  CommandId command;
  const char* windowTitle;
  Problem problem;
};

class ScaleCommandTest : public SettingsCommandsTest,
                         public ::testing::WithParamInterface<ScaleCase> {};

// The scale is the document's: OK stores it there as one undo step, and the settings file (the
// defaults of a new document) stays as it was.
TEST_P(ScaleCommandTest, OkStoresTheScaleInTheDocumentAsOneStep) {
  const ScaleCase& c = GetParam();
  const std::string before = SettingsFile();
  ModalScript script;
  script.Then([&](QWidget& dialog) {
    EXPECT_EQ(dialog.windowTitle().toStdString(), c.windowTitle);
    EXPECT_EQ(TextOf(dialog, "paperWidth"), "210");
    // Passing through a field without editing it leaves the range typed alone.
    Type(dialog, "rangeY", "33");
    Leave(dialog, "scaleY");
    EXPECT_EQ(TextOf(dialog, "rangeY"), "33");
    Type(dialog, "scaleX", "1000");
    Leave(dialog, "scaleX");
    // 1000 x (210 - 10 - 10) / 1000 on the program's A4 paper.
    EXPECT_EQ(TextOf(dialog, "pageMetresX"), "190");
    EXPECT_EQ(TextOf(dialog, "rangeX"), "190");
    Type(dialog, "pageOverlap", "4");
    Click(dialog, "ok");
  });
  Action(c.command).trigger();
  EXPECT_EQ(script.pending(), 0u);
  EXPECT_EQ(RangeOf(state(), c.problem).scaleX, 1000);
  EXPECT_EQ(RangeOf(state(), c.problem).rangeX, 190);
  EXPECT_EQ(state().document.undoSteps(), 1u);
  EXPECT_EQ(state().document.UndoName(), CommandStepName(c.command));
  EXPECT_TRUE(state().document.IsModified());
  EXPECT_EQ(SettingsFile(), before);
  EXPECT_EQ(state().view.currentPage, 1);
}

TEST_P(ScaleCommandTest, CancelAndARefusedScaleSaveNothing) {
  const ScaleCase& c = GetParam();
  const std::string before = SettingsFile();
  const int scale = RangeOf(state(), c.problem).scaleX;
  ModalScript script;
  script.Then([](QWidget& dialog) {
    Type(dialog, "scaleY", "9");
    Click(dialog, "ok");
    EXPECT_TRUE(dialog.isVisible());
    Click(dialog, "cancel");
  });
  Action(c.command).trigger();
  EXPECT_EQ(prompts.CountShown(MessageText(MessageId::IntegerOutOfRange, "10", "5000")), 1);
  EXPECT_EQ(RangeOf(state(), c.problem).scaleX, scale);
  EXPECT_EQ(state().document.undoSteps(), 0u);
  EXPECT_EQ(SettingsFile(), before);
}

TEST_P(ScaleCommandTest, AnOverlapAsWideAsTheRangeOpensTheDialogAgain) {
  const ScaleCase& c = GetParam();
  ModalScript script;
  script.Then([](QWidget& dialog) {
    Type(dialog, "rangeX", "40");
    Type(dialog, "pageOverlap", "40");
    Click(dialog, "ok");
  });
  script.Then([this](QWidget& dialog) {
    // Why the overlap is 0 was said before the dialog opened again.
    EXPECT_EQ(prompts.CountShown(MessageText(MessageId::OverlapReset, "40", "40")), 1);
    EXPECT_EQ(TextOf(dialog, "pageOverlap"), "0");
    EXPECT_EQ(TextOf(dialog, "rangeX"), "40");
    Click(dialog, "cancel");
  });
  Action(c.command).trigger();
  EXPECT_EQ(script.pending(), 0u);
  // The values of the first OK are in effect, as the command's one step.
  EXPECT_EQ(RangeOf(state(), c.problem).rangeX, 40);
  EXPECT_EQ(state().document.undoSteps(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    BothFigures, ScaleCommandTest,
    ::testing::Values(ScaleCase{CommandId::StripScale, "縮尺　帯状荷重", Problem::Strip},
                      ScaleCase{CommandId::RectScale, "縮尺-長方形円形荷重", Problem::RectCircle}));

TEST_F(SettingsCommandsTest, LineDialogStoresColoursAndWidthsAndSavesTheSettingsFile) {
  const std::string before = SettingsFile();
  colourChooser.ChooseNext(0x0000ff);  // pure red
  ModalScript script;
  script.Then([this](QWidget& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "線種・マージン・桁数など");
    EXPECT_EQ(dialog.findChild<QWidget*>("stressDigits")->accessibleName(), "小数以下桁数 応力 dP");
    Click(dialog, "monochromeMode");
    EXPECT_TRUE(dialog.findChild<QWidget*>("axisDashOff")->isEnabled());
    Type(dialog, "axisDashOff", "5");
    Click(dialog, "axisColourButton");
    EXPECT_EQ(colourChooser.asked().back(), 0x808080u);
    EXPECT_EQ(TextOf(dialog, "axisColour"), "0x0000ff");
    EXPECT_EQ(EditorOf(dialog, "axisColour")->palette().color(QPalette::Base), QColor(Qt::red));
    Type(dialog, "figureLineWidth", "4");
    Click(dialog, "ok");
  });
  Action(CommandId::LineMarginDigits).trigger();
  EXPECT_EQ(script.pending(), 0u);
  const SystemSettings& s = state().settings;
  EXPECT_EQ(s.colourMode, 1);
  EXPECT_EQ(s.axisDashOff, 5);
  EXPECT_EQ(s.axisColour, "0x0000ff");
  EXPECT_EQ(s.figureLineWidth, 4);
  EXPECT_NE(SettingsFile(), before);
  EXPECT_EQ(Reread().axisColour, "0x0000ff");

  // Cancel keeps the settings and the file, whatever was changed in the dialog.
  const std::string saved = SettingsFile();
  script.Then([](QWidget& dialog) {
    Click(dialog, "standardValues");
    EXPECT_EQ(TextOf(dialog, "axisDashOff"), "0");
    EXPECT_FALSE(dialog.findChild<QWidget*>("axisDashOff")->isEnabled());
    Click(dialog, "cancel");
  });
  Action(CommandId::LineMarginDigits).trigger();
  EXPECT_EQ(state().settings.figureLineWidth, 4);
  EXPECT_EQ(SettingsFile(), saved);
}

TEST_F(SettingsCommandsTest, LargerMarginsLowerThePrintRangesThatNoLongerFit) {
  state().settings.stripFigureDefault.rangeX = 95;
  state().settings.rectFigureDefault.rangeX = 30;
  ChangeFigureRange(state(), Problem::Strip, [](FigureRange& range) { range.rangeX = 95; });
  ChangeFigureRange(state(), Problem::RectCircle, [](FigureRange& range) { range.rangeX = 30; });
  ModalScript script;
  script.Then([](QWidget& dialog) {
    Type(dialog, "marginLeft", "50");
    Click(dialog, "ok");
  });
  Action(CommandId::LineMarginDigits).trigger();
  // At the shipped scales, 1/200 and 1/300, the A4 page now holds 200 x (210 - 50 - 10) / 1000
  // = 30 m and 300 x 150 / 1000 = 45 m across: the first range is lowered, the second fits.
  ASSERT_EQ(state().settings.stripFigureDefault.scaleX, 200);
  ASSERT_EQ(state().settings.rectFigureDefault.scaleX, 300);
  EXPECT_EQ(state().settings.stripFigureDefault.rangeX, 30);
  EXPECT_EQ(state().settings.rectFigureDefault.rangeX, 30);
  EXPECT_EQ(Reread().stripFigureDefault.rangeX, 30);
  // The document's own ranges, at the same scales, as the command's step.
  EXPECT_EQ(RangeOf(state(), Problem::Strip).rangeX, 30);
  EXPECT_EQ(RangeOf(state(), Problem::RectCircle).rangeX, 30);
  EXPECT_EQ(state().document.UndoName(), CommandStepName(CommandId::LineMarginDigits));
}

struct StandardCase {
  CommandId command;
  const char* windowTitle;
  const char* note;  // where the values are used
  StyleDefaults SystemSettings::*style;
  const char* factoryFigureTitle;
};

class StandardValueCommandTest : public SettingsCommandsTest,
                                 public ::testing::WithParamInterface<StandardCase> {};

TEST_P(StandardValueCommandTest, FactoryValuesAreStoredAndSaved) {
  const StandardCase& c = GetParam();
  const std::string titleBefore = state().document.cells().settingLines[setting_line::kFigureTitle];
  ModalScript script;
  script.Then([&](QWidget& dialog) {
    EXPECT_EQ(dialog.windowTitle().toStdString(), c.windowTitle);
    int notes = 0;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
      notes += label->text().toStdString() == c.note;
    EXPECT_EQ(notes, 1);
    Click(dialog, "factoryValues");
    Type(dialog, "gridStepX", "20");
    Click(dialog, "ok");
  });
  Action(c.command).trigger();
  const StyleDefaults& stored = state().settings.*c.style;
  EXPECT_EQ(stored.figureTitle, c.factoryFigureTitle);
  EXPECT_EQ(stored.gridStepX, "20");
  EXPECT_EQ((Reread().*c.style).gridStepX, "20");
  // The document keeps its own titles until "標準の設定" copies these in.
  EXPECT_EQ(state().document.cells().settingLines[setting_line::kFigureTitle], titleBefore);
  EXPECT_FALSE(app->document().IsModified());

  const std::string saved = SettingsFile();
  script.Then([](QWidget& dialog) {
    Type(dialog, "gridStepX", "30");
    Click(dialog, "cancel");
  });
  Action(c.command).trigger();
  EXPECT_EQ((state().settings.*c.style).gridStepX, "20");
  EXPECT_EQ(SettingsFile(), saved);
}

INSTANTIATE_TEST_SUITE_P(
    BothKinds, StandardValueCommandTest,
    ::testing::Values(
        StandardCase{
            CommandId::StripStandardValues, "標準値 > 帯状荷重の初期設定",
            "メニュー「帯状荷重」-「タイトル・様式」 にて[標準の設定]ボタンでセットされる内容　　",
            &SystemSettings::stripStyle, "地中の鉛直増加応力（帯状荷重）"},
        StandardCase{CommandId::RectStandardValues, "標準値 > 長方形円形等分布荷重の初期設定",
                     "メニュー「長方形円形荷重」-「タイトル・様式」 "
                     "にて[標準の設定]ボタンでセットされる内容　　",
                     &SystemSettings::rectStyle, "等分布荷重 形状図"}));

TEST_F(SettingsCommandsTest, FontCommandsWriteTheirOwnFontFileOnly) {
  const std::pair<CommandId, int> commands[] = {{CommandId::FontTitle, 1},
                                                {CommandId::FontStrip, 2},
                                                {CommandId::FontRectCircle, 3},
                                                {CommandId::FontPage, 4}};
  for (const auto& [command, slot] : commands) {
    std::string files[6];
    for (int i = 1; i <= 5; ++i)
      files[i] = ReadBytes(DataFolder() + "/Font" + std::to_string(i) + ".ndx");
    const std::string settingsFile = SettingsFile();
    fontChooser.ChooseNext({"IPAGothic", 11.5, true});
    Action(command).trigger();
    EXPECT_EQ(state().fonts[slot].faceName, "IPAGothic");
    EXPECT_EQ(state().fonts[slot].size, 11.5);
    for (int i = 1; i <= 5; ++i) {
      const std::string now = ReadBytes(DataFolder() + "/Font" + std::to_string(i) + ".ndx");
      if (i == slot)
        EXPECT_EQ(now, "11.5\r\nIPAGothic\r\n0\r\n1\r\n") << static_cast<int>(command);
      else
        EXPECT_EQ(now, files[i]) << static_cast<int>(command) << " " << i;
    }
    EXPECT_EQ(SettingsFile(), settingsFile);

    // Cancel writes nothing.
    const std::string written = ReadBytes(DataFolder() + "/Font" + std::to_string(slot) + ".ndx");
    fontChooser.CancelNext();
    Action(command).trigger();
    EXPECT_EQ(ReadBytes(DataFolder() + "/Font" + std::to_string(slot) + ".ndx"), written);
  }
  EXPECT_EQ(fontChooser.asked().size(), 8u);
}

TEST_F(SettingsCommandsTest, HelpListsTheHelpTextAndOpensItForPrinting) {
  ModalScript script;
  script.Then([this](QWidget& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "操作＆ヘルプ");
    auto* list = dialog.findChild<QListWidget*>("helpText");
    ASSERT_NE(list, nullptr);
    ASSERT_GT(list->count(), 10);
    EXPECT_EQ(list->item(0)->text(), " 地中の鉛直増加応力 Qel Ver.6　操作＆ヘルプ");
    Click(dialog, "openAndPrint");
    fileOpener.SetSucceeds(false);
    Click(dialog, "openAndPrint");
    Click(dialog, "ok");
  });
  Action(CommandId::Help).trigger();
  EXPECT_EQ(script.pending(), 0u);
  EXPECT_EQ(fileOpener.opened(), (std::vector<std::string>(2, DataFolder() + "/Help.txt")));
  EXPECT_EQ(
      prompts.CountShown(MessageText(MessageId::NoProgramForText, DataFolder() + "/Help.txt")), 1);
}

TEST_F(SettingsCommandsTest, WithoutAHelpFileTheListIsEmptyAfterAMessage) {
  std::remove((DataFolder() + "/Help.txt").c_str());
  ModalScript script;
  int lines = -1;
  script.Then([&lines](QWidget& dialog) {
    lines = dialog.findChild<QListWidget*>("helpText")->count();
    Click(dialog, "ok");
  });
  Action(CommandId::Help).trigger();
  EXPECT_EQ(lines, 0);
  EXPECT_EQ(prompts.CountShown(MessageText(MessageId::FileNotFound, DataFolder() + "/Help.txt")),
            1);
}

}  // namespace
}  // namespace qel::test
