// The rectangle/circle problem's typed values hold what the readers of its loads, lattice and
// figure options give.
#include "document/plan_problem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "document/data_file.h"
#include "document/load_lists.h"
#include "settings/system_settings.h"
#include "typed_rows_text.h"

namespace qel {
namespace {

using test::RowTexts;

// Cells the calculation or the figure reads differently from their text, or not at all.
const std::pair<const char*, std::function<void(DocumentTables&)>> kPlanEdits[] = {
    {"as saved", [](DocumentTables&) {}},
    {"text in a rectangle's q", [](DocumentTables& t) { t.rectLoads[1][rect_col::kQ] = "q"; }},
    {"inf in a corner", [](DocumentTables& t) { t.rectLoads[1][rect_col::kX2] = "inf"; }},
    {"empty No.", [](DocumentTables& t) { t.rectLoads[1][rect_col::kNo] = ""; }},
    {"circle without radius", [](DocumentTables& t) { t.circleLoads[1][circle_col::kR] = "0"; }},
    {"circle not drawn", [](DocumentTables& t) { t.circleLoads[1][circle_col::kY] = "y"; }},
    {"full-width radius", [](DocumentTables& t) { t.circleLoads[2][circle_col::kR] = "２"; }},
    {"circle after the end",
     [](DocumentTables& t) {
       t.circleLoads[30][circle_col::kNo] = "7";
       t.circleLoads[30][circle_col::kR] = "1";
     }},
    {"lattice",
     [](DocumentTables& t) {
       t.gridPoints[1][point_col::kGridX] = "nan";
       t.gridPoints[12][point_col::kGridY] = "5";
       t.gridPoints[4][point_col::kGridZ] = "-1";
     }},
    {"figure options",
     [](DocumentTables& t) {
       t.figures.planDepth = 3.5;
       t.figures.section = {SectionAxis::kAtX, 2.0};
       t.figures.rectNotes = false;
       t.figures.planIsobars.levels = {5, 10};
     }},
};

TEST(PlanProblem, HoldsWhatTheLoadLatticeAndOptionReadersGive) {
  for (const char* example : {"building.qdw", "embankment.qdw"}) {
    DocumentTables file;
    SystemSettings unused;
    ASSERT_EQ(ReadDataFile(std::string(QEL_SOURCE_DIR) + "/examples/" + example, file, unused),
              ReadStatus::Ok);
    for (const auto& [what, edit] : kPlanEdits) {
      DocumentTables cells = file;
      edit(cells);
      const PlanProblem plan(cells);
      const std::vector<ExcludedLoad> excluded = FindExcludedLoads(cells);
      const std::string name = std::string(example) + ": " + what;
      EXPECT_EQ(RowTexts(plan.rectangles.listed), RowTexts(ListedRectangles(cells))) << name;
      EXPECT_EQ(RowTexts(plan.rectangles.calculated), RowTexts(CalculatedRectangles(cells)))
          << name;
      EXPECT_EQ(RowTexts(plan.rectangles.drawn), RowTexts(DrawnRectangles(cells))) << name;
      EXPECT_EQ(RowTexts(plan.rectangles.exclusions),
                RowTexts(ExclusionsOf(excluded, LoadKind::Rectangle, 0)))
          << name;
      EXPECT_EQ(RowTexts(plan.circles.listed), RowTexts(ListedCircles(cells))) << name;
      EXPECT_EQ(RowTexts(plan.circles.calculated), RowTexts(CalculatedCircles(cells))) << name;
      EXPECT_EQ(RowTexts(plan.circles.drawn), RowTexts(DrawnCircles(cells))) << name;
      EXPECT_EQ(RowTexts(plan.circles.exclusions),
                RowTexts(ExclusionsOf(excluded, LoadKind::Circle, 0)))
          << name;
      EXPECT_EQ(plan.hasLoads(), CountRectRows(cells) > 0 || CountCircleRows(cells) > 0) << name;
      EXPECT_EQ(plan.loadsReach(), std::max(RectanglesReach(cells), CirclesReach(cells))) << name;
      const PlanLoads engine = ExtractPlanLoads(cells);
      EXPECT_EQ(plan.engineLoads.rectangles.size(), engine.rectangles.size()) << name;
      EXPECT_EQ(plan.engineLoads.circles.size(), engine.circles.size()) << name;
      const LatticePoints lattice(cells);
      EXPECT_EQ(RowTexts(plan.lattice.xs()), RowTexts(lattice.xs())) << name;
      EXPECT_EQ(RowTexts(plan.lattice.ys()), RowTexts(lattice.ys())) << name;
      EXPECT_EQ(RowTexts(plan.lattice.depths()), RowTexts(lattice.depths())) << name;
      EXPECT_EQ(RowTexts(plan.pointExclusions), RowTexts(FindExcludedPoints(cells, true))) << name;
      EXPECT_EQ(plan.planDepth, cells.figures.planDepth) << name;
      EXPECT_TRUE(plan.section == cells.figures.section) << name;
      EXPECT_EQ(plan.notes, cells.figures.rectNotes) << name;
      EXPECT_TRUE(plan.isobars == cells.figures.planIsobars) << name;
    }
  }
}

}  // namespace
}  // namespace qel
