// The table of the plates' fits: each fit's row from curves whose final settlement is known in
// closed form, the reason of a fit that cannot be made, the unread readings, and the column of
// each problem set beside a plate.
#include "analysis/plate_table_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "base/c_locale.h"
#include "document/document.h"

namespace qel {
namespace {

// Plate 1 at x = 4, y = 3 read every 10 days to day 400 on S(t) (m), with `fits` asked of it.
Document PlateOn(const std::function<double(double)>& s, const std::vector<std::string>& fits,
                 const std::vector<std::string>& soil = {}) {
  DocumentTables cells;
  std::vector<std::string> lines = {"plate=1,SP-1,4,3,0"};
  for (int t = 0; t <= 400; t += 10)
    lines.push_back(FormatC("read=1,%d,%.17g", t, s(t)));
  lines.insert(lines.end(), fits.begin(), fits.end());
  cells.obsLines = lines;
  cells.soilLines = soil;
  return Document(cells);
}

PlateComparison Compare(const Document& document) {
  return ComparePlates(document, DocumentSettlement{}, Problem::Strip);
}

// Each curve's S_inf, S0 and U = S(400)/S_inf as the row prints them in cm and %, with the
// method's own columns: Asaoka's dt, and the paving day's residual.
TEST(PlateFitsTableModel, RowsHoldEachMethodsPredictionOfAnExactCurve) {
  struct Case {
    const char* name;
    std::function<double(double)> s;
    const char* fit;
    std::vector<std::string> cells;  // method .. residual
  };
  const auto hyperbolic = [](double t) { return t / (200.0 + 2.0 * t); };
  const auto asaoka = [](double t) { return 0.8 - 0.6 * std::exp(-0.01 * t); };
  const auto root = [](double t) { return 0.03 + 0.4 * std::sqrt(t) / std::sqrt(50.0 + t); };
  // t90 of the square-root curve: (S - S0)/A = 0.9 S_inf - S0 over A, squared, is t/(B + t).
  const double kQ = std::pow((0.9 * 0.43 - 0.03) / 0.4, 2);
  // Residuals after day 500: S_inf - S(500).
  const Case cases[] = {
      {"hyperbolic",
       hyperbolic,
       "fit=1,hyperbolic,100,400",
       {"双曲線法", "100", "400", "－", "0.00", "50.00", "1.0000",
        FormatC("%.1f", hyperbolic(400) / 0.5 * 100), FormatC("%.1f", 0.9 * 0.5 * 200 / (1 - 0.9)),
        FormatC("%.2f", (0.5 - hyperbolic(500)) * 100)}},
      {"asaoka",
       asaoka,
       "fit=1,asaoka,50,350,10",
       {"浅岡法", "50", "350", "10", "20.00", "80.00", "1.0000",
        FormatC("%.1f", asaoka(400) / 0.8 * 100), FormatC("%.1f", std::log(7.5) / 0.01),
        FormatC("%.2f", (0.8 - asaoka(500)) * 100)}},
      {"sqrt",
       root,
       "fit=1,sqrt,20,400",
       {"√t法", "20", "400", "－", "3.00", "43.00", "1.0000",
        FormatC("%.1f", root(400) / 0.43 * 100), FormatC("%.1f", 50 * kQ / (1 - kQ)),
        FormatC("%.2f", (0.43 - root(500)) * 100)}},
  };
  const std::vector<std::string> soil = {"layer=1,clay,10,16,16,none,,,,,,,,", "residual=500,3650"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TableModel table = PlateFitsTableModel(Compare(PlateOn(c.s, {c.fit}, soil)));
    ASSERT_EQ(table.sections.size(), 1u);
    const TableSection& plate = table.sections[0];
    EXPECT_EQ(plate.key, (std::vector<std::string>{"1", "SP-1"}));
    ASSERT_EQ(plate.rows.size(), 1u);
    std::vector<std::string> cells = plate.rows[0].cells;
    EXPECT_EQ(cells.back(), "");  // no reason
    cells.pop_back();
    EXPECT_EQ(cells, c.cells);
    EXPECT_NEAR(std::stod(plate.rows[0].exact[1]), std::stod(c.cells[5]) / 100.0, 1e-9);
  }
}

// A fit that cannot be made keeps its method and window and gives the reason instead of
// numbers; the other fits of the plate keep theirs; a plate without fits says so.
TEST(PlateFitsTableModel, AFitThatCannotBeMadeGivesItsReason) {
  const auto s = [](double t) { return t / (200.0 + 2.0 * t); };
  const TableModel table = PlateFitsTableModel(
      Compare(PlateOn(s, {"fit=1,sqrt,0,15", "fit=1,hyperbolic,0,400", "fit=1,asaoka,0,40,20"})));
  const std::vector<TableModelRow>& rows = table.sections.at(0).rows;
  ASSERT_EQ(rows.size(), 3u);
  const std::string refusals[][2] = {{"√t法", "期間内で t0 より後の読み値が 3 個未満です"},
                                     {"双曲線法", ""},
                                     {"浅岡法", "期間内の Δt ごとの組が 3 個未満です"}};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(rows[i].cells[kFitMethodColumn], refusals[i][0]);
    EXPECT_EQ(rows[i].cells[kFitReasonColumn], refusals[i][1]);
    const bool refused = !refusals[i][1].empty();
    for (const std::size_t c : {kFitS0Column, kFitFinalColumn, kFitR2Column, kFitDegreeColumn})
      EXPECT_EQ(rows[i].cells[c] == "－", refused) << c;
    EXPECT_EQ(rows[i].exact[1].empty(), refused);
  }
  const TableModel bare = PlateFitsTableModel(Compare(PlateOn(s, {})));
  EXPECT_TRUE(bare.sections.at(0).rows.empty());
  EXPECT_EQ(bare.sections[0].notes.front(), "予測の指定 (fit=) がありません");
}

// Readings that do not read leave only the reasons, line by line.
TEST(PlateFitsTableModel, UnreadReadingsLeaveOnlyTheirErrors) {
  DocumentTables cells;
  cells.obsLines = {"plate=1,SP-1,0,0,0", "read=1,10,0.1", "read=1,5,0.2", "read=2,5,0.1"};
  const TableModel table = PlateFitsTableModel(Compare(Document(cells)));
  EXPECT_TRUE(table.sections.empty());
  ASSERT_EQ(table.preamble.size(), 3u);
  EXPECT_EQ(table.preamble[0], "沈下板の実測値を読めないため、予測できません");
  EXPECT_EQ(table.preamble[1].rfind("  実測値の 3 行目: ", 0), 0u);
  EXPECT_EQ(table.preamble[2].rfind("  実測値の 4 行目: ", 0), 0u);
}

// A plate is set beside the nearest column of the problem asked for: the strip's by x alone,
// the lattice's in plan; without computed settlement, beside none.
TEST(ComparePlates, TakesTheNearestColumnOfTheProblem) {
  DocumentSettlement settlement;
  settlement.status = DocumentSettlement::Status::kComputed;
  settlement.columns.resize(3);
  settlement.courses.resize(3);
  settlement.columns[0].site = {Problem::Strip, 1, 0, 10.0, 0.0};
  settlement.columns[1].site = {Problem::RectCircle, 1, 1, 4.0, 8.0};
  settlement.columns[2].site = {Problem::Strip, 2, 0, 5.0, 0.0};
  const Document document = PlateOn([](double t) { return t / (200.0 + 2.0 * t); }, {});
  struct Case {
    Problem problem;
    double x, distance;
  };
  for (const Case& c : {Case{Problem::Strip, 5.0, 1.0}, Case{Problem::RectCircle, 4.0, 5.0}}) {
    const PlateComparison comparison = ComparePlates(document, settlement, c.problem);
    const PlatePrediction& plate = comparison.predictions.plates.at(0);
    ASSERT_TRUE(plate.nearest);
    EXPECT_EQ(comparison.columns[plate.nearest->index].site.x, c.x);
    EXPECT_DOUBLE_EQ(plate.nearest->distance, c.distance);
  }
  EXPECT_FALSE(Compare(document).predictions.plates.at(0).nearest);
  EXPECT_EQ(NearestColumnText(Compare(document).predictions.plates[0]),
            "計算値: 比較する沈下量の列がありません");
}

}  // namespace
}  // namespace qel
