// Tests of the settlement columns of a document: the loads' dP at their slices and the messages
// of their slices. (Their order is compute's: tests/cli compares the two.)
#include "analysis/settlement_columns.h"

#include <gtest/gtest.h>

#include "analysis/settlement_course.h"
#include "document/document.h"
#include "engine/rect_circle_influence.h"
#include "engine/strip_influence.h"

namespace qel {
namespace {

// A strip piece over x values 3 and 8; a rectangle (q as given) and a circle over lattice x
// values 1, 2, 3 and y values 2, 4.
DocumentTables LoadedDocument(const char* rectangleQ = "10") {
  DocumentTables t;
  const char* piece[] = {"", "1", "0", "2", "4", "6", "1", "1.8", "0"};
  const char* rect[] = {"", "1", "0", "0", "4", "2", rectangleQ};
  const char* circle[] = {"", "1", "6", "1", "1.5", "20"};
  for (int column = 1; column <= kStripColumns; ++column)
    t.stripLoads[1][1][column] = piece[column];
  for (int column = 1; column <= kRectColumns; ++column)
    t.rectLoads[1][column] = rect[column];
  for (int column = 1; column <= kCircleColumns; ++column)
    t.circleLoads[1][column] = circle[column];
  t.stripPoints[1][point_col::kX] = "3";
  t.stripPoints[3][point_col::kX] = "8";
  for (int row = 1; row <= 3; ++row)
    t.gridPoints[row][point_col::kGridX] = std::to_string(row);
  for (int row = 1; row <= 2; ++row)
    t.gridPoints[row][point_col::kGridY] = std::to_string(2 * row);
  return t;
}

// 4 m of clay by mv over sand, cut at the water table at 1.5 m into 0.5 m slices.
SoilProfile MvProfile() {
  SoilProfile profile;
  profile.waterDepth = 1.5;
  profile.sliceThickness = 0.5;
  profile.layers.resize(2);
  SoilLayer& clay = profile.layers[0];
  clay.number = 1;
  clay.name = "粘土";
  clay.bottom = 4.0;
  clay.gammaT = 16.0;
  clay.gammaSat = 17.0;
  clay.method = SettlementMethod::kMv;
  clay.mv = 0.001;
  profile.layers[1].bottom = 6.0;
  profile.layers[1].gammaT = profile.layers[1].gammaSat = 19.0;
  return profile;
}

// The columns settle under the engine's dP, or under the share of it the last stage reaches.
TEST(SettlementColumns, TakeTheEnginesDPAtEverySliceMiddleByTheCircleMethodGiven) {
  const Document document(LoadedDocument());
  SoilProfile staged = MvProfile();
  staged.stages = {{1, 0.0, 10.0, 0.25}, {2, 20.0, 30.0, 0.6}};
  const std::pair<SoilProfile, double> cases[] = {{MvProfile(), 1.0}, {staged, 0.6}};
  for (const auto& [profile, share] : cases) {
    const SettlementModel model(profile);
    ASSERT_EQ(model.slices().size(), 8u);  // 1.5 m in three slices, 2.5 m in five
    const SettlementCourseModel course(profile);
    for (const CircleMethod method : {CircleMethod::kExact, CircleMethod::kCompatible}) {
      PlanLoads loads = document.plan().engineLoads;
      loads.circleMethod = method;
      const auto columns = ComputeSettlementColumns(document, model, method, 2);
      ASSERT_EQ(columns.size(), 2u + 6u);
      for (const SettlementColumnResult& column : columns) {
        const SettlementSite& at = column.site;
        for (std::size_t i = 0; i < model.slices().size(); ++i) {
          const double z = model.slices()[i].middle;
          EXPECT_EQ(column.values.slices.at(i).deltaP,
                    at.problem == Problem::Strip
                        ? share * StripPointStress(document.strip().engineLoads, at.x, z)
                        : share * LatticePointStress(loads, at.x, at.y, z))
              << at.x << " " << at.y << " " << z;
        }
      }
      // The course ends where the column's own settlement does.
      const std::vector<SettlementCourse> courses = ColumnCourses(course, columns, 2);
      for (std::size_t c = 0; c < columns.size(); ++c)
        EXPECT_EQ(courses[c].final.total, columns[c].values.total) << c;
    }
  }
}

TEST(SettlementColumns, NameTheSlicesThatCannotSettleOrLeaveTheirCurve) {
  // Unloading by 1000 leaves no effective stress under the rectangle's edge; a curve from 50 up
  // places the overburden of the first slices below its first point.
  SoilProfile curved = MvProfile();
  curved.layers[0].method = SettlementMethod::kElogP;
  curved.layers[0].curve = 1;
  curved.curves = {{1, {50, 100, 200}, {1.5, 1.4, 1.3}}};
  struct Case {
    const char* rectangleQ;
    SoilProfile profile;
    SliceNote note;
    std::string text;
  };
  const Case cases[] = {
      {"-1000", MvProfile(), SliceNote::kNoEffectiveStress,
       "p1 = σ'v0 + ΔP が 0 以下のため沈下量を計算できません"},
      {"10", curved, SliceNote::kOutsideCurve,
       "e–log p 曲線の範囲外を端の区間の延長で計算しています"},
  };
  for (const Case& c : cases) {
    const SettlementModel model(c.profile);
    const auto columns = ComputeSettlementColumns(Document(LoadedDocument(c.rectangleQ)), model,
                                                  CircleMethod::kExact);
    const SettlementColumnResult& onTheEdge = columns.at(3);  // x = 2, y = 2
    ASSERT_FALSE(onTheEdge.messages.empty());
    EXPECT_EQ(onTheEdge.messages[0].note, c.note);
    EXPECT_EQ(onTheEdge.messages[0].slice, 0);
    EXPECT_EQ(onTheEdge.messages[0].text, "土層 1 (粘土) の 1 番目の分割: " + c.text);
    EXPECT_EQ(onTheEdge.values.total.has_value(), c.note == SliceNote::kOutsideCurve);
  }
}

}  // namespace
}  // namespace qel
