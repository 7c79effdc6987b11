// Cells that hold no finite number: each load row or point either enters the calculation with a
// finite number or stays out of it and is named, and no output shows nan or inf.
#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "analysis/exclusion_notes.h"
#include "document/circle_rows.h"
#include "document/data_file.h"
#include "document/document_save.h"
#include "document/point_values.h"
#include "document/rectangle_rows.h"
#include "document/strip_pieces.h"
#include "platform/printer_info.h"
#include "support/render_world.h"
#include "test_support/recording_device_context.h"
#include "view/report.h"

namespace qel {
namespace {

// Two clean rows in the list of `kind` (strips: set 1), then `text` in `column` of row 1.
void FillList(DocumentTables& t, LoadKind kind, int column, const std::string& text) {
  static const std::vector<std::string> kRows[] = {{"1", "0", "1", "2", "3", "1", "18", "0"},
                                                   {"1", "0", "0", "2", "2", "10"},
                                                   {"1", "5", "5", "1", "10"}};
  for (int row = 1; row <= 2; ++row) {
    std::string* cells = kind == LoadKind::Strip       ? t.stripLoads[1][row]
                         : kind == LoadKind::Rectangle ? t.rectLoads[row]
                                                       : t.circleLoads[row];
    std::copy(kRows[static_cast<int>(kind)].begin(), kRows[static_cast<int>(kind)].end(),
              cells + 1);
    if (row == 1) cells[column] = text;
  }
}

TEST(HostileCells, ALoadCellIsAFiniteNumberOrItsRowIsLeftOutAndNamed) {
  const std::string out = " は計算できる範囲の数値ではないため計算に入りません";
  struct Case {
    LoadKind kind;
    int column;
    const char* text;
    std::string note;  // after "※ 行No.[ 1 ] "; the row is left out when it ends with `out`
  };
  const Case cases[] = {
      {LoadKind::Rectangle, rect_col::kQ, "nan", "q「nan」" + out},
      {LoadKind::Rectangle, rect_col::kX2, "-nan", "X2「-nan」" + out},
      {LoadKind::Circle, circle_col::kQ, "+inf", "q「+inf」" + out},
      {LoadKind::Circle, circle_col::kR, "1e400", "r「1e400」" + out},
      {LoadKind::Strip, strip_col::kX1, "-inf", "X1「-inf」" + out},
      {LoadKind::Strip, strip_col::kY, "2e15", "Y「2e15」" + out},
      {LoadKind::Strip, strip_col::kX2, "--100", "X2「--100」 は 0 として計算しています"},
      {LoadKind::Rectangle, rect_col::kQ, "+-100", "q「+-100」 は 0 として計算しています"},
      {LoadKind::Circle, circle_col::kQ, "１００", "q「１００」 は 100 として計算しています"},
      {LoadKind::Strip, strip_col::kGamma, "－１．５",
       "γ「－１．５」 は -1.5 として計算しています"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    DocumentTables t;
    FillList(t, c.kind, c.column, c.text);
    const std::vector<ExcludedLoad> found = FindExcludedLoads(t);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].column, c.column);
    EXPECT_EQ(LoadNotes(found), std::vector<std::string>{"※ 行No.[ 1 ] " + c.note});
    const bool leftOut = c.note.ends_with(out);
    const bool zero = c.note.ends_with(" は 0 として計算しています");
    EXPECT_EQ(LeftOutSummary(t), leftOut ? "計算に入らない荷重 1 行"
                                 : zero  ? "0 として計算する値 1"
                                         : "");
    // A row left out takes nothing with it: the row after it still enters.
    const std::size_t calculated = c.kind == LoadKind::Strip ? CalculatedStripPieces(t, 1).size()
                                   : c.kind == LoadKind::Rectangle ? CalculatedRectangles(t).size()
                                                                   : CalculatedCircles(t).size();
    EXPECT_EQ(calculated, leftOut ? 1u : 2u);
  }
}

TEST(HostileCells, APointCellIsAFiniteNumberOrThePointIsLeftOutAndNamed) {
  struct Case {
    bool lattice;
    int column;
    const char* text;
    std::vector<double> values;  // of the column: row 1 holds the text, row 2 "5"
    std::string note;            // empty: the point enters as read
  };
  const Case cases[] = {
      {true, point_col::kGridZ, "-nan", {5}, "計算に入らない計算点: z1「-nan」"},
      {true, point_col::kGridZ, "+inf", {5}, "計算に入らない計算点: z1「+inf」"},
      {true, point_col::kGridX, "1e400", {5}, "計算に入らない計算点: x1「1e400」"},
      {true, point_col::kGridY, "nan", {5}, "計算に入らない計算点: y1「nan」"},
      {false, point_col::kX, "--100", {5}, "計算に入らない計算点: x1「--100」"},
      {false, point_col::kZ, "+-100", {5}, "計算に入らない計算点: z1「+-100」"},
      {false, point_col::kZ, "１００ｍ", {5}, "計算に入らない計算点: z1「１００ｍ」"},
      {true,
       point_col::kGridZ,
       "１００",
       {100, 5},
       "全角の数字を半角として計算した計算点: z1「１００」"},
      {false, point_col::kZ, "100abc", {100, 5}, ""},  // a leading number reads as always
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    DocumentTables t;
    (c.lattice ? t.gridPoints[1] : t.stripPoints[1])[c.column] = c.text;
    (c.lattice ? t.gridPoints[2] : t.stripPoints[2])[c.column] = "5";
    std::vector<double> values;
    for (const PointValue& point : PresentPointValues(t, c.lattice, c.column))
      values.push_back(point.value);
    EXPECT_EQ(values, c.values);
    const std::vector<std::string> notes = PointNotes(FindExcludedPoints(t, c.lattice));
    EXPECT_EQ(notes, c.note.empty() ? std::vector<std::string>{} : std::vector{c.note});
    EXPECT_EQ(LeftOutSummary(t), c.values.size() == 1 ? "計算に入らない計算点 1 つ" : "");
  }
}

// Whether a text shows nan or inf outside the cells a note quotes (「...」).
bool ShowsNanOrInf(const std::string& text) {
  std::string unquoted = std::regex_replace(text, std::regex("「[^」]*」"), "");
  for (char& c : unquoted)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return unquoted.find("nan") != std::string::npos || unquoted.find("inf") != std::string::npos;
}

// Hostile cells of every kind beside the heaviest loads a cell may hold (h γ = 1e30): every
// page of every display, the calculation's course listed, and the saved results listing.
TEST(HostileCells, NoOutputOfAHostileDocumentShowsNanOrInf) {
  ApplicationState state;
  test::ApplyStandardSettings(state.settings, state.fonts);
  state.settingsFiles.loaded = {true, true, true};
  DocumentTables t = state.document.cells();
  FillList(t, LoadKind::Strip, strip_col::kH, "nan");
  FillList(t, LoadKind::Rectangle, rect_col::kQ, "1e400");
  FillList(t, LoadKind::Circle, circle_col::kR, "infinity");
  const char* heavy[] = {"3", "0", "1", "2", "3", "1e15", "1e15", "0"};
  for (int c = 1; c <= kStripColumns; ++c)
    t.stripLoads[2][1][c] = heavy[c - 1];
  const char* xs[] = {"0", "inf", "１０", "20", "--1"};
  const char* zs[] = {"1", "-nan", "+inf", "１００", "1e400"};
  for (int row = 1; row <= 5; ++row) {
    t.stripPoints[row][point_col::kX] = t.gridPoints[row][point_col::kGridX] = xs[row - 1];
    t.gridPoints[row][point_col::kGridY] = xs[5 - row];
    t.stripPoints[row][point_col::kZ] = t.gridPoints[row][point_col::kGridZ] = zs[row - 1];
  }
  for (Problem problem : {Problem::Strip, Problem::RectCircle})
    t.settingLines[setting_line::Style(problem, setting_line::kShowCalcTrace)] = "1";
  t.settingLines[setting_line::kStripTopY] = "nan";
  state.document.Replace(t);
  FixedPrinterInfo printer(FixedPrinterInfo::A4(600));
  ViewController controller{state, printer};
  controller.ReadDeviceGeometry();

  std::vector<std::unique_ptr<RecordingDeviceContext>> pages;
  ASSERT_TRUE(DrawPages(controller, ReportPages(controller, 150, 150), [&]() -> DeviceContext* {
    pages.push_back(std::make_unique<RecordingDeviceContext>(150, 150));
    return pages.back().get();
  }));
  EXPECT_GE(pages.size(), 8u);
  std::vector<std::string> texts;
  for (const auto& page : pages)
    for (const std::string& text : page->Texts())
      if (ShowsNanOrInf(text)) texts.push_back(text);
  EXPECT_EQ(texts, std::vector<std::string>{});
  const std::string saved =
      SavedDocumentText(state.document, state.results, state.circleMethod, state.settings);
  const std::string listing = saved.substr(saved.find("$$SOL"));
  EXPECT_NE(listing.find("\r\n18,"), std::string::npos) << listing;  // 3 x 3 x 2 points
  EXPECT_FALSE(ShowsNanOrInf(listing)) << listing;
}

}  // namespace
}  // namespace qel
