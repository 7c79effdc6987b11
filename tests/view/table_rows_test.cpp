// Which table the commands take, and a table's rows as CSV and tab-separated text as
// spreadsheet programs read them.
#include "view/table_rows.h"

#include <gtest/gtest.h>

#include "view/table_text.h"

namespace qel {
namespace {

// The rows the commands take: the table shown, else the results table of the problem shown.
TEST(TableDisplay, FiguresAndGraphsGiveTheirProblemsResultsTable) {
  const int tableOf[] = {3, 2, 3, 6, 5, 6, 3, 6};  // [display - 1]
  for (int number = 1; number <= 8; ++number) {
    const DisplayMode shown = *DisplayModeFromNumber(number);
    EXPECT_EQ(DisplayNumber(TableDisplayFor(shown)), tableOf[number - 1]) << number;
    EXPECT_EQ(IsTableDisplay(shown), tableOf[number - 1] == number) << number;
  }
}

// CSV: the byte-order mark, CR LF, fields quoted only where they must be, notes in the first
// field of lines as wide as the headings; tab-separated text: no mark, LF, no tab in a field.
TEST(TableText, CsvAndTabSeparatedLines) {
  const std::string cases[][3] = {
      {"1.50", "1.50", "1.50"},
      {"a,b", "\"a,b\"", "a,b"},
      {"say \"x\"", "\"say \"\"x\"\"\"", "say \"x\""},
      {"two\nlines", "\"two\nlines\"", "two lines"},
      {"tab\there", "tab\there", "tab here"},
      // What a spreadsheet would run as a formula is made text;
      // numbers with a sign stay numbers.
      {"=1+1", "'=1+1", "'=1+1"},
      {"+SUM(1)", "'+SUM(1)", "'+SUM(1)"},
      {"@SUM(A1)", "'@SUM(A1)", "'@SUM(A1)"},
      {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\"", "'=HYPERLINK(\"x\")"},
      {"\t=1", "'\t=1", "' =1"},
      {"-1.50", "-1.50", "-1.50"},
      {"+2", "+2", "+2"},
      {"-", "'-", "'-"}};
  for (const auto& [cell, csv, tab] : cases) {
    const TableRows table{"帯状荷重データ", {"荷重", "No.", "※"}, {{cell, "1", "※"}}, {"※ n"}};
    EXPECT_EQ(TableCsv(table), "\xEF\xBB\xBF荷重,No.,※\r\n" + csv + ",1,※\r\n※ n,,\r\n");
    EXPECT_EQ(TableTabText(table), "荷重\tNo.\t※\n" + tab + "\t1\t※\n※ n\t\t\n");
  }
  EXPECT_EQ(ProposedTableFileName("", TableRows{"長方形円形計算結果", {}, {}, {}}),
            "無題_長方形円形計算結果.csv");
}

}  // namespace
}  // namespace qel
