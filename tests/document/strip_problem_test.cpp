// The strip problem's typed values hold what the readers of its loads and points give.
#include "document/strip_problem.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "document/data_file.h"
#include "document/load_lists.h"
#include "settings/system_settings.h"
#include "typed_rows_text.h"

namespace qel {
namespace {

using test::RowTexts;

// Cells the calculation reads differently from their text, or not at all.
const std::pair<const char*, std::function<void(DocumentTables&)>> kStripEdits[] = {
    {"as saved", [](DocumentTables&) {}},
    {"text in X2", [](DocumentTables& t) { t.stripLoads[1][1][strip_col::kX2] = "abc"; }},
    {"nan in h", [](DocumentTables& t) { t.stripLoads[1][2][strip_col::kH] = "nan"; }},
    {"no X1 ends set 2", [](DocumentTables& t) { t.stripLoads[2][1][strip_col::kX1] = "x"; }},
    {"No. gone", [](DocumentTables& t) { t.stripLoads[1][1][strip_col::kNo] = ""; }},
    {"X out of order", [](DocumentTables& t) { t.stripLoads[1][1][strip_col::kX1] = "1e9"; }},
    {"full-width", [](DocumentTables& t) { t.stripLoads[2][1][strip_col::kGamma] = "１８"; }},
    {"row after the end",
     [](DocumentTables& t) {
       t.stripLoads[1][15][strip_col::kNo] = "9";
       t.stripLoads[1][15][strip_col::kX1] = "1";
     }},
    {"points",
     [](DocumentTables& t) {
       t.stripPoints[2][point_col::kX] = "1e400";
       t.stripPoints[3][point_col::kZ] = "-2";
       t.stripPoints[9][point_col::kX] = "３";
       t.stripPoints[10][point_col::kZ] = "z";
     }},
    {"figure options",
     [](DocumentTables& t) {
       t.figures.stripNotes = false;
       t.figures.stripIsobars = {true, {1, 2}, true};
     }},
};

TEST(StripProblem, HoldsWhatTheLoadAndPointReadersGive) {
  for (const char* example : {"building.qdw", "embankment.qdw"}) {
    DocumentTables file;
    SystemSettings unused;
    ASSERT_EQ(ReadDataFile(std::string(QEL_SOURCE_DIR) + "/examples/" + example, file, unused),
              ReadStatus::Ok);
    for (const auto& [what, edit] : kStripEdits) {
      DocumentTables cells = file;
      edit(cells);
      const StripProblem strip(cells);
      const std::vector<ExcludedLoad> excluded = FindExcludedLoads(cells);
      const std::string name = std::string(example) + ": " + what;
      for (int set = 1; set <= kStripSets; ++set) {
        const StripLoadSet& loads = strip.set(set);
        EXPECT_EQ(loads.set, set) << name;
        EXPECT_EQ(loads.hasData, StripSetHasData(cells, set)) << name;
        EXPECT_EQ(loads.readRows, CountStripRows(cells, set)) << name;
        EXPECT_EQ(RowTexts(loads.listed), RowTexts(ListedStripPieces(cells, set))) << name;
        EXPECT_EQ(RowTexts(loads.calculated), RowTexts(CalculatedStripPieces(cells, set))) << name;
        EXPECT_EQ(RowTexts(loads.exclusions),
                  RowTexts(ExclusionsOf(excluded, LoadKind::Strip, set)))
            << name;
      }
      EXPECT_EQ(strip.hasLoads(), StripSetHasData(cells, 1) || StripSetHasData(cells, 2)) << name;
      EXPECT_EQ(strip.piecesReach, StripPiecesReach(cells)) << name;
      const StripLoadSets engine = ExtractStripLoads(cells);
      for (int set = 0; set < kStripSets; ++set)
        EXPECT_EQ(strip.engineLoads.sets[set].size(), engine.sets[set].size()) << name;
      const StripPoints points(cells);
      EXPECT_EQ(RowTexts(strip.points.xs()), RowTexts(points.xs())) << name;
      EXPECT_EQ(RowTexts(strip.points.depths()), RowTexts(points.depths())) << name;
      EXPECT_EQ(RowTexts(strip.pointExclusions), RowTexts(FindExcludedPoints(cells, false)))
          << name;
      EXPECT_EQ(strip.notes, cells.figures.stripNotes) << name;
      EXPECT_TRUE(strip.isobars == cells.figures.stripIsobars) << name;
    }
  }
}

}  // namespace
}  // namespace qel
