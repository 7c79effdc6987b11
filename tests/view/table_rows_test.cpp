// The rows of the four tables match what their displays print, row for row, and become CSV and
// tab-separated text as spreadsheet programs read them.
#include "view/table_rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <regex>

#include "support/example_view.h"
#include "view/table_text.h"
#include "view/table_texts.h"

namespace qel {
namespace {

constexpr int kDpi = 300;

using Line = std::vector<std::string>;

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? ""
                                    : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Changes that make rows and points the calculation leaves out or reads differently.
void MarkLoadsAndPoints(DocumentTables& t) {
  t.stripLoads[1][2][strip_col::kH] = "２．５";  // read from full-width digits
  t.stripLoads[2][1][strip_col::kX2] = "nan";    // out of range: left out, "－"
  t.stripPoints[2][point_col::kZ] = "-2";        // above the surface: dP "－"
  t.rectLoads[2][rect_col::kX2] = "inf";         // out of range
  t.rectLoads[3][rect_col::kQ] = "abc";          // read as 0
  t.circleLoads[1][circle_col::kR] = "１０";     // full-width digits
  t.gridPoints[1][point_col::kGridZ] = "-1";     // above the surface
}

class TableRowsTest : public test::ExampleView {
 protected:
  // Every line the display prints on paper, page after page, each as its texts without the
  // blanks that align them.
  std::vector<Line> PrintedLines(DisplayMode display) {
    std::vector<Line> lines;
    const int pages = controller.CountPrintedPages(display, kDpi, kDpi);
    for (int page = 1; page <= pages; ++page) {
      RecordingDeviceContext dc(kDpi, kDpi);
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
  TableRows Rows(DisplayMode display) {
    return *BuildTableRows(display, state.tables, state.results, state.settings);
  }
};

// The lines of a data table that list a load: they begin with its No.
std::vector<Line> LoadLines(const std::vector<Line>& printed) {
  static const std::regex number("-?[0-9]+");
  std::vector<Line> lines;
  for (const Line& line : printed)
    if (line.size() > 1 && std::regex_match(line[0], number)) lines.push_back(line);
  return lines;
}

// The lines of the lattice results table: they begin with the point's name.
std::vector<Line> PointLines(const std::vector<Line>& printed) {
  static const std::regex name("P[0-9]+");
  std::vector<Line> lines;
  for (const Line& line : printed)
    if (!line.empty() && std::regex_match(line[0], name)) lines.push_back(line);
  return lines;
}

// The strip results table read back into (z, x, dP) triples: each "Z m" line names the depth
// of the "X m" and "dP" line pairs under it.
std::vector<Line> StripResultCells(const std::vector<Line>& printed) {
  std::vector<Line> cells;
  std::string z;
  for (std::size_t i = 0; i < printed.size(); ++i) {
    const Line& line = printed[i];
    if (line.size() == 1 && line[0].rfind("Z m", 0) == 0) z = Trim(line[0].substr(3));
    if (line[0] == "X m" && i + 1 < printed.size()) {
      const Line& stresses = printed[i + 1];
      for (std::size_t c = 1; c < line.size() && c < stresses.size(); ++c)
        cells.push_back({z, line[c], stresses[c]});
    }
  }
  return cells;
}

// What the display prints of a row of the rows: the data tables print every cell but the
// list's name (blank cells are the other kind's columns); the results tables every cell but
// the full-precision dP.
Line DisplayedCells(DisplayMode display, const Line& row) {
  Line cells;
  if (display == DisplayMode::StripData || display == DisplayMode::RectCircleData) {
    for (std::size_t i = 1; i < row.size(); ++i)
      if (!row[i].empty()) cells.push_back(row[i]);
  } else {
    cells.assign(row.begin(), row.end() - 1);
  }
  return cells;
}

// The rows of every table of both examples, as they are and with rows and points marked, are
// the lines the display prints, in order, and carry the display's notes.
TEST_F(TableRowsTest, RowsAreTheLinesTheDisplayPrints) {
  struct Case {
    const char* file;
    bool marked;
    DisplayMode display;
    std::function<std::vector<Line>(const std::vector<Line>&)> printedRows;
  };
  std::vector<Case> cases;
  for (const char* file : {"embankment.qdw", "building.qdw"}) {
    for (bool marked : {false, true}) {
      cases.push_back({file, marked, DisplayMode::StripData, LoadLines});
      cases.push_back({file, marked, DisplayMode::StripResults, StripResultCells});
      cases.push_back({file, marked, DisplayMode::RectCircleData, LoadLines});
      cases.push_back({file, marked, DisplayMode::RectCircleResults, PointLines});
    }
  }
  int rowsCompared = 0, marksCompared = 0, notesCompared = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + (c.marked ? " marked, display " : ", display ") +
                 std::to_string(DisplayNumber(c.display)));
    state.tables = DocumentTables();
    Open(c.file);
    if (c.marked) MarkLoadsAndPoints(state.tables);
    const TableRows rows = Rows(c.display);
    const std::vector<Line> printed = PrintedLines(c.display);
    const std::vector<Line> printedRows = c.printedRows(printed);
    ASSERT_EQ(printedRows.size(), rows.rows.size());
    for (std::size_t i = 0; i < rows.rows.size(); ++i) {
      ASSERT_EQ(rows.rows[i].size(), rows.headings.size()) << i;
      EXPECT_EQ(DisplayedCells(c.display, rows.rows[i]), printedRows[i]) << i;
      marksCompared += rows.rows[i].back() == "※";
    }
    rowsCompared += static_cast<int>(rows.rows.size());
    // Every note line of the display, once, after the name of its list where it has one.
    std::vector<std::string> printedNotes;
    for (const Line& line : printed)
      if (line.size() == 1 &&
          (line[0].rfind("※", 0) == 0 || line[0].find("計算点: ") != std::string::npos))
        printedNotes.push_back(line[0]);
    ASSERT_EQ(rows.notes.size(), printedNotes.size());
    for (std::size_t i = 0; i < rows.notes.size(); ++i) {
      const std::string& note = rows.notes[i];
      EXPECT_EQ(note.substr(note.size() - printedNotes[i].size()), printedNotes[i]);
    }
    notesCompared += static_cast<int>(rows.notes.size());
  }
  // The cases reach rows of every kind, marked rows and notes.
  EXPECT_GT(rowsCompared, 300);
  EXPECT_GE(marksCompared, 4);
  EXPECT_GE(notesCompared, 6);
}

// The headings name each column with its unit, in the unit system of the settings.
TEST_F(TableRowsTest, HeadingsCarryTheUnitsOfTheSettings) {
  Open("building.qdw");
  struct Case {
    DisplayMode display;
    int unitSystem;
    Line headings;
  };
  const Case cases[] = {
      {DisplayMode::StripData,
       0,
       {"荷重", "No.", "x1 (m)", "x2 (m)", "x3 (m)", "x4 (m)", "h (m)", "γ (tf/m3)", "y (m)", "※"}},
      {DisplayMode::StripResults, 1, {"Z (m)", "X (m)", "dP (kN/㎡)", "dP 全桁 (kN/㎡)"}},
      {DisplayMode::RectCircleData,
       0,
       {"荷重", "No.", "R1 x (m)", "R1 y (m)", "R2 x (m)", "R2 y (m)", "x (m)", "y (m)", "r (m)",
        "q (tf/㎡)", "※"}},
      {DisplayMode::RectCircleResults,
       0,
       {"計算点", "x (m)", "y (m)", "z (m)", "dP (tf/㎡)", "dP 全桁 (tf/㎡)"}},
  };
  for (const Case& c : cases) {
    state.settings.unitSystem = c.unitSystem;
    EXPECT_EQ(Rows(c.display).headings, c.headings) << DisplayNumber(c.display);
  }
}

// The results tables give dP to the last digit beside the printed one, nothing where the
// display prints "－"; the compatible circle method is noted as the pages note it.
TEST_F(TableRowsTest, FullPrecisionStressAndTheCircleMethodNote) {
  Open("building.qdw");
  state.tables.gridPoints[1][point_col::kGridZ] = "-1";
  for (CircleMethod method : {CircleMethod::kExact, CircleMethod::kCompatible}) {
    state.results.SetCircleMethod(method);
    const TableRows rows = Rows(DisplayMode::RectCircleResults);
    const ResultsGrid& grid = state.results.Lattice(state.tables);
    ASSERT_FALSE(rows.rows.empty());
    int negative = 0;
    for (const Line& row : rows.rows) {
      if (row[4] == "－") {
        EXPECT_EQ(row[5], "") << row[0];
        ++negative;
      } else {
        // Within half a unit of the last decimal printed.
        const std::size_t decimals = row[4].size() - row[4].find('.') - 1;
        EXPECT_NEAR(std::stod(row[5]), std::stod(row[4]),
                    0.5000001 * std::pow(10.0, -static_cast<double>(decimals)))
            << row[0];
      }
    }
    EXPECT_EQ(negative, 9 * 4);  // one depth of 9 x and 4 y
    // The first usable point is exact to the last bit.
    const Line& first = rows.rows[static_cast<std::size_t>(negative)];
    EXPECT_EQ(std::stod(first[5]), grid.at(1, 1, 2));
    const bool noted =
        !rows.notes.empty() && rows.notes.back() == "円形荷重は旧版互換の計算方法による値です";
    EXPECT_EQ(noted, method == CircleMethod::kCompatible);
  }
}

// The rows the commands take: the table shown, else the results table of the problem shown.
TEST(TableDisplay, FiguresAndGraphsGiveTheirProblemsResultsTable) {
  const std::pair<int, DisplayMode> cases[] = {
      {1, DisplayMode::StripResults},   {2, DisplayMode::StripData},
      {3, DisplayMode::StripResults},   {4, DisplayMode::RectCircleResults},
      {5, DisplayMode::RectCircleData}, {6, DisplayMode::RectCircleResults},
      {7, DisplayMode::StripResults},   {8, DisplayMode::RectCircleResults}};
  for (const auto& [number, table] : cases) {
    const DisplayMode shown = *DisplayModeFromNumber(number);
    EXPECT_EQ(TableDisplayFor(shown), table) << number;
    EXPECT_EQ(IsTableDisplay(shown), shown == table) << number;
  }
  EXPECT_FALSE(BuildTableRows(DisplayMode::StripFigure, DocumentTables(), DocumentResults(),
                              SystemSettings()));
}

// CSV: the byte-order mark, CR LF, fields quoted only where they must be, notes in the first
// field of lines as wide as the headings; tab-separated text: no mark, LF, no tab in a field.
TEST(TableText, CsvAndTabSeparatedLines) {
  TableRows table;
  table.name = "帯状荷重データ";
  table.headings = {"荷重", "No.", "※"};
  struct Case {
    std::string cell, csv, tab;
  };
  const Case cases[] = {
      {"1.50", "1.50", "1.50"},
      {"a,b", "\"a,b\"", "a,b"},
      {"say \"x\"", "\"say \"\"x\"\"\"", "say \"x\""},
      {"two\nlines", "\"two\nlines\"", "two lines"},
      {"tab\there", "tab\there", "tab here"},
  };
  for (const Case& c : cases) {
    table.rows = {{c.cell, "1", "※"}};
    table.notes = {"※ note"};
    EXPECT_EQ(TableCsv(table), "\xEF\xBB\xBF荷重,No.,※\r\n" + c.csv + ",1,※\r\n※ note,,\r\n")
        << c.cell;
    EXPECT_EQ(TableTabText(table), "荷重\tNo.\t※\n" + c.tab + "\t1\t※\n※ note\t\t\n") << c.cell;
  }
}

TEST(TableText, ProposedFileNameIsTheDocumentsAndTheTables) {
  TableRows table;
  table.name = "長方形円形計算結果";
  EXPECT_EQ(ProposedTableFileName("/data/site/building.qdw", table),
            "building_長方形円形計算結果.csv");
  EXPECT_EQ(ProposedTableFileName("/data/site/v1.2.qdw", table), "v1.2_長方形円形計算結果.csv");
  EXPECT_EQ(ProposedTableFileName("", table), "無題_長方形円形計算結果.csv");
}

}  // namespace
}  // namespace qel
