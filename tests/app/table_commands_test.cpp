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
  // Starts on a copy of the embankment example in the files folder, the window active so that
  // its shortcuts reach it.
  void StartOnCopy() {
    test::WriteBytes(document, test::ReadBytes(Example("embankment.qdw")));
    ASSERT_TRUE(Start({QString::fromStdString(document)}));
    QApplication::setActiveWindow(&frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
  }
  void Show(int display) {
    state().view.displayMode = *DisplayModeFromNumber(display);
    view().Refresh();
  }
  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(&view(), static_cast<Qt::Key>(key), modifiers);
  }

  const std::string document = files.File("site.qdw");
};

// Ctrl+1 … Ctrl+8 show the display of that number, from any display.
TEST_F(TableCommandsTest, ControlAndADigitShowThatDisplay) {
  StartOnCopy();
  const CommandId commands[] = {CommandId::ShowStripFigure,    CommandId::ShowStripData,
                                CommandId::ShowStripResults,   CommandId::ShowRectCircleFigure,
                                CommandId::ShowRectCircleData, CommandId::ShowRectCircleResults,
                                CommandId::ShowStripDepth,     CommandId::ShowRectCircleSection};
  for (int display : {2, 3, 4, 5, 6, 7, 8, 1, 8}) {
    Press(Qt::Key_0 + display);
    EXPECT_EQ(DisplayNumber(state().view.displayMode), display);
    EXPECT_TRUE(Action(commands[display - 1]).isChecked()) << display;
  }
}

// The table shown, or the results table of the problem of a figure or graph, is proposed as
// "<document>_<table>.csv" in the document's folder and written as CSV with the byte-order
// mark; ".csv" is added to a name without one, and the status bar says where the file went.
TEST_F(TableCommandsTest, SaveTableProposesItsNameAndWritesTheFile) {
  StartOnCopy();
  struct Case {
    int shown;
    const char* table;
    const char* firstHeading;
  };
  const Case cases[] = {
      {1, "帯状荷重計算結果", "Z (m)"}, {2, "帯状荷重データ", "荷重"},
      {3, "帯状荷重計算結果", "Z (m)"}, {4, "長方形円形計算結果", "計算点"},
      {5, "長方形円形データ", "荷重"},  {6, "長方形円形計算結果", "計算点"},
      {7, "帯状荷重計算結果", "Z (m)"}, {8, "長方形円形計算結果", "計算点"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    Show(c.shown);
    const std::string chosen = files.File("table" + std::to_string(c.shown));
    chooser.ChooseNext(chosen);
    Action(CommandId::FileSaveTableCsv).trigger();
    const FileDialogRequest& request = chooser.requests().back();
    EXPECT_EQ(request.initialName, std::string("site_") + c.table + ".csv");
    EXPECT_EQ(request.startFolder, files.path());
    EXPECT_NE(request.title.find(c.table), std::string::npos) << request.title;
    EXPECT_EQ(request.filters, (std::vector<FileTypeFilter>{{"CSV", {"csv"}}}));
    const std::string written = test::ReadBytes(chosen + ".csv");
    EXPECT_EQ(written.rfind(std::string("\xEF\xBB\xBF") + c.firstHeading + ",", 0), 0u)
        << written.substr(0, 40);
    EXPECT_NE(frame().statusBar()->currentMessage().toStdString().find(chosen + ".csv"),
              std::string::npos);
  }
  EXPECT_EQ(chooser.requests().size(), std::size(cases));
  EXPECT_TRUE(prompts.shown().empty());
}

// The document's own file is refused with a message and left as it was; a cancelled dialog
// writes nothing.
TEST_F(TableCommandsTest, SaveTableRefusesTheDocumentItself) {
  StartOnCopy();
  const std::string before = test::ReadBytes(document);
  Show(3);
  chooser.ChooseNext(document);
  Action(CommandId::FileSaveTableCsv).trigger();
  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_NE(prompts.shown()[0].text.find("元のデータファイルと同じファイル"), std::string::npos);
  EXPECT_EQ(test::ReadBytes(document), before);
  chooser.CancelNext();
  Action(CommandId::FileSaveTableCsv).trigger();
  EXPECT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(chooser.requests().size(), 2u);
}

// Ctrl+C on a table puts it on the clipboard as tab-separated lines without a byte-order mark,
// headings first; on a figure there is nothing to copy and the clipboard is left alone.
TEST_F(TableCommandsTest, CopyPutsTheTableShownOnTheClipboard) {
  StartOnCopy();
  struct Case {
    int shown;
    bool copies;
    const char* firstLine;
    std::size_t lines;
  };
  const Case cases[] = {
      {2, true, "荷重\tNo.\tx1 (m)\tx2 (m)\tx3 (m)\tx4 (m)\th (m)\tγ (kN/m3)\ty (m)\t※", 5},
      {1, false, "", 0},
      {7, false, "", 0},
      {5, true,
       "荷重\tNo.\tR1 x (m)\tR1 y (m)\tR2 x (m)\tR2 y (m)\tx (m)\ty (m)\tr (m)\tq (kN/㎡)\t※", 1},
  };
  std::size_t copied = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    Show(c.shown);
    EXPECT_EQ(Action(CommandId::EditCopy).isEnabled(), c.copies);
    Press(Qt::Key_C);
    copied += c.copies;
    ASSERT_EQ(clipboard.texts().size(), copied);
    if (!c.copies) continue;
    const std::string& text = clipboard.texts().back();
    EXPECT_EQ(text.substr(0, text.find('\n')), c.firstLine);
    EXPECT_EQ(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')), c.lines);
  }
}

}  // namespace
}  // namespace qel::test
