// The strip-load results table as a model: a section per depth, a row per x value, dP as
// printed and to the last digit, and the course of the calculation for the pages.
#include "analysis/strip_results_model.h"

#include <gtest/gtest.h>

#include "base/c_locale.h"
#include "document/document.h"
#include "document/load_lists.h"

namespace qel {
namespace {

using Cells = std::vector<std::string>;

DocumentTables Points(const Cells& xs, const Cells& zs) {
  DocumentTables t;
  for (std::size_t i = 0; i < xs.size(); ++i)
    t.stripPoints[i + 1][point_col::kX] = xs[i];
  for (std::size_t i = 0; i < zs.size(); ++i)
    t.stripPoints[i + 1][point_col::kZ] = zs[i];
  return t;
}

void SetPiece(DocumentTables& t, int set, const Cells& cells) {
  for (std::size_t c = 0; c < cells.size(); ++c)
    t.stripLoads[set][1][c + 1] = cells[c];
}

TableModel ModelOf(const DocumentTables& t, const SystemSettings& settings,
                   TableUse use = TableUse::File) {
  const Document document(t);
  ResultsGrid results;
  ComputeStripResults(document.strip(), results);
  return StripResultsModel(document.strip(), results, settings, use);
}

TEST(StripResultsModel, EveryDepthListsEveryXWithItsDp) {
  // Trapezoid (0, 2, 4, 6) with q = 1; an empty x row takes no part, a depth above the ground
  // is listed without a value.
  DocumentTables t = Points({"1", "", "3"}, {"2", "-1"});
  SetPiece(t, 1, {"1", "0", "2", "4", "6", "1", "1"});
  SystemSettings settings;
  settings.stressDigits = 3;
  const TableModel table = ModelOf(t, settings);
  ASSERT_EQ(table.sections.size(), 2u);
  EXPECT_EQ(table.sections[0].title, "Z m  2.00");
  EXPECT_EQ(table.sections[1].key, Cells{"-1.00"});
  const StripLoadSets loads = ExtractStripLoads(t);
  const double x[] = {1, 3};
  const char* printed[] = {"0.478", "0.791"};  // I = 0.477953 and 0.790915
  for (std::size_t i = 0; i < 2; ++i) {
    const TableModelRow& row = table.sections[0].rows[i];
    EXPECT_EQ(row.cells, (Cells{FormatC("%5.2f", x[i]), printed[i]}));
    EXPECT_EQ(row.exact, Cells{FormatC("%.17g", StripPointStress(loads, x[i], 2))});
    const TableModelRow& above = table.sections[1].rows[i];
    EXPECT_EQ(above.cells[1], "－");
    EXPECT_EQ(above.exact, Cells{""});
  }
  EXPECT_EQ(table.notes, Cells{"計算に入らない計算点: z2「-1」(負の深度)"});
  const TableRows rows = ExportedRows(table);
  EXPECT_EQ(rows.headings, (Cells{"Z (m)", "X (m)", "dP (tf/㎡)", "dP 全桁 (tf/㎡)"}));
  EXPECT_EQ(rows.rows[0], (Cells{"2.00", "1.00", "0.478", table.sections[0].rows[0].exact[0]}));

  settings.unitSystem = 1;
  EXPECT_EQ(PrintedHeading(ModelOf(t, settings).columns[1]), "dP kN/㎡");
}

// A negative dP that rounds to zero at the digits shown prints as an unsigned zero; one that
// shows as a number keeps its sign.
TEST(StripResultsModel, ZeroIsPrintedWithoutSignAndNegativeDpAsItIs) {
  const struct {
    const char* h;
    const char* gamma;
    const char* x;
    const char* printed;
  } cases[] = {
      {"-1", "0.5", "2", "-0.500"},      // under the middle just below the surface: I = 1
      {"-1", "0.5", "100000", "0.000"},  // far away
      {"-1e-12", "1", "2", "0.000"},    {"-1e-9", "1", "2", "0.000"},
      {"-0.0004", "1", "2", "0.000"},   {"-0.0006", "1", "2", "-0.001"},
  };
  SystemSettings settings;
  settings.stressDigits = 3;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.h + std::string(" at ") + c.x);
    DocumentTables t = Points({c.x}, {"0"});
    SetPiece(t, 1, {"1", "0", "0", "4", "4", c.h, c.gamma});
    EXPECT_EQ(ModelOf(t, settings).sections[0].rows[0].cells[1], c.printed);
  }
}

// Only when the document asks for it the course is listed: on pages every point, depths
// outermost, with every piece of both sets; in a file the same points as rows naming P, each
// piece's dP at the point adding up to the point's own.
TEST(StripResultsModel, TheCourseOfTheCalculationIsForPagesThatAskForIt) {
  DocumentTables t = Points({"1", "3"}, {"2", "4"});
  SetPiece(t, 1, {"1", "0", "2", "4", "6", "1", "1"});
  SetPiece(t, 2, {"5", "0", "3", "3", "3", "2", "0.5"});
  SystemSettings settings;
  settings.influenceDigits = 4;
  EXPECT_FALSE(ModelOf(t, settings, TableUse::Page).trace);
  t.settingLines[setting_line::kShowCalcTrace] = "1";
  EXPECT_FALSE(ModelOf(t, settings, TableUse::File).trace);
  {
    settings.stressDigits = 6;
    const TableModel file = ModelOf(t, settings, TableUse::File);
    const TableRows rows = ExportedRows(file);
    ASSERT_EQ(rows.headings.size(), 9u);  // Z, X, dP, P, 荷重, No., I, dP 荷重ごと, dP 全桁
    EXPECT_EQ(rows.headings[3], "P");
    // The point rows first (z, x, dP), then two pieces at each of the four points.
    ASSERT_EQ(rows.rows.size(), 4u + 8u);
    for (std::size_t p = 0; p < 4; ++p) {
      const std::vector<std::string>& a = rows.rows[4 + 2 * p];
      const std::vector<std::string>& b = rows.rows[5 + 2 * p];
      EXPECT_EQ(a[3], FormatC("P%zu", p + 1));
      EXPECT_EQ(b[3], a[3]);
      EXPECT_EQ(a[4] + b[4], "12");
      const std::vector<std::string>& point = rows.rows[p];
      EXPECT_EQ(a[1], point[1]);  // the same x
      EXPECT_NEAR(std::stod(a[7]) + std::stod(b[7]), std::stod(point[2]), 2e-6) << a[3];
    }
    settings.stressDigits = SystemSettings{}.stressDigits;
  }
  const TableModel table = ModelOf(t, settings, TableUse::Page);
  ASSERT_TRUE(table.trace);
  ASSERT_EQ(table.trace->PointCount(), 4u);
  const TracePoint point = table.trace->Point(2);
  EXPECT_EQ(point.heading, "計算点 P3(1.00,4.00)");
  ASSERT_EQ(point.loads.size(), 2u);
  const StripPiece triangle{0, 3, 3, 3, 2, 0.5};
  EXPECT_EQ(point.loads[1],
            (std::vector<TraceLine>{
                {"荷重2 帯状荷重 No. 5", "", "x(0.00, 3.00, 3.00, 3.00)  h=2.00 γ=0.50", ""},
                {"", FormatC("I=%5.4f", StripPieceI(triangle, 1, 4)),
                 FormatC("dP=%3.2f", StripPieceStress(triangle, 1, 4)), ""}}));
}

}  // namespace
}  // namespace qel
