// The load list dialog driven with keys and clicks: in-place editing, the Enter-key modes, the
// buttons, input methods and the refused double quote.
#include "dialogs/qt/load_list_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "test_support/scripted_prompts.h"

namespace qel {
namespace {

const char* const kRefused =
    "\"（二重引用符）、「$$」と改行はデータファイルに保存できないため入力できません.";

class LoadListDialogTest : public ::testing::Test {
 public:
  // Opens the dialog of `kind` on the document and shows it as the active window.
  void Open(LoadListKind kind, EnterKeyMode mode = EnterKeyMode::PressOk) {
    model = std::make_unique<LoadListEditor>(kind, tables, 0, LoadSortOption::ByNumber);
    dialog = MakeLoadListDialog(*model, prompts, mode);
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    dialog->table()->setFocus();
  }
  QTableView& table() { return *dialog->table(); }
  QLineEdit& editor() { return *dialog->cellEditor(); }
  QWidget* Focus() { return QApplication::focusWidget(); }
  // A key pressed on whatever has the focus.
  void Press(Qt::Key key) { QTest::keyClick(Focus(), key, Qt::NoModifier); }
  void Type(const QString& text) { QTest::keyClicks(Focus(), text); }
  void DoubleClick(int row, int column) {
    const QRect cell = table().visualRect(table().model()->index(row - 1, column - 1));
    // A widget's double click comes after the press and release of its first click.
    QTest::mouseClick(table().viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table().viewport(), Qt::LeftButton, {}, cell.center());
  }
  std::optional<ListCell> Edited() { return dialog->editedCell(); }
  QString Status() { return dialog->findChild<QLabel*>("status")->text(); }
  QAbstractButton& Button(const char* name) { return *dialog->findChild<QAbstractButton*>(name); }

  DocumentTables tables;
  ScriptedPrompts prompts;
  std::unique_ptr<LoadListEditor> model;
  std::unique_ptr<LoadListDialog> dialog;
};

TEST_F(LoadListDialogTest, ShowsTitleHeadersRowsAndNamedControls) {
  struct Case {
    LoadListKind kind;
    const char* title;
    QStringList headers;
  };
  for (const Case& c : {Case{LoadListKind::Circle,
                             "等分布 円形荷重 データ",
                             {"No.", "X m", "Y m", "r m", "q tf/㎡"}},
                        Case{LoadListKind::Rectangle,
                             "等分布 長方形荷重 データ",
                             {"No.", "X1 m", "Y1 m", "X2 m", "Y2 m", "q tf/㎡"}},
                        Case{LoadListKind::Strip,
                             "帯状荷重 > 荷重1 データ",
                             {"No.", "X1 m", "X2 m", "X3 m", "X4 m", "h m", "γtf/m3", "Y m"}}}) {
    Open(c.kind);
    EXPECT_EQ(dialog->windowTitle(), c.title);
    QStringList headers;
    for (int column = 0; column < table().model()->columnCount(); ++column) {
      headers << table().model()->headerData(column, Qt::Horizontal).toString();
      // Every header shows in full.
      EXPECT_GE(table().columnWidth(column),
                table().horizontalHeader()->fontMetrics().horizontalAdvance(headers.back()));
    }
    EXPECT_EQ(headers, c.headers);
    EXPECT_EQ(table().model()->index(model->rowLimit(), 0).data().toString(), " _");
    EXPECT_TRUE(table().selectionModel()->isRowSelected(0, {}));
    for (const char* name : {"ok", "cancel", "moveUp", "moveDown", "deleteRow", "sortByNumber",
                             "sortByTens", "sortConsecutive"})
      EXPECT_NE(dialog->findChild<QWidget*>(name), nullptr) << name;
    EXPECT_FALSE(table().accessibleName().isEmpty());
  }
}

TEST_F(LoadListDialogTest, EnterMovesRightAndWrapsUpAndDownMoveBetweenRows) {
  Open(LoadListKind::Circle);
  DoubleClick(1, 2);
  ASSERT_EQ(Edited(), (ListCell{1, 2}));
  EXPECT_TRUE(editor().isVisible());
  EXPECT_TRUE(editor().hasFocus());
  EXPECT_EQ(editor().objectName(), "cellEdit");
  EXPECT_EQ(editor().accessibleName(), "X m");  // named for its column
  Type("1.5");
  Press(Qt::Key_Return);
  EXPECT_EQ(model->Cell(1, 2), "1.5");
  EXPECT_EQ(Edited(), (ListCell{1, 3}));
  Press(Qt::Key_Return);
  Press(Qt::Key_Return);
  Type("4");
  Press(Qt::Key_Return);  // from the last column to column 2 of the next row
  EXPECT_EQ(model->Cell(1, 5), "4");
  EXPECT_EQ(Edited(), (ListCell{2, 2}));
  Press(Qt::Key_Down);
  EXPECT_EQ(Edited(), (ListCell{3, 2}));
  Press(Qt::Key_Up);
  Press(Qt::Key_Up);
  Press(Qt::Key_Up);  // on row 1 editing stops
  EXPECT_EQ(Edited(), std::nullopt);
  EXPECT_EQ(dialog->cellEditor(), nullptr);  // the field is gone with the edit
  EXPECT_EQ(Focus(), &table());

  // Enter in the last cell of the last row ends editing without opening a new cell.
  table().scrollToBottom();
  DoubleClick(40, 5);
  ASSERT_EQ(Edited(), (ListCell{40, 5}));
  Type("9");
  Press(Qt::Key_Return);
  EXPECT_EQ(Edited(), std::nullopt);
  EXPECT_EQ(model->Cell(40, 5), "9");
  EXPECT_TRUE(dialog->isVisible());

  // The closing row opens nothing and says why.
  DoubleClick(41, 2);
  EXPECT_EQ(Edited(), std::nullopt);
  EXPECT_EQ(Status(), "扱える最大行を超えました。");
}

TEST_F(LoadListDialogTest, TabScrollingAndFocusLossEndTheEditKeepingTheText) {
  Open(LoadListKind::Rectangle);
  struct Case {
    const char* name;
    std::function<void(LoadListDialogTest&)> end;
  };
  const Case cases[] = {
      {"Tab", [](LoadListDialogTest& t) { t.Press(Qt::Key_Tab); }},
      {"scroll",
       [](LoadListDialogTest& t) {
         t.table().verticalScrollBar()->setValue(t.table().verticalScrollBar()->value() + 1);
       }},
      {"click outside the controls",
       [](LoadListDialogTest& t) {
         QTest::mouseClick(t.dialog.get(), Qt::LeftButton, {}, {2, t.dialog->height() - 2});
       }},
      {"focus taken by another control",
       [](LoadListDialogTest& t) { QTest::mouseClick(&t.Button("sortByTens"), Qt::LeftButton); }},
      {"column resized",
       [](LoadListDialogTest& t) {
         QHeaderView& header = *t.table().horizontalHeader();
         header.resizeSection(2, header.sectionSize(2) + 1);
       }},
  };
  int row = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    table().scrollToTop();
    DoubleClick(row, 3);
    ASSERT_TRUE(Edited().has_value());
    Type("7");
    c.end(*this);
    EXPECT_EQ(Edited(), std::nullopt);
    EXPECT_EQ(model->Cell(row, 3), "7");
    EXPECT_TRUE(dialog->isVisible());
    ++row;
  }
}

TEST_F(LoadListDialogTest, EscapeEndsTheEditWithTheTextTheCellHadWhenItBegan) {
  tables.circleLoads[1][1] = "10";
  tables.circleLoads[1][2] = "12";
  tables.circleLoads[1][3] = "3";
  Open(LoadListKind::Circle);
  struct Case {
    const char* name;
    ListCell cell;
    std::function<void(LoadListDialogTest&)> edit;
  };
  const Case cases[] = {
      {"double click, typed",
       {1, 4},
       [](LoadListDialogTest& t) {
         t.DoubleClick(1, 4);
         t.Type("8");
       }},
      {"F2, typed after the text",
       {1, 2},
       [](LoadListDialogTest& t) {
         t.table().selectRow(0);
         t.Press(Qt::Key_F2);
         t.Type("5");
       }},
      {"a character typed on the list",
       {1, 2},
       [](LoadListDialogTest& t) {
         t.table().selectRow(0);
         QTest::keyClick(&t.table(), Qt::Key_9);
       }},
      {"an input method's text on the list",
       {1, 2},
       [](LoadListDialogTest& t) {
         t.table().selectRow(0);
         QInputMethodEvent composed;
         composed.setCommitString("４");
         QApplication::sendEvent(&t.table(), &composed);
       }},
      {"text typed, deleted, typed again",
       {1, 3},
       [](LoadListDialogTest& t) {
         t.DoubleClick(1, 3);
         t.editor().selectAll();
         t.Press(Qt::Key_Delete);
         t.Type("-1");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string before = model->Cell(c.cell.row, c.cell.column);
    c.edit(*this);
    ASSERT_EQ(Edited(), c.cell);
    ASSERT_NE(editor().text().toStdString(), before);
    Press(Qt::Key_Escape);
    EXPECT_EQ(Edited(), std::nullopt);
    EXPECT_EQ(model->Cell(c.cell.row, c.cell.column), before);
    EXPECT_FALSE(model->HasChanged());
    EXPECT_TRUE(dialog->isVisible());  // Escape ends the edit only
    EXPECT_EQ(Focus(), &table());
  }
}

// With data in the first rows the list opens on them, not scrolled to the empty row after.
TEST_F(LoadListDialogTest, AListWithDataOpensAtTheTopWithTheFirstRowSelected) {
  for (int row = 1; row <= 25; ++row) {
    tables.rectLoads[row][1] = std::to_string(row * 10);
    tables.rectLoads[row][2] = "1";
  }
  Open(LoadListKind::Rectangle);
  EXPECT_EQ(table().rowAt(0), 0);  // the first row at the top of the list
  EXPECT_EQ(table().selectionModel()->currentIndex().row(), 0);
  EXPECT_EQ(model->currentRow(), 1);
}

TEST_F(LoadListDialogTest, OkDoesNotCloseWhileACellIsEdited) {
  Open(LoadListKind::Circle);
  DoubleClick(1, 2);
  Type("1");
  Button("ok").click();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(Edited().has_value());
  Press(Qt::Key_Tab);
  Button("ok").click();  // the row lacks Y, r and q: the question, answered No, lets it close
  EXPECT_EQ(prompts.CountShown("データがありません\n行No.[ 10 ] Y m「」\n"
                               "この値は計算で 0 として扱われます\n訂正しますか? "),
            1);
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(LoadListDialogTest, EnterWithNoCellOpenFollowsTheKeySetting) {
  struct Case {
    EnterKeyMode mode;
    bool closes;
    bool focusLeavesTheList;
  };
  for (const Case& c :
       {Case{EnterKeyMode::PressOk, true, true}, Case{EnterKeyMode::NextField, false, true},
        Case{EnterKeyMode::ConfirmOnly, false, false}}) {
    Open(LoadListKind::Strip, c.mode);
    Press(Qt::Key_Return);
    EXPECT_EQ(dialog->result() == QDialog::Accepted, c.closes);
    if (!c.closes) {
      EXPECT_EQ(Focus() != &table(), c.focusLeavesTheList);
    }
  }
}

TEST_F(LoadListDialogTest, F2OrATypedCharacterOpensTheFirstDataCellOfTheRow) {
  tables.circleLoads[1][1] = "10";
  tables.circleLoads[1][2] = "12";
  Open(LoadListKind::Circle);
  table().selectRow(0);
  Press(Qt::Key_F2);
  ASSERT_EQ(Edited(), (ListCell{1, 2}));
  EXPECT_EQ(editor().text(), "12");  // F2 keeps the text, the caret at its end
  Type("5");
  Press(Qt::Key_Tab);
  EXPECT_EQ(model->Cell(1, 2), "125");

  QTest::keyClick(&table(), Qt::Key_3);  // a character replaces the text
  ASSERT_EQ(Edited(), (ListCell{1, 2}));
  Type("4");
  Press(Qt::Key_Return);
  EXPECT_EQ(model->Cell(1, 2), "34");
}

TEST_F(LoadListDialogTest, TextFromAnInputMethodReachesTheCell) {
  Open(LoadListKind::Strip);
  DoubleClick(1, 8);
  QInputMethodEvent composing("もりど", {});
  QApplication::sendEvent(&editor(), &composing);
  QInputMethodEvent committed;
  committed.setCommitString("盛土");
  QApplication::sendEvent(&editor(), &committed);
  Press(Qt::Key_Return);
  EXPECT_EQ(model->Cell(1, 8), "盛土");
  Press(Qt::Key_Escape);  // Enter went on to the next row's first data cell

  // Composition on the list with no cell open starts an edit of the row's first data cell.
  table().selectRow(2);
  QInputMethodEvent onTheList;
  onTheList.setCommitString("１２");
  QApplication::sendEvent(&table(), &onTheList);
  ASSERT_EQ(Edited(), (ListCell{3, 2}));
  EXPECT_EQ(editor().text(), "12");  // full-width digits are shown and kept in ASCII
  Press(Qt::Key_Return);
  EXPECT_EQ(model->Cell(3, 2), "12");

  // Composing a signed decimal in full width gives its ASCII form in the cell.
  DoubleClick(4, 3);
  QInputMethodEvent minus;
  minus.setCommitString("－１．５");
  QApplication::sendEvent(&editor(), &minus);
  EXPECT_EQ(editor().text(), "-1.5");
  Press(Qt::Key_Return);
  EXPECT_EQ(model->Cell(4, 3), "-1.5");
}

TEST_F(LoadListDialogTest, ADoubleQuoteIsRefusedHoweverItArrivesAndTheStatusSaysWhy) {
  Open(LoadListKind::Circle);
  struct Case {
    const char* name;
    std::function<void(QLineEdit&)> enter;
  };
  const Case cases[] = {
      {"typed", [](QLineEdit& e) { QTest::keyClicks(&e, "2\"5"); }},
      {"section mark typed", [](QLineEdit& e) { QTest::keyClicks(&e, "2$$5"); }},
      {"pasted",
       [](QLineEdit& e) {
         QApplication::clipboard()->setText("\"5\"");
         e.paste();
         QApplication::clipboard()->setText("5\n6");
         e.paste();
       }},
      {"composed",
       [](QLineEdit& e) {
         QInputMethodEvent input;
         input.setCommitString("\"");
         QApplication::sendEvent(&e, &input);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    table().selectRow(0);
    QTest::mouseClick(table().viewport(), Qt::LeftButton, {},
                      table().visualRect(table().model()->index(0, 0)).center());
    EXPECT_EQ(Status(), "");
    DoubleClick(1, 2);
    editor().setText("1");
    c.enter(editor());
    EXPECT_FALSE(editor().text().contains('"'));
    EXPECT_FALSE(editor().text().contains('\n'));
    EXPECT_FALSE(editor().text().contains("$$"));
    EXPECT_EQ(Status(), kRefused);
    Press(Qt::Key_Tab);
    EXPECT_FALSE(model->Cell(1, 2).empty());
    EXPECT_EQ(model->Cell(1, 2).find('"'), std::string::npos);
  }
}

// The list's table model: an edit ends through setData, which keeps what the editor keeps.
TEST_F(LoadListDialogTest, TheTableModelStoresAnEndedEditThroughTheEditor) {
  Open(LoadListKind::Circle);
  QAbstractItemModel& cells = *table().model();
  const QModelIndex x = cells.index(0, 1);
  const QModelIndex closing = cells.index(model->rowLimit(), 1);
  EXPECT_TRUE(cells.flags(x) & Qt::ItemIsEditable);
  EXPECT_FALSE(cells.flags(closing) & Qt::ItemIsEditable);
  EXPECT_TRUE(cells.setData(x, QString::fromUtf8("１．５")));
  EXPECT_EQ(model->Cell(1, 2), "1.5");
  EXPECT_EQ(cells.data(x, Qt::EditRole).toString(), "1.5");
  EXPECT_FALSE(cells.setData(x, "2\"5"));  // a double quote cannot be kept
  EXPECT_EQ(model->Cell(1, 2), "1.5");
  EXPECT_EQ(Status(), kRefused);
  EXPECT_FALSE(cells.setData(closing, "3"));
  EXPECT_EQ(Status(), "扱える最大行を超えました。");
}

TEST_F(LoadListDialogTest, ButtonsMoveAndDeleteTheSelectedRow) {
  tables.circleLoads[1][1] = "10";
  tables.circleLoads[1][2] = "a";
  tables.circleLoads[2][1] = "20";
  tables.circleLoads[2][2] = "b";
  Open(LoadListKind::Circle);
  table().selectRow(0);
  QTest::mouseClick(&Button("moveDown"), Qt::LeftButton);
  EXPECT_EQ(model->Cell(2, 2), "a");
  EXPECT_TRUE(table().selectionModel()->isRowSelected(1, {}));
  QTest::mouseClick(&Button("moveUp"), Qt::LeftButton);
  QTest::mouseClick(&Button("moveUp"), Qt::LeftButton);  // the first row stays
  EXPECT_EQ(model->Cell(1, 2), "a");
  QTest::mouseClick(&Button("deleteRow"), Qt::LeftButton);
  EXPECT_EQ(model->Cell(1, 2), "b");
  EXPECT_FALSE(table().selectionModel()->hasSelection());
  QTest::mouseClick(&Button("sortConsecutive"), Qt::LeftButton);
  EXPECT_EQ(model->sortOption(), LoadSortOption::Consecutive);

  // Cancel asks before the changes go: No keeps the dialog open.
  Button("cancel").click();
  EXPECT_EQ(prompts.CountShown("データが変更されましたが、キャンセルしてよいのですか？"), 1);
  EXPECT_TRUE(dialog->isVisible());
  prompts.AnswerNext(PromptAnswer::Yes);
  Button("cancel").click();
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_FALSE(dialog->isVisible());
}

}  // namespace
}  // namespace qel
