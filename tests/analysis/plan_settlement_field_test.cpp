// Tests of the settlement sampled finely over the plan.
#include "analysis/plan_settlement_field.h"

#include <gtest/gtest.h>

#include "analysis/settlement_analysis.h"
#include "document/document.h"
#include "support/example_document.h"

namespace qel {
namespace {

// The field over the lattice's extent has the lattice's corner columns at its corners: each
// place is settled as a column of the lattice is, under the share of the loads the stages end
// at, and the places in between are evenly spaced.
TEST(PlanSettlementField, SettlesEachPlaceAsALatticeColumnStandingThere) {
  for (const char* stages : {"", "stage=1,0,30,0.6"}) {
    SCOPED_TRACE(stages);
    Document document = test::ExampleDocument("building.qdw");
    if (*stages != '\0') {
      DocumentTables cells = document.cells();
      cells.soilLines.push_back(stages);
      document.Replace(cells);
    }
    const DocumentSettlement settlement =
        ComputeDocumentSettlement(document, 1, CircleMethod::kExact, 1);
    ASSERT_TRUE(settlement.model);
    const SettlementGrid lattice = LatticeGrid(settlement.columns);
    ASSERT_GE(lattice.xs.size(), 2u);
    ASSERT_GE(lattice.ys.size(), 2u);
    const PlanArea area{lattice.xs.front(), lattice.xs.back(), lattice.ys.front(),
                        lattice.ys.back()};
    const SettlementGrid field =
        PlanSettlementField(document.plan().engineLoads, *settlement.model, area, 41, 2);
    ASSERT_EQ(field.xs.size(), 41u);
    ASSERT_EQ(field.ys.size(), 41u);
    EXPECT_DOUBLE_EQ(field.xs[20], (area.x0 + area.x1) / 2);
    EXPECT_DOUBLE_EQ(field.ys[10], area.y0 + (area.y1 - area.y0) / 4);
    for (const std::size_t fx : {std::size_t{0}, std::size_t{40}})
      for (const std::size_t fy : {std::size_t{0}, std::size_t{40}}) {
        const std::size_t lx = fx == 0 ? 0 : lattice.xs.size() - 1;
        const std::size_t ly = fy == 0 ? 0 : lattice.ys.size() - 1;
        ASSERT_TRUE(lattice.At(lx, ly));
        ASSERT_TRUE(field.At(fx, fy));
        EXPECT_EQ(*field.At(fx, fy), *lattice.At(lx, ly)) << fx << ", " << fy;
      }
  }
}

// A field too costly for its budget is not sampled: the lattice's grid stands in for it.
TEST(PlanSettlementField, IsAffordableWithinItsBudget) {
  PlanLoads loads;
  loads.rectangles.resize(40);
  loads.circles.resize(40);
  EXPECT_TRUE(PlanFieldAffordable(loads, 60));     // the speed check's profile
  EXPECT_FALSE(PlanFieldAffordable(loads, 2000));  // the most slices a column takes
}

}  // namespace
}  // namespace qel
