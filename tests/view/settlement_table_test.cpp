// The settlement calculation table: its pages each headed by their column, a profile that does
// not read, and the report's order of the settlement displays.
#include <gtest/gtest.h>

#include "support/cells_edit.h"
#include "support/example_view.h"
#include "support/worst_soil_profile.h"
#include "view/report.h"
#include "view/table_rows.h"

namespace qel {
namespace {

class SettlementTableTest : public test::ExampleView {};

// Every printed page begins inside a column and names it: a column's heading repeats on the
// pages it goes on to, and a page never ends on a heading without its first slice. A subtotal
// or a total never begins a page: a slice of its column is above it on its page. A layer name
// its cell cannot hold is printed whole above the layer's first slice. So also under the largest
// profile, whose columns each take several pages and end in a long run of notes.
TEST_F(SettlementTableTest, EveryPageNamesItsColumnAboveItsSlices) {
  const std::string longName = "粘土質シルト混じり砂礫層ＡＢＣＤＥＦＧＨ";  // 20 characters
  enum class Profile { kExample, kRenamed, kLargest };
  for (const Profile profile : {Profile::kExample, Profile::kRenamed, Profile::kLargest}) {
    SCOPED_TRACE(static_cast<int>(profile));
    Open("embankment.qdw");
    std::string wholeName = longName;
    if (profile == Profile::kRenamed) {
      test::CellsEdit edit(state.document);
      std::vector<std::string> lines = edit->soilLines.ToVector();
      for (std::string& line : lines) {
        const std::size_t at = line.find("粘土1");
        if (at != std::string::npos) line.replace(at, std::string("粘土1").size(), longName);
      }
      edit->soilLines = lines;
    } else if (profile == Profile::kLargest) {
      const std::vector<std::string> lines = WorstSoilProfileLines();
      test::Edit(state)->soilLines = lines;
      const std::string& first = lines[3];  // "layer=1,NAME,..."
      const std::size_t from = first.find(',') + 1;
      wholeName = first.substr(from, first.find(',', from) - from);
    }
    const DisplayMode display = DisplayMode::StripSettlementTable;
    const int pages = controller.CountPrintedPages(display, 300, 300);
    ASSERT_GE(pages, 2);
    int wholeNames = 0;
    for (int page = 1; page <= pages; ++page) {
      SCOPED_TRACE(page);
      const std::vector<std::string> texts = PrintedTexts(display, page, 300);
      std::ptrdiff_t lastHeading = -1, lastSlice = -1;
      for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto at = static_cast<std::ptrdiff_t>(i);
        if (texts[i].rfind("帯状荷重 (", 0) == 0) lastHeading = at;
        if (texts[i].find("～") != std::string::npos && texts[i].find("番目") == std::string::npos)
          lastSlice = at;
        if (texts[i].rfind("小計", 0) == 0 || texts[i].rfind("合計", 0) == 0) {
          EXPECT_GT(lastSlice, lastHeading) << texts[i];
        }
        wholeNames += texts[i] == wholeName;
      }
      ASSERT_GE(lastHeading, 0);
      EXPECT_GT(lastSlice, lastHeading);
    }
    // Once in each column, the layer's first slice.
    EXPECT_EQ(wholeNames > 0, profile != Profile::kExample);
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
      expected.insert(expected.end(),
                      {K::SoilConditions, K::SettlementTable, K::SettlementMap, K::SettlementTime});
    EXPECT_EQ(kinds, expected);
    for (const Problem problem : problems)
      EXPECT_EQ(problem, Problem::RectCircle);
  }
}

}  // namespace
}  // namespace qel
