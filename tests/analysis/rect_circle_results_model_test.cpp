// The rectangular and circular results table as a model: a row per lattice point, dP as
// printed and to the last digit, the course of the calculation for the pages, and the note a
// file carries for the compatible circle method.
#include "analysis/rect_circle_results_model.h"

#include <gtest/gtest.h>

#include <cmath>

#include "document/document.h"
#include "document/load_lists.h"

namespace qel {
namespace {

using Cells = std::vector<std::string>;

// A circle of radius 1 and q = 1 at the origin, points on its axis at the depths `zs`.
DocumentTables CircleAndAxis(const Cells& zs) {
  DocumentTables t;
  const Cells circle = {"1", "0", "0", "1", "1"};
  for (std::size_t c = 0; c < circle.size(); ++c)
    t.circleLoads[1][c + 1] = circle[c];
  t.gridPoints[1][point_col::kGridX] = "0";
  t.gridPoints[1][point_col::kGridY] = "0";
  for (std::size_t i = 0; i < zs.size(); ++i)
    t.gridPoints[i + 1][point_col::kGridZ] = zs[i];
  return t;
}

TableModel ModelOf(const DocumentTables& t, CircleMethod method, const SystemSettings& settings,
                   TableUse use = TableUse::File) {
  const Document document(t);
  ResultsGrid results;
  ComputeLatticeResults(document.plan(), results, 1, method);
  return RectCircleResultsModel(document.plan(), results, method, settings, use);
}

// Under the centre of a uniformly loaded circle I = 1 - (1 + (r/z)^2)^(-3/2); the compatible
// method gives its own values. A point above the ground is listed without a value and noted.
TEST(RectCircleResultsModel, PointsOnACirclesAxisByEitherMethod) {
  SystemSettings settings;
  settings.stressDigits = 6;
  const struct {
    CircleMethod method;
    Cells printed;  // at z = 1 and 2
    bool fileNote;
  } cases[] = {{CircleMethod::kExact, {"0.646447", "0.284458"}, false},
               {CircleMethod::kCompatible, {"0.646018", "0.283916"}, true}};
  for (const auto& c : cases) {
    const TableModel table = ModelOf(CircleAndAxis({"-1", "1", "2"}), c.method, settings);
    ASSERT_EQ(table.sections.size(), 1u);
    const std::vector<TableModelRow>& rows = table.sections[0].rows;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].cells, (Cells{"P1", "0.00", "0.00", "-1.00", "－"}));
    EXPECT_EQ(rows[0].exact, Cells{""});
    EXPECT_EQ(rows[1].cells[4], c.printed[0]);
    EXPECT_EQ(rows[2].cells[0], "P3");
    EXPECT_EQ(rows[2].cells[4], c.printed[1]);
    if (c.method == CircleMethod::kExact) {
      EXPECT_NEAR(std::stod(rows[1].exact[0]), 1 - std::pow(2.0, -1.5), 1e-12);
      EXPECT_NEAR(std::stod(rows[2].exact[0]), 1 - std::pow(1.25, -1.5), 1e-12);
    }
    EXPECT_EQ(table.notes, Cells{"計算に入らない計算点: z1「-1」(負の深度)"});
    EXPECT_EQ(table.fileNotes.size(), c.fileNote ? 1u : 0u);
  }
  // Without a circle the method has nothing to say.
  DocumentTables noCircle = CircleAndAxis({"1"});
  noCircle.circleLoads[1][circle_col::kNo] = "";
  EXPECT_TRUE(ModelOf(noCircle, CircleMethod::kCompatible, settings).fileNotes.empty());
  EXPECT_EQ(ExportedRows(ModelOf(noCircle, CircleMethod::kExact, settings)).headings,
            (Cells{"計算点", "x (m)", "y (m)", "z (m)", "dP (tf/㎡)", "dP 全桁 (tf/㎡)"}));
}

// The course lists the points the calculation computes, numbered among themselves; at the
// surface the depth is floored to 1e-5 and the ratios divided by it show as infinite.
TEST(RectCircleResultsModel, TheCourseAtTheSurfaceShowsInfiniteRatios) {
  DocumentTables t = CircleAndAxis({"-1", "0"});
  const Cells rect = {"1", "-1", "-1", "1", "1", "0"};
  for (std::size_t c = 0; c < rect.size(); ++c)
    t.rectLoads[1][c + 1] = rect[c];
  t.circleLoads[1][circle_col::kQ] = "2";
  SystemSettings settings;
  settings.influenceDigits = 3;
  settings.stressDigits = 3;
  EXPECT_FALSE(ModelOf(t, CircleMethod::kExact, settings, TableUse::Page).trace);
  t.settingLines[setting_line::Style(Problem::RectCircle, setting_line::kShowCalcTrace)] = "1";
  EXPECT_FALSE(ModelOf(t, CircleMethod::kExact, settings, TableUse::File).trace);
  const TableModel table = ModelOf(t, CircleMethod::kExact, settings, TableUse::Page);
  ASSERT_TRUE(table.trace);
  ASSERT_EQ(table.trace->PointCount(), 1u);
  const TracePoint point = table.trace->Point(0);
  EXPECT_EQ(point.heading, "計算点 P1(0.00,0.00,0.00)");
  ASSERT_EQ(point.loads.size(), 2u);
  const std::vector<TraceLine>& rectangle = point.loads[0];
  ASSERT_EQ(rectangle.size(), 7u);
  EXPECT_EQ(rectangle[0][0], "[1] 長方形 No. 1");
  EXPECT_EQ(rectangle[1], (TraceLine{"", "I", "x/z", "y/z"}));
  for (std::size_t corner = 2; corner < 6; ++corner) {
    EXPECT_EQ(rectangle[corner][2], "∞");
    EXPECT_EQ(rectangle[corner][3], "∞");
  }
  EXPECT_EQ(point.loads[1],
            (std::vector<TraceLine>{{"[1] 円形 No. 1", "", "C(0.00,0.00)  r=1.00 q=2.00", ""},
                                    {"", "", "r/z", "a/r"},
                                    {"", "", "∞", "0.0000"},
                                    {"", "I=1.000", "dP=2.000", ""}}));
  EXPECT_EQ(table.sections[0].rows[1].cells[4], "2.000");  // 1 x q under the centre
}

}  // namespace
}  // namespace qel
