// The main window's menu, tool bar, status bar and about box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/about_box.h"
#include "app/app_fixture.h"
#include "app/verification_dialog.h"

namespace qel::test {
namespace {

int OpaquePixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      count += image.pixelColor(x, y).alpha() > 200;
  return count;
}

// The id of a menu item that opens a submenu or a dialog of its own rather than a command.
constexpr int kNotACommand = -1;

struct Item {
  int id;  // 0: a separator
  const char* text;
  bool enabled;
  const char* shortcut = "";
};

struct Menu {
  const char* title;
  std::vector<Item> items;
};

// The menu as the user sees it, recent files left out.
const std::vector<Menu>& ExpectedMenus() {
  static const std::vector<Menu> menus = {
      {"ﾌｧｲﾙ(&F)",
       {{57600, "新規作成(&N)", true, "Ctrl+N"},
        {57601, "開く(&O)...", true, "Ctrl+O"},
        {57603, "上書き保存(&S)", true, "Ctrl+S"},
        {57604, "名前を付けて保存(&A)...", true},
        {32815, "報告書をPDFで保存(&D)...", true},
        {0, "", true},
        {57607, "印刷(&P)...", true, "Ctrl+P"},
        {32816, "すべての表示を印刷(&L)...", true},
        {57609, "印刷ﾌﾟﾚﾋﾞｭｰ(&V)", true},
        {57606, "ﾌﾟﾘﾝﾀの設定(&R)...", true},
        {0, "", true},
        {0, "", true},
        {57665, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", true}}},
      {"帯状荷重(&A)",
       {{32794, "タイトル・様式(&T)", true},
        {32771, "荷重1 (&1)", true},
        {32772, "荷重2 (&2)", true},
        {32773, "　", false},
        {32774, "計算点(&X)", true},
        {0, "", true},
        {32799, "ページ(&P)", true}}},
      {"長方形円形荷重(&B)",
       {{32795, "タイトル・様式(&T)", true},
        {32775, "長方形荷重(&R)", true},
        {32776, "円形荷重(&C)", true},
        {32777, "計算点(&X)", true},
        {0, "", true},
        {32800, "ページ(&P)", true}}},
      {"表示(&V)",
       {{59392, "ﾂｰﾙ ﾊﾞｰ(&T)", true},
        {59393, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", true},
        {0, "", true},
        {32785, "帯状荷重図", true},
        {32789, "帯状荷重データ", true},
        {32790, "帯状荷重計算結果", true},
        {0, "", true},
        {32786, "長方形円形図", true},
        {32791, "長方形円形データ", true},
        {32792, "長方形円形計算結果", true},
        {0, "", true},
        {32810, "拡大(&I)", true, "Ctrl++"},
        {32811, "縮小(&O)", true, "Ctrl+-"},
        {32812, "印刷サイズ 100%(&Z)", true, "Ctrl+0"},
        {32813, "ページ全体(&P)", true},
        {32814, "幅に合わせる(&W)", true}}},
      {"設定(&S)",
       {{32778, "縮尺 帯状荷重(&A)", true},
        {32788, "縮尺 長方形円形(&B)", true},
        {0, "", true},
        {32779, "線種・マージン・桁数(&Y)", true},
        {0, "", true},
        {32801, "標準値 帯状荷重(&C)", true},
        {32802, "標準値 長方形円形(&D)", true},
        {0, "", true},
        {32780, "フォント タイトル(&0)", true},
        {32781, "フォント 帯状荷重(&1)", true},
        {32782, "フォント 長方形円形(&2)", true},
        {32784, "フォント ページ(&3)", true},
        {0, "", true},
        {32803, "キーの動作(&E)", true},
        {0, "", true},
        {kNotACommand, "円形荷重の計算方法", true}}},
      {"ﾍﾙﾌﾟ(&H)",
       {{57664, "ﾊﾞｰｼﾞｮﾝ情報(&A)...", true},
        {57670, "操作＆ヘルプ(&H)", true},
        {kNotACommand, "計算の検証...", true}}},
  };
  return menus;
}

TEST_F(AppTest, MenuTextsCommandsAndDisabledDialogs) {
  ASSERT_TRUE(Start());
  const QList<QAction*> bar = frame().menuBar()->actions();
  ASSERT_EQ(bar.size(), static_cast<int>(ExpectedMenus().size()));
  for (int m = 0; m < bar.size(); ++m) {
    const Menu& expected = ExpectedMenus()[m];
    SCOPED_TRACE(expected.title);
    EXPECT_EQ(bar[m]->text(), QString::fromUtf8(expected.title));
    QList<QAction*> items = bar[m]->menu()->actions();
    // The placeholder of the empty recent-file list stands between two separators.
    if (m == 0) items.removeAt(11);
    ASSERT_EQ(items.size(), static_cast<int>(expected.items.size()));
    for (int i = 0; i < items.size(); ++i) {
      const Item& item = expected.items[i];
      SCOPED_TRACE(item.text);
      if (item.id == 0) {
        EXPECT_TRUE(items[i]->isSeparator());
        continue;
      }
      if (item.id == kNotACommand) {
        EXPECT_EQ(items[i]->text(), QString::fromUtf8(item.text));
        continue;
      }
      EXPECT_EQ(items[i], frame().CommandAction(static_cast<CommandId>(item.id)));
      EXPECT_EQ(items[i]->text(), QString::fromUtf8(item.text));
      EXPECT_EQ(items[i]->isEnabled(), item.enabled);
      EXPECT_EQ(items[i]->shortcut().toString(), QString::fromUtf8(item.shortcut));
    }
  }
}

// Every dialog has its handler now; the mechanism is tried on the blank item, the one command
// without a handler.
// 設定 > 円形荷重の計算方法: the profile's choice at start, a change kept in the profile and used
// for the results at once.
TEST_F(AppTest, CircleMethodMenuTakesAndKeepsTheProfileChoice) {
  profile.SetValue("View", "CircleMethod", "compatible");
  ASSERT_TRUE(Start());
  EXPECT_EQ(state().results.circleMethod(), CircleMethod::kCompatible);
  QAction* exact = frame().findChild<QAction*>("circleMethod_exact");
  ASSERT_NE(exact, nullptr);
  EXPECT_EQ(exact->text(), QString::fromUtf8("厳密解"));
  exact->trigger();
  EXPECT_EQ(state().results.circleMethod(), CircleMethod::kExact);
  EXPECT_EQ(profile.Value("View", "CircleMethod"), "exact");
  QAction* compatible = frame().findChild<QAction*>("circleMethod_compatible");
  ASSERT_NE(compatible, nullptr);
  EXPECT_EQ(compatible->text(), QString::fromUtf8("旧版互換"));
  compatible->trigger();
  EXPECT_EQ(profile.Value("View", "CircleMethod"), "compatible");
}

// ﾍﾙﾌﾟ > 計算の検証...: one row per family with its result, a summary and the PDF button.
TEST_F(AppTest, VerificationDialogShowsEveryFamily) {
  ASSERT_TRUE(Start());
  VerificationDialog dialog(&frame());
  auto* table = dialog.findChild<QTableWidget*>("verificationTable");
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rowCount(), static_cast<int>(RunVerification().size()));
  EXPECT_EQ(table->columnCount(), 5);
  for (int row = 0; row < table->rowCount(); ++row)
    EXPECT_EQ(table->item(row, 4)->text(), QString::fromUtf8("合格")) << row;
  auto* summary = dialog.findChild<QLabel*>("verificationSummary");
  ASSERT_NE(summary, nullptr);
  EXPECT_EQ(summary->text(), QString::fromUtf8("すべての比較が許容値内です。"));
  auto* save = dialog.findChild<QPushButton*>("savePdfButton");
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(save->text(), QString::fromUtf8("PDFで保存"));
}

TEST_F(AppTest, ALaterDialogEnablesItsCommand) {
  ASSERT_TRUE(Start());
  int opened = 0;
  EXPECT_FALSE(Action(32773).isEnabled());
  frame().SetCommandHandler(static_cast<CommandId>(32773), [&opened] { ++opened; });
  EXPECT_TRUE(Action(32773).isEnabled());
  Action(32773).trigger();
  EXPECT_EQ(opened, 1);
}

TEST_F(AppTest, ToolBarButtonsInOrderWithTheirTips) {
  ASSERT_TRUE(Start());
  struct Button {
    int id;
    const char* statusTip;
    const char* toolTip;
  };
  const std::vector<Button> expected = {
      {57600, "新規にﾌｧｲﾙを作成", "新規ﾌｧｲﾙ"},
      {57601, "既存のﾌｧｲﾙを開く", "開く"},
      {57603, "作業中のﾌｧｲﾙを上書きして保存", "保存"},
      {0, "", ""},
      {57607, "作業中のﾌｧｲﾙを印刷", "印刷"},
      {57664, "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示", "ﾊﾞｰｼﾞｮﾝ情報"},
      {0, "", ""},
      {8001, "図を表示", "図"},
      {8002, "データを表示", "データ"},
      {8003, "計算結果を表示", "計算結果"},
      {0, "", ""},
      {32811, "ページを縮小して表示", "縮小"},
      {32810, "ページを拡大して表示", "拡大"},
      {32813, "ページ全体をウィンドウに合わせて表示", "ページ全体"},
      {32814, "ページの幅をウィンドウに合わせて表示", "幅に合わせる"},
  };
  const QList<QAction*> buttons = frame().toolBar()->actions();
  ASSERT_EQ(buttons.size(), static_cast<int>(expected.size()));
  for (int i = 0; i < buttons.size(); ++i) {
    SCOPED_TRACE(i);
    if (expected[i].id == 0) {
      EXPECT_TRUE(buttons[i]->isSeparator());
      continue;
    }
    EXPECT_EQ(buttons[i]->data().toInt(), expected[i].id);
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
  QLabel* idle = frame().idleText();
  ASSERT_NE(idle, nullptr);
  EXPECT_EQ(idle->text(), "図は←→、データ・結果は↑↓PageUp PageDownで改ページ");
  EXPECT_TRUE(idle->isVisible());
  // A prompt covers it while a command is pointed at, and the idle text comes back after.
  QStatusTipEvent tip(Action(57601).statusTip());
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
  QLabel* idle = frame().idleText();
  const std::string notice = app->controller().FigureNotice();
  ASSERT_FALSE(notice.empty());
  EXPECT_EQ(idle->text().toStdString(), notice);
  Action(32789).trigger();  // the strip data: no notice, the idle text again
  EXPECT_EQ(idle->text(), "図は←→、データ・結果は↑↓PageUp PageDownで改ページ");
}

TEST_F(AppTest, ToolBarAndStatusBarCanBeHiddenFromTheViewMenu) {
  ASSERT_TRUE(Start());
  EXPECT_TRUE(Action(59392).isChecked());
  EXPECT_TRUE(Action(59393).isChecked());
  Action(59392).trigger();
  Action(59393).trigger();
  EXPECT_FALSE(frame().toolBar()->isVisible());
  EXPECT_FALSE(frame().statusBar()->isVisible());
  EXPECT_FALSE(Action(59392).isChecked());
  Action(59392).trigger();
  EXPECT_TRUE(frame().toolBar()->isVisible());
  EXPECT_TRUE(Action(59392).isChecked());
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
  Action(57664).trigger();
  EXPECT_EQ(caption, "ﾊﾞｰｼﾞｮﾝ情報");
  EXPECT_EQ(title, "地中の鉛直増加応力");
  EXPECT_EQ(version, "Qel Version 6 R002");
  EXPECT_TRUE(hasIcon);
}

TEST_F(AppTest, ExitClosesTheWindowWithoutAsking) {
  ASSERT_TRUE(Start({QString::fromStdString(Example("embankment.qdw"))}));
  Action(57665).trigger();
  EXPECT_FALSE(frame().isVisible());
  EXPECT_TRUE(prompts.shown().empty());
}

}  // namespace
}  // namespace qel::test
