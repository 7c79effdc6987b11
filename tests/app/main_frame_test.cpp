// The main window's menu, tool bar, status bar and about box.
#include <gtest/gtest.h>

#include <QActionGroup>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/about_box.h"
#include "app/app_fixture.h"
#include "app/command_table.h"
#include "app/verification_dialog.h"
#include "view/program_version.h"

namespace qel::test {
namespace {

int OpaquePixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      count += image.pixelColor(x, y).alpha() > 200;
  return count;
}

// The menu bar holds the menus of the command table, row for row: each command's own action with
// its text, shortcuts and indicator; the radio items of a menu as one exclusive group. After the
// start, everything is enabled but copying (the strip figure is shown) and the undo history.
TEST_F(AppTest, MenusAreBuiltFromTheCommandTable) {
  ASSERT_TRUE(Start());
  const QList<QAction*> bar = frame().menuBar()->actions();
  QList<QAction*> items[3];  // the items of the menu (level 1) and submenu (level 2) walked
  int next[3] = {};
  int menus = 0, displayItems = 0;
  const QActionGroup* displays = Action(CommandId::ShowStripFigure).actionGroup();
  ASSERT_NE(displays, nullptr);
  EXPECT_TRUE(displays->isExclusive());
  auto take = [&](int level) -> QAction* {
    EXPECT_LT(next[level], items[level].size());
    return next[level] < items[level].size() ? items[level][next[level]++] : nullptr;
  };
  for (const CommandRow& row : CommandTable()) {
    SCOPED_TRACE(row.text != nullptr ? row.text : "");
    if (row.entry == CommandRow::Entry::Menu && row.level == 0) {
      EXPECT_EQ(next[1], items[1].size());  // the menu before holds nothing else
      ASSERT_LT(menus, bar.size());
      QAction* menu = bar[menus++];
      EXPECT_EQ(menu->text(), QString::fromUtf8(row.text));
      items[1] = menu->menu()->actions();
      next[1] = 0;
      continue;
    }
    if (row.entry == CommandRow::Entry::Command && row.text == nullptr) continue;  // tool bar
    QAction* shown = take(row.level);
    ASSERT_NE(shown, nullptr);
    switch (row.entry) {
      case CommandRow::Entry::Menu:
        ASSERT_NE(shown->menu(), nullptr);
        EXPECT_EQ(shown->menu()->objectName(), row.name);
        items[2] = shown->menu()->actions();
        next[2] = 0;
        break;
      case CommandRow::Entry::Separator:
        EXPECT_TRUE(shown->isSeparator());
        break;
      case CommandRow::Entry::RecentFiles:
        // No recent file yet: a disabled note in their place, then the separator.
        EXPECT_EQ(shown->text(), QString::fromUtf8("最近使ったﾌｧｲﾙ"));
        EXPECT_FALSE(shown->isEnabled());
        EXPECT_TRUE(take(row.level)->isSeparator());
        break;
      case CommandRow::Entry::Command: {
        EXPECT_EQ(shown, row.id ? frame().CommandAction(*row.id) : shown);
        EXPECT_EQ(shown->objectName(), row.name != nullptr ? row.name : "");
        EXPECT_EQ(shown->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(QKeySequence::listToString(shown->shortcuts()),
                  row.keys != nullptr ? QString::fromUtf8(row.keys) : QString());
        EXPECT_EQ(shown->isEnabled(), row.id != CommandId::EditCopy &&
                                          row.id != CommandId::EditUndo &&
                                          row.id != CommandId::EditRedo);
        EXPECT_EQ(shown->isCheckable(), row.indicator != CommandRow::Indicator::None);
        const bool radio = row.indicator == CommandRow::Indicator::Radio;
        EXPECT_EQ(shown->actionGroup() != nullptr, radio);
        EXPECT_TRUE(!radio || shown->actionGroup()->isExclusive());
        displayItems += shown->actionGroup() == displays;
        break;
      }
    }
  }
  EXPECT_EQ(next[1], items[1].size());
  EXPECT_EQ(menus, bar.size());
  EXPECT_EQ(displayItems, kDisplayNumbers);
  EXPECT_EQ(displays->actions().size(), displayItems);
  // The keys besides those the menu shows: Ctrl+= zooms in, Ctrl+Shift+Z redoes.
  EXPECT_TRUE(Action(CommandId::ZoomIn).shortcuts().contains(QKeySequence("Ctrl+=")));
  EXPECT_TRUE(Action(CommandId::EditRedo).shortcuts().contains(QKeySequence("Ctrl+Shift+Z")));
}

// What a user reads in the menus: the menu titles, the strip menu without a blank entry, the
// usual shortcuts, and no item without a text.
TEST_F(AppTest, MenusShowTheTextsAUserLooksFor) {
  ASSERT_TRUE(Start());
  const QList<QAction*> bar = frame().menuBar()->actions();
  QStringList titles;
  for (QAction* menu : bar)
    titles << menu->text();
  EXPECT_EQ(titles, QStringList({"ﾌｧｲﾙ(&F)", "編集(&E)", "帯状荷重(&A)", "長方形円形荷重(&B)",
                                 "地盤(&G)", "表示(&V)", "設定(&S)", "ﾍﾙﾌﾟ(&H)"}));
  QStringList strip;
  for (QAction* item : bar.at(2)->menu()->actions())
    if (!item->isSeparator()) strip << item->text();
  EXPECT_EQ(strip, QStringList({"タイトル・様式(&T)", "等圧線(&I)...", "荷重1 (&1)", "荷重2 (&2)",
                                "計算点(&X)", "ページ(&P)"}));
  const std::pair<CommandId, const char*> shortcuts[] = {
      {CommandId::FileNew, "Ctrl+N"},
      {CommandId::FileOpen, "Ctrl+O"},
      {CommandId::FileSave, "Ctrl+S"},
      {CommandId::FilePrint, "Ctrl+P"},
      {CommandId::EditCopy, "Ctrl+C"},
      {CommandId::ShowStripFigure, "Ctrl+1"},
      {CommandId::ShowRectCircleSection, "Ctrl+8"},
      {CommandId::ZoomActualSize, "Ctrl+0"}};
  for (const auto& [id, keys] : shortcuts)
    EXPECT_EQ(Action(id).shortcut().toString(), keys) << Action(id).text().toStdString();
  for (QAction* menu : bar) {
    for (QAction* item : menu->menu()->actions()) {
      const QString text = item->text().trimmed().remove(QChar(0x3000));  // ideographic space
      EXPECT_TRUE(item->isSeparator() || !text.isEmpty()) << menu->text().toStdString();
    }
  }
}

// 設定 > 円形荷重の計算方法: the profile's choice at start, a change kept in the profile and used
// for the results at once.
TEST_F(AppTest, CircleMethodMenuTakesAndKeepsTheProfileChoice) {
  profile.SetValue("View", "CircleMethod", "compatible");
  ASSERT_TRUE(Start());
  EXPECT_EQ(state().circleMethod, CircleMethod::kCompatible);
  QAction* exact = frame().findChild<QAction*>("circleMethod_exact");
  ASSERT_NE(exact, nullptr);
  EXPECT_EQ(exact->text(), QString::fromUtf8("厳密解"));
  exact->trigger();
  EXPECT_EQ(state().circleMethod, CircleMethod::kExact);
  EXPECT_EQ(profile.Value("View", "CircleMethod"), "exact");
  QAction* compatible = frame().findChild<QAction*>("circleMethod_compatible");
  ASSERT_NE(compatible, nullptr);
  EXPECT_EQ(compatible->text(), QString::fromUtf8("旧版互換"));
  compatible->trigger();
  EXPECT_EQ(profile.Value("View", "CircleMethod"), "compatible");
}

// ﾍﾙﾌﾟ > 計算の検証...: one row per family with the unit of its errors and its result, the
// samples, the version, the notes, and the PDF through the file chooser in the document's
// folder.
TEST_F(AppTest, VerificationDialogShowsFamiliesSamplesAndSavesItsPdf) {
  const std::string document = files.File("site.qdw");
  test::WriteBytes(document, test::ReadBytes(Example("building.qdw")));
  ASSERT_TRUE(Start({QString::fromStdString(document)}));
  VerificationDialog dialog(&frame(), chooser, prompts, document);
  auto* table = dialog.findChild<QTableWidget*>("verificationTable");
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->columnCount(), 6);
  EXPECT_EQ(table->horizontalHeader()->sectionResizeMode(0), QHeaderView::Stretch);
  QSet<QString> units;
  for (int row = 0; row < table->rowCount(); ++row) {
    EXPECT_EQ(table->item(row, 5)->text(), QString::fromUtf8("合格")) << row;
    units.insert(table->item(row, 1)->text());
  }
  EXPECT_EQ(units, QSet<QString>({"荷重強度あたり", "m", "kN/㎡", "—"}));
  EXPECT_GE(dialog.findChild<QTableWidget*>("verificationSamples")->rowCount(),
            2 * table->rowCount());
  EXPECT_TRUE(dialog.findChild<QLabel*>("verificationStamp")
                  ->text()
                  .startsWith("Qel " + QString::fromUtf8(ProgramVersion())));
  EXPECT_TRUE(dialog.findChild<QLabel*>("verificationNote")->text().contains("荷重強度あたり"));
  EXPECT_EQ(dialog.findChild<QLabel*>("verificationSummary")->text(),
            QString::fromUtf8("すべての比較が許容値内です。"));
  EXPECT_EQ(dialog.findChild<QPushButton*>("savePdfButton")->text(),
            QString::fromUtf8("PDFで保存"));
  chooser.ChooseNext(files.File("check"));
  EXPECT_EQ(dialog.SavePdf(), files.File("check.pdf"));
  EXPECT_EQ(test::ReadBytes(files.File("check.pdf")).substr(0, 5), "%PDF-");
  ASSERT_EQ(chooser.requests().size(), 1u);
  EXPECT_EQ(chooser.requests()[0].initialName, "計算の検証.pdf");
  EXPECT_EQ(chooser.requests()[0].startFolder, files.path());
}

TEST_F(AppTest, ToolBarButtonsInOrderWithTheirTips) {
  ASSERT_TRUE(Start());
  struct Button {
    std::optional<CommandId> id;  // none: a separator
    const char* statusTip;
    const char* toolTip;
  };
  const std::vector<Button> expected = {
      {CommandId::FileNew, "新規にﾌｧｲﾙを作成", "新規ﾌｧｲﾙ"},
      {CommandId::FileOpen, "既存のﾌｧｲﾙを開く", "開く"},
      {CommandId::FileSave, "作業中のﾌｧｲﾙを上書きして保存", "保存"},
      {std::nullopt, "", ""},
      {CommandId::FilePrint, "作業中のﾌｧｲﾙを印刷", "印刷"},
      {CommandId::AppAbout, "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示", "ﾊﾞｰｼﾞｮﾝ情報"},
      {std::nullopt, "", ""},
      {CommandId::ToolbarFigure, "図を表示", "図"},
      {CommandId::ToolbarData, "データを表示", "データ"},
      {CommandId::ToolbarResults, "計算結果を表示", "計算結果"},
      {CommandId::ToolbarDepth, "深さ分布を表示", "深さ分布"},
      {CommandId::ToolbarSettlementTable, "沈下量の計算表を表示", "沈下量 計算表"},
      {CommandId::ToolbarSettlementMap, "沈下量の分布を表示", "沈下量 分布"},
      {CommandId::ToolbarSettlementTime, "時間－沈下曲線を表示", "時間－沈下曲線"},
      {CommandId::ToolbarSoilConditions, "地盤条件を表示", "地盤条件"},
      {std::nullopt, "", ""},
      {CommandId::ZoomOut, "ページを縮小して表示", "縮小"},
      {CommandId::ZoomIn, "ページを拡大して表示", "拡大"},
      {CommandId::ZoomFitPage, "ページ全体をウィンドウに合わせて表示", "ページ全体"},
      {CommandId::ZoomFitWidth, "ページの幅をウィンドウに合わせて表示", "幅に合わせる"},
  };
  const QList<QAction*> buttons = frame().toolBar()->actions();
  ASSERT_EQ(buttons.size(), static_cast<int>(expected.size()));
  for (int i = 0; i < buttons.size(); ++i) {
    SCOPED_TRACE(i);
    if (!expected[i].id) {
      EXPECT_TRUE(buttons[i]->isSeparator());
      continue;
    }
    EXPECT_EQ(buttons[i]->data().toInt(), static_cast<int>(*expected[i].id));
    EXPECT_EQ(buttons[i]->statusTip(), QString::fromUtf8(expected[i].statusTip));
    EXPECT_EQ(buttons[i]->toolTip(), QString::fromUtf8(expected[i].toolTip));
    // Icons drawn for the 16-pixel bar and for screens that double it.
    const QIcon icon = buttons[i]->icon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(QSize(16, 16)).size(), QSize(16, 16));
    EXPECT_EQ(icon.pixmap(QSize(32, 32)).size(), QSize(32, 32));
    EXPECT_GT(OpaquePixels(icon.pixmap(QSize(16, 16)).toImage()), 40);
  }
  EXPECT_EQ(frame().toolBar()->iconSize(), QSize(16, 16));
}

TEST_F(AppTest, StatusBarShowsTheIdleTextBetweenPrompts) {
  ASSERT_TRUE(Start());
  auto* idle = frame().statusBar()->findChild<QLabel*>("idleText");
  ASSERT_NE(idle, nullptr);
  EXPECT_EQ(idle->text(), "図は←→、データ・結果は↑↓PageUp PageDownで改ページ");
  EXPECT_TRUE(idle->isVisible());
  // A prompt covers it while a command is pointed at, and the idle text comes back after.
  QStatusTipEvent tip(Action(CommandId::FileOpen).statusTip());
  QApplication::sendEvent(&frame(), &tip);
  EXPECT_EQ(frame().statusBar()->currentMessage(), "既存のﾌｧｲﾙを開く");
  EXPECT_FALSE(idle->isVisible());
  QStatusTipEvent none("");
  QApplication::sendEvent(&frame(), &none);
  EXPECT_TRUE(idle->isVisible());
}

TEST_F(AppTest, StatusBarTellsWhenTheFigureIsCutAtItsPageLimit) {
  const std::string path = home.File("far.qdw");
  test::WriteBytes(path, "$$_QEL405\r\n$$K1\r\n1,0,0,0,1e15,1,1,0\r\n");
  ASSERT_TRUE(Start({QString::fromStdString(path)}));
  auto* idle = frame().statusBar()->findChild<QLabel*>("idleText");
  const std::string notice = app->controller().FigureNotice();
  ASSERT_FALSE(notice.empty());
  EXPECT_EQ(idle->text().toStdString(), notice);
  Action(CommandId::ShowStripData).trigger();  // the strip data: no notice, the idle text again
  EXPECT_EQ(idle->text(), "図は←→、データ・結果は↑↓PageUp PageDownで改ページ");
}

TEST_F(AppTest, ToolBarAndStatusBarCanBeHiddenFromTheViewMenu) {
  ASSERT_TRUE(Start());
  EXPECT_TRUE(Action(CommandId::ViewToolBar).isChecked());
  EXPECT_TRUE(Action(CommandId::ViewStatusBar).isChecked());
  Action(CommandId::ViewToolBar).trigger();
  Action(CommandId::ViewStatusBar).trigger();
  EXPECT_FALSE(frame().toolBar()->isVisible());
  EXPECT_FALSE(frame().statusBar()->isVisible());
  EXPECT_FALSE(Action(CommandId::ViewToolBar).isChecked());
  Action(CommandId::ViewToolBar).trigger();
  EXPECT_TRUE(frame().toolBar()->isVisible());
  EXPECT_TRUE(Action(CommandId::ViewToolBar).isChecked());
}

TEST_F(AppTest, AboutBoxShowsTitleAndVersion) {
  ASSERT_TRUE(Start());
  QString caption, title, version;
  bool hasIcon = false;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr) return;
    caption = box->windowTitle();
    title = box->findChild<QLabel*>("title")->text();
    version = box->findChild<QLabel*>("version")->text();
    hasIcon = !box->findChild<QLabel*>("icon")->pixmap().isNull();
    box->close();
  });
  Action(CommandId::AppAbout).trigger();
  EXPECT_EQ(caption, "ﾊﾞｰｼﾞｮﾝ情報");
  EXPECT_EQ(title, "地中の鉛直増加応力");
  EXPECT_EQ(version, "Qel Version 6 R002");
  EXPECT_TRUE(hasIcon);
}

TEST_F(AppTest, ExitClosesTheWindowWithoutAsking) {
  ASSERT_TRUE(Start({QString::fromStdString(Example("embankment.qdw"))}));
  Action(CommandId::AppExit).trigger();
  EXPECT_FALSE(frame().isVisible());
  EXPECT_TRUE(prompts.shown().empty());
}

}  // namespace
}  // namespace qel::test
