// Tests of the settlement columns of a document: where they stand, the loads' dP at their
// slices, and the messages of their slices.
#include "analysis/settlement_columns.h"

#include <gtest/gtest.h>

#include "document/document.h"
#include "engine/rect_circle_influence.h"
#include "engine/strip_influence.h"

namespace qel {
namespace {

// A strip piece with x values 3 and 8, a rectangle and a circle over lattice x values 1, 2, 3
// and y values 2, 4 (the depths 3, 6 play no part).
DocumentTables LoadedDocument() {
  DocumentTables t;
  const char* piece[] = {"", "1", "0", "2", "4", "6", "1", "1.8", "0"};
  for (int column = 1; column <= kStripColumns; ++column)
    t.stripLoads[1][1][column] = piece[column];
  t.stripPoints[1][point_col::kX] = "3";
  t.stripPoints[3][point_col::kX] = "8";
  const char* rect[] = {"", "1", "0", "0", "4", "2", "10"};
  for (int column = 1; column <= kRectColumns; ++column)
    t.rectLoads[1][column] = rect[column];
  const char* circle[] = {"", "1", "6", "1", "1.5", "20"};
  for (int column = 1; column <= kCircleColumns; ++column)
    t.circleLoads[1][column] = circle[column];
  for (int row = 1; row <= 3; ++row)
    t.gridPoints[row][point_col::kGridX] = std::to_string(row);
  for (int row = 1; row <= 2; ++row) {
    t.gridPoints[row][point_col::kGridY] = std::to_string(2 * row);
    t.gridPoints[row][point_col::kGridZ] = std::to_string(3 * row);
  }
  return t;
}

// A clay layer of 4 m by mv over sand, cut at the water table at 1.5 m into 0.5 m slices.
SoilProfile MvProfile(double mv = 0.001) {
  SoilProfile profile;
  profile.waterDepth = 1.5;
  SoilLayer clay;
  clay.number = 1;
  clay.name = "粘土";
  clay.bottom = 4.0;
  clay.gammaT = 16.0;
  clay.gammaSat = 17.0;
  clay.method = SettlementMethod::kMv;
  clay.mv = mv;
  clay.cv = 100.0;
  SoilLayer sand;
  sand.number = 2;
  sand.bottom = 6.0;
  sand.gammaT = sand.gammaSat = 19.0;
  profile.layers = {clay, sand};
  profile.sliceThickness = 0.5;
  return profile;
}

TEST(SettlementColumns, StandUnderStripXThenLatticeYRowsWithXRowsInside) {
  struct Case {
    const char* what;
    bool stripLoads, planLoads;
    std::vector<std::tuple<Problem, int, int, double, double>> sites;
  };
  const auto S = Problem::Strip, L = Problem::RectCircle;
  const Case cases[] = {
      {"both problems",
       true,
       true,
       {{S, 1, 0, 3, 0},
        {S, 3, 0, 8, 0},
        {L, 1, 1, 1, 2},
        {L, 2, 1, 2, 2},
        {L, 3, 1, 3, 2},
        {L, 1, 2, 1, 4},
        {L, 2, 2, 2, 4},
        {L, 3, 2, 3, 4}}},
      {"no strip loads",
       false,
       true,
       {{L, 1, 1, 1, 2},
        {L, 2, 1, 2, 2},
        {L, 3, 1, 3, 2},
        {L, 1, 2, 1, 4},
        {L, 2, 2, 2, 4},
        {L, 3, 2, 3, 4}}},
      {"no rectangles or circles", true, false, {{S, 1, 0, 3, 0}, {S, 3, 0, 8, 0}}},
      {"no loads", false, false, {}},
  };
  for (const Case& c : cases) {
    DocumentTables t = LoadedDocument();
    if (!c.stripLoads) t.stripLoads[1][1][strip_col::kNo].clear();
    if (!c.planLoads) {
      t.rectLoads[1][rect_col::kNo].clear();
      t.circleLoads[1][circle_col::kNo].clear();
    }
    std::vector<std::tuple<Problem, int, int, double, double>> sites;
    for (const SettlementSite& s : SettlementSites(Document(t)))
      sites.emplace_back(s.problem, s.xRow, s.yRow, s.x, s.y);
    EXPECT_EQ(sites, c.sites) << c.what;
  }
}

TEST(SettlementColumns, TakeTheEnginesDPAtEverySliceMiddleByTheCircleMethodGiven) {
  const Document document(LoadedDocument());
  const SettlementModel model(MvProfile());
  ASSERT_EQ(model.slices().size(), 8u);  // 1.5 m in three slices, 2.5 m in five
  for (const CircleMethod method : {CircleMethod::kExact, CircleMethod::kCompatible}) {
    PlanLoads loads = document.plan().engineLoads;
    loads.circleMethod = method;
    const std::vector<SettlementColumnResult> columns =
        ComputeSettlementColumns(document, model, method, 2);
    ASSERT_EQ(columns.size(), 8u);
    for (const SettlementColumnResult& column : columns) {
      ASSERT_EQ(column.values.slices.size(), model.slices().size());
      for (std::size_t i = 0; i < model.slices().size(); ++i) {
        const double z = model.slices()[i].middle;
        const double expected =
            column.site.problem == Problem::Strip
                ? StripPointStress(document.strip().engineLoads, column.site.x, z)
                : LatticePointStress(loads, column.site.x, column.site.y, z);
        EXPECT_EQ(column.values.slices[i].deltaP, expected) << column.site.x << " " << z;
      }
    }
  }
}

TEST(SettlementColumns, AWideUniformLoadSettlesAnMvLayerByMvQH) {
  // A strip 20 km wide carries q = 100 to every depth of the clay to within 1e-6 of q.
  DocumentTables t;
  const char* piece[] = {"", "1", "-10000", "-10000", "10000", "10000", "5", "20", "0"};
  for (int column = 1; column <= kStripColumns; ++column)
    t.stripLoads[1][1][column] = piece[column];
  t.stripPoints[1][point_col::kX] = "0";
  const SettlementModel model(MvProfile(0.002));
  const std::vector<SettlementColumnResult> columns =
      ComputeSettlementColumns(Document(t), model, CircleMethod::kExact);
  ASSERT_EQ(columns.size(), 1u);
  ASSERT_TRUE(columns[0].values.total);
  EXPECT_NEAR(*columns[0].values.total, 0.002 * 100.0 * 4.0, 1e-8);
  EXPECT_TRUE(columns[0].messages.empty());
}

TEST(SettlementColumns, NameTheSlicesThatCannotSettleOrLeaveTheirCurve) {
  // An unloading rectangle of -1000 leaves no effective stress under its edge; an e-log p
  // curve from 50 up places the overburden of the first slices below its first point.
  SoilProfile unloaded = MvProfile();
  SoilProfile curved = MvProfile();
  curved.layers[0].method = SettlementMethod::kElogP;
  curved.layers[0].curve = 1;
  curved.layers[0].cs = 0.05;
  curved.curves = {{1, {50, 100, 200}, {1.5, 1.4, 1.3}}};
  struct Case {
    const char* rectangleQ;
    SoilProfile profile;
    SliceNote note;
    std::string firstText;
  };
  const Case cases[] = {
      {"-1000", unloaded, SliceNote::kNoEffectiveStress,
       "土層 1 (粘土) の 1 番目の分割: p1 = σ'v0 + ΔP が 0 以下のため沈下量を計算できません"},
      {"10", curved, SliceNote::kOutsideCurve,
       "土層 1 (粘土) の 1 番目の分割: e–log p 曲線の範囲外を端の区間の延長で計算しています"},
  };
  for (const Case& c : cases) {
    DocumentTables t = LoadedDocument();
    t.rectLoads[1][rect_col::kQ] = c.rectangleQ;
    const SettlementModel model(c.profile);
    const std::vector<SettlementColumnResult> columns =
        ComputeSettlementColumns(Document(t), model, CircleMethod::kExact);
    const SettlementColumnResult& underRectangle = columns[3];  // x = 2, y = 2: on its edge
    ASSERT_EQ(underRectangle.site.problem, Problem::RectCircle);
    ASSERT_FALSE(underRectangle.messages.empty());
    EXPECT_EQ(underRectangle.messages[0].note, c.note);
    EXPECT_EQ(underRectangle.messages[0].slice, 0);
    EXPECT_EQ(underRectangle.messages[0].text, c.firstText);
    EXPECT_EQ(underRectangle.values.total.has_value(), c.note == SliceNote::kOutsideCurve);
  }
}

}  // namespace
}  // namespace qel
