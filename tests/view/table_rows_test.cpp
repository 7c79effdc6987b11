// The rows of the four tables are what their displays print, row for row, and become CSV and
// tab-separated text as spreadsheet programs read them.
#include "view/table_rows.h"

#include <gtest/gtest.h>

#include <regex>

#include "support/cells_edit.h"
#include "support/example_view.h"
#include "view/table_text.h"
#include "view/table_texts.h"

namespace qel {
namespace {

using Line = std::vector<std::string>;

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? ""
                                    : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

class TableRowsTest : public test::ExampleView {
 protected:
  // Every line the display prints on paper, page after page, as its texts without blanks.
  std::vector<Line> PrintedLines(DisplayMode display) {
    std::vector<Line> lines;
    for (int page = 1; page <= controller.CountPrintedPages(display, 300, 300); ++page) {
      RecordingDeviceContext dc(300, 300);
      controller.PrintPage(dc, display, page);
      int lastY = -1;
      for (const test::DrawnText& text : test::BodyTexts(dc)) {
        if (lines.empty() || text.y != lastY) lines.emplace_back();
        lastY = text.y;
        lines.back().push_back(Trim(text.text));
      }
    }
    return lines;
  }
};

// The printed lines that list a load or a lattice point: they begin with its No. or name. The
// strip results are read back as (z, x, dP): each "Z m" line names the depth of the "X m" and
// dP line pairs under it.
std::vector<Line> PrintedRows(DisplayMode display, const std::vector<Line>& printed) {
  const std::regex first(display == DisplayMode::RectCircleResults ? "P[0-9]+" : "[0-9]+");
  std::vector<Line> rows;
  std::string z;
  for (std::size_t i = 0; i < printed.size(); ++i) {
    const Line& line = printed[i];
    if (display != DisplayMode::StripResults) {
      if (line.size() > 1 && std::regex_match(line[0], first)) rows.push_back(line);
    } else if (line[0].rfind("Z m", 0) == 0) {
      z = Trim(line[0].substr(3));
      // A depth continued from the page before is marked so.
      if (const std::size_t mark = z.find("（続き）"); mark != std::string::npos) z.erase(mark);
    } else if (line[0] == "X m" && i + 1 < printed.size()) {
      for (std::size_t c = 1; c < line.size(); ++c)
        rows.push_back({z, line[c], printed[i + 1][c]});
    }
  }
  return rows;
}

// What the display prints of a row: the data tables every cell but the list's name (the blank
// cells are the other kind's columns), the results tables every cell but dP to the last digit,
// which is empty exactly where dP is printed "－".
Line PrintedCells(DisplayMode display, const Line& row) {
  Line cells;
  if (KindOf(display) == DisplayKind::Data) {
    for (std::size_t i = 1; i < row.size(); ++i)
      if (!row[i].empty()) cells.push_back(row[i]);
    return cells;
  }
  EXPECT_EQ(row.back().empty(), row[row.size() - 2] == "－");
  return Line(row.begin(), row.end() - 1);
}

// Both examples, as they are and with rows and points the calculation leaves out or reads
// differently: the rows are the printed lines in order, and the notes the printed notes.
TEST_F(TableRowsTest, RowsAndNotesAreWhatTheDisplayPrints) {
  int rowsCompared = 0, marks = 0, notes = 0;
  for (const char* file : {"embankment.qdw", "building.qdw"}) {
    for (bool marked : {false, true}) {
      state.document.Replace(DocumentTables());
      Open(file);
      if (marked) {
        test::CellsEdit edited(state.document);
        DocumentTables& t = *edited;
        t.stripLoads[1][2][strip_col::kH] = "２．５";  // full-width digits
        t.stripLoads[2][1][strip_col::kX2] = "nan";    // out of range: left out, "－"
        t.stripPoints[2][point_col::kZ] = "-2";        // above the surface: dP "－"
        t.rectLoads[2][rect_col::kX2] = "inf";
        t.rectLoads[3][rect_col::kQ] = "abc";  // read as 0
        t.gridPoints[1][point_col::kGridZ] = "-1";
      }
      for (int number : {2, 3, 5, 6}) {
        const DisplayMode display = *DisplayModeFromNumber(number);
        SCOPED_TRACE(std::string(file) + (marked ? " marked " : " ") + std::to_string(number));
        const TableRows rows = *BuildTableRows(display, state.document, state.results,
                                               state.circleMethod, state.settings);
        const std::vector<Line> printed = PrintedLines(display);
        const std::vector<Line> printedRows = PrintedRows(display, printed);
        ASSERT_EQ(printedRows.size(), rows.rows.size());
        for (std::size_t i = 0; i < rows.rows.size(); ++i) {
          ASSERT_EQ(rows.rows[i].size(), rows.headings.size());
          EXPECT_EQ(PrintedCells(display, rows.rows[i]), printedRows[i]) << i;
          marks += rows.rows[i].back() == "※";
        }
        rowsCompared += static_cast<int>(rows.rows.size());
        // Each note line, after the name of its list where it has one.
        Line printedNotes;
        for (const Line& line : printed)
          if (line.size() == 1 &&
              (line[0].rfind("※", 0) == 0 || line[0].find("計算点: ") != std::string::npos))
            printedNotes.push_back(line[0]);
        ASSERT_EQ(rows.notes.size(), printedNotes.size());
        for (std::size_t i = 0; i < rows.notes.size(); ++i)
          EXPECT_TRUE(rows.notes[i].ends_with(printedNotes[i])) << rows.notes[i];
        notes += static_cast<int>(rows.notes.size());
      }
    }
  }
  EXPECT_GT(rowsCompared, 300);
  EXPECT_GE(marks, 4);
  EXPECT_GE(notes, 6);
}

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
