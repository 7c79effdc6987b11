// The tables leaving the desktop program: "表をCSVで保存" through the file chooser, "コピー" to
// the clipboard, and the keys that switch the displays.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QStatusBar>
#include <QTest>
#include <algorithm>

#include "app/app_fixture.h"

namespace qel::test {
namespace {

class TableCommandsTest : public AppTest {
 protected:
  // Starts on a copy of the embankment example, the window active so that its shortcuts work.
  void SetUp() override {
    test::WriteBytes(document, test::ReadBytes(Example("embankment.qdw")));
    ASSERT_TRUE(Start({QString::fromStdString(document)}));
    QApplication::setActiveWindow(&frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
  }
  void Press(int key) { QTest::keyClick(&view(), static_cast<Qt::Key>(key), Qt::ControlModifier); }

  const std::string document = files.File("site.qdw");
};

// Ctrl+1 … Ctrl+8 show the display of that number; Ctrl+C on a table puts it on the clipboard
// as tab-separated lines without a byte-order mark, and on a figure or graph does nothing.
TEST_F(TableCommandsTest, ControlKeysShowTheDisplaysAndCopyTheirTables) {
  struct Case {
    int display;
    const char* firstLine;  // of the text copied; nullptr: nothing is copied
    long lines;
  };
  const Case cases[] = {
      {2, "荷重\tNo.\tx1 (m)\tx2 (m)\tx3 (m)\tx4 (m)\th (m)\tγ (kN/m3)\ty (m)\t※", 5},
      {7, nullptr, 0},
      {6, "計算点\tx (m)\ty (m)\tz (m)\tdP (kN/㎡)\tdP 全桁 (kN/㎡)", 1},
      {1, nullptr, 0},
      // The embankment lists its course: four pieces at each of its 80 points.
      {3, "Z (m)\tX (m)\tdP (kN/㎡)\tP\t荷重\tNo.\tI\tdP 荷重ごと (kN/㎡)\tdP 全桁 (kN/㎡)", 401},
      {8, nullptr, 0},
      {5, "荷重\tNo.\tR1 x (m)\tR1 y (m)\tR2 x (m)\tR2 y (m)\tx (m)\ty (m)\tr (m)\tq (kN/㎡)\t※",
       1},
      {4, nullptr, 0},
  };
  std::size_t copied = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.display);
    Press(Qt::Key_0 + c.display);
    EXPECT_EQ(DisplayNumber(state().view.displayMode), c.display);
    EXPECT_EQ(Action(CommandId::EditCopy).isEnabled(), c.firstLine != nullptr);
    Press(Qt::Key_C);
    copied += c.firstLine != nullptr;
    ASSERT_EQ(clipboard.texts().size(), copied);
    if (c.firstLine == nullptr) continue;
    const std::string& text = clipboard.texts().back();
    EXPECT_EQ(text.substr(0, text.find('\n')), c.firstLine);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), c.lines);
  }
}

// The table shown, or the results table of a figure's problem, is proposed as
// "<document>_<table>.csv" in the document's folder and written as CSV with ".csv" added; the
// status bar says where. The document's own file is refused and left as it was.
TEST_F(TableCommandsTest, SaveTableProposesItsNameAndRefusesTheDocument) {
  const std::pair<int, const char*> cases[] = {{1, "帯状荷重計算結果"},
                                               {2, "帯状荷重データ"},
                                               {5, "長方形円形データ"},
                                               {8, "長方形円形計算結果"}};
  for (const auto& [display, table] : cases) {
    SCOPED_TRACE(display);
    Press(Qt::Key_0 + display);
    const std::string chosen = files.File("table" + std::to_string(display));
    chooser.ChooseNext(chosen);
    Action(CommandId::FileSaveTableCsv).trigger();
    const FileDialogRequest& request = chooser.requests().back();
    EXPECT_EQ(request.initialName, std::string("site_") + table + ".csv");
    EXPECT_EQ(request.startFolder, files.path());
    EXPECT_NE(request.title.find(table), std::string::npos) << request.title;
    EXPECT_EQ(test::ReadBytes(chosen + ".csv").substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(frame().statusBar()->currentMessage().toStdString().find(chosen + ".csv"),
              std::string::npos);
  }
  EXPECT_TRUE(prompts.shown().empty());
  const std::string before = test::ReadBytes(document);
  chooser.ChooseNext(document);
  Action(CommandId::FileSaveTableCsv).trigger();
  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_NE(prompts.shown()[0].text.find("元のデータファイルと同じファイル"), std::string::npos);
  EXPECT_EQ(test::ReadBytes(document), before);
}

}  // namespace
}  // namespace qel::test
