// The settlement calculation table: its CSV rows against the settlement itself row for row, its
// pages each headed by their column, the marks of the slices, and a profile that does not read.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/cells_edit.h"
#include "support/example_view.h"
#include "view/report.h"
#include "view/settlement_rows.h"
#include "view/table_rows.h"

namespace qel {
namespace {

class SettlementTableTest : public test::ExampleView {};

// Every slice of every column of the problem is one row, in order: where its column stands, its
// layer and depths as printed, and S in metres to the last digit.
TEST_F(SettlementTableTest, CsvRowsAreTheSlicesOfEveryColumnInOrder) {
  const struct {
    const char* file;
    DisplayMode display;
    Problem problem;
  } cases[] = {{"embankment.qdw", DisplayMode::StripSettlementTable, Problem::Strip},
               {"building.qdw", DisplayMode::RectCircleSettlementTable, Problem::RectCircle}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    Open(c.file);
    const DocumentSettlement settlement =
        ComputeDocumentSettlement(state.document, state.settings.unitSystem, state.circleMethod);
    ASSERT_EQ(settlement.status, DocumentSettlement::Status::kComputed);
    const std::optional<TableRows> table = BuildTableRows(c.display, state.document, state.results,
                                                          state.circleMethod, state.settings);
    ASSERT_TRUE(table);
    std::size_t row = 0;
    for (const SettlementColumnResult* column : ColumnsOf(settlement, c.problem)) {
      for (std::size_t i = 0; i < column->values.slices.size(); ++i, ++row) {
        ASSERT_LT(row, table->rows.size());
        const std::vector<std::string>& cells = table->rows[row];
        ASSERT_EQ(cells.size(), table->headings.size());
        EXPECT_DOUBLE_EQ(std::strtod(cells[0].c_str(), nullptr), column->site.x);
        EXPECT_DOUBLE_EQ(std::strtod(cells[1].c_str(), nullptr), column->site.y);
        const SoilSlice& slice = settlement.model->slices()[i];
        EXPECT_EQ(cells[2], std::to_string(settlement.model->profile().layers[slice.layer].number));
        const std::optional<double>& s = column->values.slices[i].settlement;
        ASSERT_TRUE(s);
        EXPECT_EQ(std::strtod(cells.back().c_str(), nullptr), *s);
      }
    }
    EXPECT_GT(row, 0u);
    EXPECT_EQ(row, table->rows.size());
  }
}

// Every printed page begins inside a column and names it: a column's heading repeats on the
// pages it goes on to, and a page never ends on a heading without its first slice.
TEST_F(SettlementTableTest, EveryPageNamesItsColumnAboveItsSlices) {
  Open("embankment.qdw");
  const DisplayMode display = DisplayMode::StripSettlementTable;
  const int pages = controller.CountPrintedPages(display, 300, 300);
  ASSERT_GE(pages, 2);
  for (int page = 1; page <= pages; ++page) {
    SCOPED_TRACE(page);
    const std::vector<std::string> texts = PrintedTexts(display, page, 300);
    std::ptrdiff_t lastHeading = -1, lastSlice = -1;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      if (texts[i].rfind("帯状荷重 x = ", 0) == 0) lastHeading = static_cast<std::ptrdiff_t>(i);
      if (texts[i].find("～") != std::string::npos) lastSlice = static_cast<std::ptrdiff_t>(i);
    }
    ASSERT_GE(lastHeading, 0);
    EXPECT_GT(lastSlice, lastHeading);
  }
}

// A slice read off the curve beyond its ends, an unloaded slice and a slice without S each carry
// their mark, and the column's notes say what each mark means.
TEST(SettlementRows, SlicesCarryTheMarkOfWhatHappenedToThem) {
  SoilProfile profile;
  profile.sliceThickness = 1.0;
  SoilLayer clay;
  clay.number = 1;
  clay.name = "粘土";
  clay.bottom = 1.0;
  clay.gammaT = clay.gammaSat = 16.0;
  clay.method = SettlementMethod::kElogP;
  clay.cs = 0.05;
  clay.curve = 1;
  profile.layers = {clay};
  profile.curves = {{1, {5.0, 50.0}, {1.5, 1.2}}};
  const SettlementModel model(profile);
  const struct {
    double deltaP;
    const char* mark;
  } cases[] = {
      {10.0, ""}, {500.0, kOutsideCurveMark}, {-2.0, kUnloadedMark}, {-100.0, kNoSettlementMark}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.deltaP);
    SettlementColumnResult column;
    column.values = model.Column(std::vector<double>{c.deltaP});
    column.messages = SliceMessages(model, column.values);
    EXPECT_EQ(CellsOfSlice(model, column, 0).mark, c.mark);
    const std::vector<std::string> notes = MarkNotes(column);
    EXPECT_EQ(notes.size(), *c.mark == '\0' ? 0u : 1u);
    if (!notes.empty()) {
      EXPECT_EQ(notes[0].rfind(c.mark, 0), 0u) << notes[0];
    }
  }
}

// A profile that does not read leaves one page that says why, and a CSV without rows.
TEST_F(SettlementTableTest, AProfileThatDoesNotReadSaysWhy) {
  Open("embankment.qdw");
  test::Edit(state)->soilLines.push_back("layer=9,bad");
  const DisplayMode display = DisplayMode::StripSettlementTable;
  EXPECT_EQ(controller.CountPrintedPages(display, 300, 300), 1);
  const std::vector<std::string> texts = PrintedTexts(display, 1, 300);
  bool said = false;
  for (const std::string& text : texts)
    said = said || text.find("地盤の土層を読めない") != std::string::npos;
  EXPECT_TRUE(said);
  const std::optional<TableRows> table =
      BuildTableRows(display, state.document, state.results, state.circleMethod, state.settings);
  ASSERT_TRUE(table);
  EXPECT_TRUE(table->rows.empty());
  EXPECT_FALSE(table->notes.empty());
}

// The report prints each problem's settlement displays after its stress displays, and none for
// a document without a soil profile.
TEST_F(SettlementTableTest, TheReportPrintsTheSettlementAfterEachProblemsStressDisplays) {
  for (const bool withProfile : {true, false}) {
    SCOPED_TRACE(withProfile);
    Open("building.qdw");
    if (!withProfile) test::Edit(state)->soilLines.clear();
    std::vector<DisplayKind> kinds;
    std::vector<Problem> problems;
    for (const ReportPage& page : ReportPages(controller, 150, 150)) {
      const DisplayRow& row = DisplayRowOf(page.display);
      if (!kinds.empty() && kinds.back() == row.kind && problems.back() == row.problem) continue;
      kinds.push_back(row.kind);
      problems.push_back(row.problem);
    }
    using K = DisplayKind;
    std::vector<DisplayKind> expected = {K::Figure, K::Data, K::Results, K::Depth};
    if (withProfile)
      expected.insert(expected.end(), {K::SettlementTable, K::SettlementMap, K::SettlementTime});
    EXPECT_EQ(kinds, expected);
    for (const Problem problem : problems)
      EXPECT_EQ(problem, Problem::RectCircle);
  }
}

}  // namespace
}  // namespace qel
