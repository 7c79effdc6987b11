// The load list model: opening, moves, edits, the checks of OK and the commit.
#include "dialogs/load_list_editor.h"

#include <gtest/gtest.h>

#include "document/circle_rows.h"
#include "document/strip_pieces.h"
#include "support/applied_change.h"
#include "test_support/scripted_prompts.h"

namespace qel {
namespace {

using Rows = std::vector<LoadRow>;

// The rows of a list as the user left them, handed to a model opened on an empty document.
LoadListEditor EditorWith(LoadListKind kind, const Rows& rows,
                          LoadSortOption option = LoadSortOption::ByNumber) {
  DocumentTables empty;
  LoadListEditor editor(kind, empty, 0, option);
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      editor.EndEdit({static_cast<int>(r) + 1, static_cast<int>(c) + 1}, rows[r][c]);
  return editor;
}

// The No. and first data cell of every stored circle row.
std::vector<std::string> StoredCircles(const DocumentTables& tables) {
  std::vector<std::string> stored;
  for (int row = 1; row <= kCircleRows && !tables.circleLoads[row][1].empty(); ++row)
    stored.push_back(tables.circleLoads[row][1] + ":" + tables.circleLoads[row][2]);
  return stored;
}

TEST(LoadListEditor, OpeningCopiesNumberedRowsAndPrefillsTheNumbersAfterThem) {
  DocumentTables tables;
  LoadListEditor empty(LoadListKind::Strip, tables, 0, LoadSortOption::ByNumber, 2);
  EXPECT_EQ(empty.Title(), "帯状荷重 > 荷重2 データ");
  EXPECT_EQ(empty.shownRowCount(), 21);
  EXPECT_EQ(empty.Cell(1, 1), "10");
  EXPECT_EQ(empty.Cell(20, 1), "200");
  EXPECT_EQ(empty.Cell(21, 1), " _");
  EXPECT_EQ(empty.currentRow(), 1);

  // Row 2 holds no number, so it opens empty; the numbers go on from No. 25 in tens.
  tables.circleLoads[1][1] = "5";
  tables.circleLoads[1][2] = "1.5";
  tables.circleLoads[2][1] = "x";
  tables.circleLoads[2][2] = "lost";
  tables.circleLoads[3][1] = "25";
  LoadListEditor circles(LoadListKind::Circle, tables, 0, LoadSortOption::ByNumber);
  EXPECT_EQ(circles.Cell(1, 2), "1.5");
  EXPECT_EQ(circles.Cell(2, 1), "");
  EXPECT_EQ(circles.Cell(2, 2), "");
  EXPECT_EQ(circles.Cell(4, 1), "30");
  EXPECT_EQ(circles.Cell(5, 1), "40");
  EXPECT_EQ(circles.currentRow(), 1);  // the list opens on its first rows
  EXPECT_FALSE(circles.HasChanged());

  for (int row = 1; row <= kRectRows; ++row)
    tables.rectLoads[row][1] = std::to_string(row);
  EXPECT_EQ(LoadListEditor(LoadListKind::Rectangle, tables, 0, {}).currentRow(), 1);
}

TEST(LoadListEditor, HeadersNameTheUnitOfTheUnitSystem) {
  DocumentTables tables;
  struct Case {
    LoadListKind kind;
    int unitSystem, column;
    const char* header;
  };
  for (const Case& c :
       {Case{LoadListKind::Circle, 0, 5, "q tf/㎡"}, Case{LoadListKind::Rectangle, 1, 6, "q kN/㎡"},
        Case{LoadListKind::Rectangle, 7, 6, "q "}, Case{LoadListKind::Strip, 0, 7, "γtf/m3"},
        Case{LoadListKind::Strip, 1, 7, "γkN/m3"}, Case{LoadListKind::Strip, 2, 7, "γ"},
        Case{LoadListKind::Strip, 1, 8, "Y m"}}) {
    LoadListEditor editor(c.kind, tables, c.unitSystem, {});
    EXPECT_EQ(editor.Header(c.column), c.header) << c.unitSystem;
  }
}

TEST(LoadListEditor, EnterWrapsToTheFirstDataCellAndEditingStopsAtTheEnds) {
  DocumentTables tables;
  LoadListEditor editor(LoadListKind::Circle, tables, 0, {});
  using Cell = std::optional<ListCell>;
  EXPECT_EQ(editor.CellAfterEnter({3, 2}), (Cell{{3, 3}}));
  EXPECT_EQ(editor.CellAfterEnter({3, 5}), (Cell{{4, 2}}));
  EXPECT_EQ(editor.CellAfterEnter({40, 5}), Cell{});
  EXPECT_EQ(editor.CellAbove({1, 3}), Cell{});
  EXPECT_EQ(editor.CellAbove({2, 3}), (Cell{{1, 3}}));
  EXPECT_EQ(editor.CellBelow({40, 3}), Cell{});
  EXPECT_EQ(editor.CellBelow({41, 1}), Cell{});
}

TEST(LoadListEditor, EndingAnEditShowsFallingCoordinatesTheRowLimitAndRefusedText) {
  struct Case {
    LoadListKind kind;
    Rows rows;  // typed before the edit
    ListCell cell;
    const char* text;
    bool stored;
    const char* status;
  };
  const Case cases[] = {
      {LoadListKind::Rectangle, {{"10", "5", "0", "", ""}}, {1, 5}, "1", true, " "},
      {LoadListKind::Rectangle,
       {{"10", "5", "0", "4", ""}},
       {1, 5},
       "1",
       true,
       "Ｘ座標が昇順ではありません。"},
      {LoadListKind::Rectangle,
       {{"10", "0", "5", "4", ""}},
       {1, 5},
       "1",
       true,
       "Y座標が昇順ではありません。"},
      {LoadListKind::Rectangle, {{"10", "5", "0", "4", ""}}, {1, 4}, "1", true, " "},
      {LoadListKind::Strip,
       {{"10", "0", "2", "1", ""}},
       {1, 5},
       "3",
       true,
       "Ｘ座標が昇順ではありません。"},
      {LoadListKind::Circle, {}, {1, 2}, "-1", true, ""},
      {LoadListKind::Strip, {}, {21, 2}, "1", false, "扱える最大行を超えました。"},
      {LoadListKind::Circle,
       {},
       {2, 2},
       "1\"5",
       false,
       "\"（二重引用符）、「$$」と改行はデータファイルに保存できないため入力できません."},
      {LoadListKind::Circle,
       {},
       {2, 2},
       "1\n5",
       false,
       "\"（二重引用符）、「$$」と改行はデータファイルに保存できないため入力できません."},
      {LoadListKind::Circle,
       {},
       {2, 2},
       "a$$b",
       false,
       "\"（二重引用符）、「$$」と改行はデータファイルに保存できないため入力できません."},
      {LoadListKind::Circle, {}, {2, 2}, "$5$", true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    LoadListEditor editor = EditorWith(c.kind, c.rows);
    editor.SelectRow(1);
    const std::string before = editor.Cell(c.cell.row, c.cell.column);
    EXPECT_EQ(editor.EndEdit(c.cell, c.text), c.stored);
    EXPECT_EQ(editor.Cell(c.cell.row, c.cell.column), c.stored ? c.text : before);
    EXPECT_EQ(editor.status(), c.status);
  }
}

TEST(LoadListEditor, MovesAndDeletionStopAtTheEndsOfTheData) {
  LoadListEditor editor = EditorWith(LoadListKind::Circle, {{"10", "1"}, {"20", "2"}});
  editor.SelectRow(1);
  EXPECT_FALSE(editor.MoveCurrentRowUp());
  EXPECT_TRUE(editor.MoveCurrentRowDown());
  EXPECT_EQ(editor.currentRow(), 2);
  EXPECT_EQ(editor.Cell(1, 2), "2");
  EXPECT_EQ(editor.status(), " ");
  EXPECT_TRUE(editor.MoveCurrentRowUp());
  EXPECT_EQ(editor.Cell(1, 2), "1");

  // Below the prefilled numbers nothing holds text: the last row cannot move down.
  editor.SelectRow(40);
  EXPECT_FALSE(editor.MoveCurrentRowDown());
  editor.SelectRow(1);
  EXPECT_TRUE(editor.DeleteCurrentRow());
  EXPECT_EQ(editor.currentRow(), 0);
  EXPECT_EQ(editor.Cell(1, 2), "2");
  EXPECT_EQ(editor.Cell(40, 1), "");  // the row that closes the list is empty, No. included
  EXPECT_FALSE(editor.DeleteCurrentRow());
  editor.SelectRow(39);
  EXPECT_FALSE(editor.MoveCurrentRowDown());
}

// Each check of OK, with the answer No (store as typed) and Yes (back to the row). A cell that
// cannot be read is named with its text and what keeping it means.
TEST(LoadListEditor, OkAsksAboutEachRowThatIsNotValid) {
  struct Case {
    LoadListKind kind;
    LoadRow row;
    const char* asked;  // "" when nothing is asked
    const char* cell;   // the named cell and what keeping it means, "" for none
  };
  const Case cases[] = {
      {LoadListKind::Circle, {"10", "1", "1", "0", "5"}, "数値が異常です", ""},
      {LoadListKind::Circle, {"10", "-1", "1", "1", "5"}, "数値が異常です", ""},
      {LoadListKind::Circle, {"10", "0", "0", "0.000002", "-5"}, "", ""},
      {LoadListKind::Circle,
       {"10", "", "", "", "5"},
       "データがありません",
       " X m「」\nこの値は計算で 0 として扱われます"},
      {LoadListKind::Circle,
       {"10", "a", "1", "1", "5"},
       "不適当なデータです",
       " X m「a」\nこの値は計算で 0 として扱われます"},
      {LoadListKind::Circle,
       {"", "1", "1", "1", "5"},
       "不適当なデータです",
       " No.「」\nNo.は保存のときに番号が付け直されます"},
      {LoadListKind::Rectangle,
       {"10", "2", "0", "1", "1", "5"},
       "Ｘ座標が昇順ではありません。",
       ""},
      {LoadListKind::Rectangle, {"10", "0", "2", "1", "1", "5"}, "Y座標が昇順ではありません。", ""},
      {LoadListKind::Rectangle, {"10", "1", "1", "1", "1", "5"}, "", ""},
      {LoadListKind::Strip,
       {"10", "0", "2", "1", "3", "1", "1", "0"},
       "Ｘ座標が昇順ではありません。",
       ""},
      {LoadListKind::Strip, {"10", "0", "1", "1.0000005", "3", "1", "1", "0"}, "", ""},
      {LoadListKind::Strip,
       {"10", "0", "1", "2", "3", "1", "1", ""},
       "データがありません",
       " Y m「」\nYは描画で 0 として扱われます"},
      {LoadListKind::Strip,
       {"10", "abc", "1", "2", "3", "1", "1", "0"},
       "不適当なデータです",
       " X1 m「abc」\nこの行から後の荷重は計算に入りません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row[1] + "/" + c.row[3]);
    const std::string expected =
        std::string(c.asked) + "\n行No.[ " + c.row[0] + " ]" + c.cell + "\n訂正しますか? ";
    for (PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::No}) {
      LoadListEditor editor = EditorWith(c.kind, {{"5", "", ""}, c.row});
      ScriptedPrompts prompts;
      prompts.AnswerNext(answer);
      const RowConfirmation result = editor.ConfirmRows(prompts);
      if (*c.asked == '\0') {
        EXPECT_TRUE(prompts.shown().empty());
        EXPECT_TRUE(result.proceed);
        continue;
      }
      ASSERT_EQ(prompts.shown().size(), 1u);
      EXPECT_EQ(prompts.shown()[0].text, expected);
      EXPECT_EQ(prompts.shown()[0].buttons, PromptButtons::YesNo);
      EXPECT_EQ(result.proceed, answer == PromptAnswer::No);
      EXPECT_EQ(result.rowToFix, answer == PromptAnswer::Yes ? 2 : 0);
    }
  }
}

TEST(LoadListEditor, ANumberBeyond99999IsToldWithoutTheRowAndTheChecksGoOn) {
  LoadListEditor editor = EditorWith(LoadListKind::Circle,
                                     {{"100000", "1", "1", "1", "5"}, {"20", "1", "1", "0", "5"}});
  ScriptedPrompts prompts;
  EXPECT_TRUE(editor.ConfirmRows(prompts).proceed);
  ASSERT_EQ(prompts.shown().size(), 2u);
  EXPECT_EQ(prompts.shown()[0].text, "数値が異常です");
  EXPECT_EQ(prompts.shown()[0].buttons, PromptButtons::Ok);
  EXPECT_EQ(prompts.shown()[1].text, "数値が異常です\n行No.[ 20 ]\n訂正しますか? ");
}

TEST(LoadListEditor, TheSortOptionOrdersAndNumbersTheStoredRows) {
  struct Case {
    LoadSortOption option;
    std::vector<std::string> stored;
  };
  for (const Case& c : {Case{LoadSortOption::ByNumber, {"10:b", "20:c", "30:a"}},
                        Case{LoadSortOption::ByTens, {"10:a", "20:b", "30:c"}},
                        Case{LoadSortOption::Consecutive, {"1:a", "2:b", "3:c"}}}) {
    // Row 4 has a number but no data cell and stays out.
    LoadListEditor editor = EditorWith(LoadListKind::Circle,
                                       {{"30", "a", "1", "1", "1"},
                                        {" 10", "b", "1", "1", "1"},
                                        {"20", "c", "1", "1", "1"},
                                        {"15"}},
                                       c.option);
    DocumentTables tables;
    for (int row = 1; row <= kCircleRows; ++row)
      tables.circleLoads[row][1] = "old";
    EXPECT_TRUE(test::AppliedAChange(editor, tables));
    EXPECT_EQ(StoredCircles(tables), c.stored);
    EXPECT_EQ(tables.circleLoads[4][1], "");  // the rows after the stored ones are emptied
    EXPECT_EQ(editor.DuplicateNotice(), "");
    EXPECT_FALSE(test::AppliedAChange(editor, tables));  // the second time changes nothing
  }
}

// A row with data cells but an empty No., let through by the user, is stored like any other;
// a row with a number but no data is never stored between two that have data.
TEST(LoadListEditor, EveryFilledRowIsStoredAndNoEmptyOneComesBetween) {
  LoadListEditor editor =
      EditorWith(LoadListKind::Strip, {{"30", "0", "1", "2", "3", "1", "1", "0"},
                                       {"20"},
                                       {"10", "5", "6", "7", "8", "1", "1", "0"},
                                       {"", "9", "9", "9", "9", "1", "1", "0"}});
  DocumentTables tables;
  editor.Apply(tables);
  EXPECT_EQ(CountStripRows(tables, 1), 3);
  EXPECT_EQ(tables.stripLoads[1][1][1], "0");
  EXPECT_EQ(tables.stripLoads[1][1][2], "9");
  EXPECT_EQ(tables.stripLoads[1][2][1], "10");
  EXPECT_EQ(tables.stripLoads[1][3][1], "30");
}

TEST(LoadListEditor, DuplicateNumbersAreStoredAndReportedUpToTheLimits) {
  struct Case {
    LoadListKind kind;
    int rows;
    std::string number;
    LoadSortOption option;
    int lines;  // lines of the report, 0: no report
  };
  const std::string longNumber = "10 " + std::string(60, 'x');  // a line of 70 characters
  const Case cases[] = {
      {LoadListKind::Circle, 2, "10", LoadSortOption::ByNumber, 1},
      {LoadListKind::Circle, 3, "10", LoadSortOption::ByNumber, 3},
      {LoadListKind::Circle, 9, "10", LoadSortOption::ByNumber, 6},
      {LoadListKind::Circle, 9, longNumber, LoadSortOption::ByNumber, 3},
      {LoadListKind::Strip, 9, longNumber, LoadSortOption::ByNumber, 5},
      {LoadListKind::Circle, 3, "-100", LoadSortOption::ByNumber, 0},
      {LoadListKind::Circle, 3, "10", LoadSortOption::ByTens, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rows);
    Rows rows;
    for (int i = 0; i < c.rows; ++i)
      rows.push_back({c.number, std::to_string(i), "1", "1", "1", "1", "1", "1"});
    LoadListEditor editor = EditorWith(c.kind, rows, c.option);
    DocumentTables tables;
    editor.Apply(tables);
    const int stored =
        c.kind == LoadListKind::Circle ? CountCircleRows(tables) : CountStripRows(tables, 1);
    EXPECT_EQ(stored, c.rows);
    std::string expected = c.lines == 0 ? "" : "同じデータNo.の行があります\r\n";
    for (int i = 0; i < c.lines; ++i)
      expected += "No.[ " + c.number + " ] \r\n";
    EXPECT_EQ(editor.DuplicateNotice(), expected);
  }
}

TEST(LoadListEditor, OkOnAnEmptyListEmptiesTheDocumentList) {
  DocumentTables tables;
  tables.rectLoads[1][1] = "10";
  tables.rectLoads[1][2] = "1";
  LoadListEditor editor(LoadListKind::Rectangle, tables, 0, {});
  editor.SelectRow(1);
  editor.DeleteCurrentRow();
  ScriptedPrompts prompts;
  EXPECT_TRUE(editor.ConfirmRows(prompts).proceed);
  EXPECT_TRUE(test::AppliedAChange(editor, tables));
  EXPECT_EQ(tables.rectLoads[1][1], "");
  EXPECT_EQ(tables.rectLoads[1][2], "");
}

TEST(LoadListEditor, CancelAsksOnlyWhenFilledRowsChanged) {
  DocumentTables tables;
  LoadListEditor editor(LoadListKind::Circle, tables, 0, {});
  EXPECT_FALSE(editor.AsksBeforeCancel());
  editor.EndEdit({1, 1}, "15");  // a changed number alone fills no row
  EXPECT_TRUE(editor.HasChanged());
  EXPECT_FALSE(editor.AsksBeforeCancel());
  editor.EndEdit({1, 2}, "1");
  EXPECT_TRUE(editor.AsksBeforeCancel());
  editor.EndEdit({1, 2}, "");
  editor.EndEdit({1, 1}, "10");
  EXPECT_FALSE(editor.HasChanged());
}

}  // namespace
}  // namespace qel
