// Tests of the coupled consolidation of layered groups.
#include "engine/coupled_consolidation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "engine/consolidation_degree.h"
#include "engine/ramp_consolidation.h"

namespace qel {
namespace {

ConsolidationGroup Uniform(int cells, double thickness, double cv, double radial, bool bottom) {
  ConsolidationGroup group;
  group.bottomDrained = bottom;
  for (int i = 0; i < cells; ++i)
    group.cells.push_back({thickness / cells, cv, 2e-3, 80.0, radial});
  return group;
}

// A homogeneous layer, whole or cut into slices, drained at one face or both: the mean of its
// cells follows Terzaghi's series to 1e-6 from Tv = 0.001 to 3.
TEST(CoupledConsolidation, OneHomogeneousLayerFollowsTerzaghisSeries) {
  for (int cells : {1, 7}) {
    for (bool both : {false, true}) {
      const CoupledConsolidation solver(Uniform(cells, 6.0, 0.02, 0.0, both));
      const ModeSum layer = solver.Combined(std::vector<double>(cells, 1.0 / cells));
      const double path = both ? 3.0 : 6.0;
      for (double tv = 1e-3; tv <= 3.0; tv *= 1.5)
        ASSERT_NEAR(layer.Step(tv * path * path / 0.02), DegreeOfConsolidation(tv), 1e-6)
            << cells << " " << both << " " << tv;
    }
  }
}

// Schiffman and Stein (1970): four layers drained at both outer faces under a step of 100.
TEST(CoupledConsolidation, SchiffmanAndSteinsFourLayers) {
  const double h[] = {10, 20, 30, 20}, cv[] = {0.0411, 0.1918, 0.0548, 0.0686},
               mv[] = {3.07e-3, 1.95e-3, 9.74e-4, 1.95e-3};
  ConsolidationGroup group;
  std::vector<double> finals;
  for (int i = 0; i < 4; ++i) {
    group.cells.push_back({h[i], cv[i], mv[i], 100.0, 0.0});
    finals.push_back(mv[i] * h[i] * 100.0);
  }
  const ModeSum settlement = CoupledConsolidation(group).Combined(finals);
  EXPECT_NEAR(settlement.final(), 13.792, 1e-12);
  const double published[][2] = {
      {122, 1.41200}, {740, 3.48058}, {2930, 6.98645}, {7195, 10.45107}, {31623, 13.73046}};
  for (const auto& [t, s] : published)
    EXPECT_NEAR(settlement.Step(t), s, 1e-4 * 13.792) << t;
}

// With a radial sink and a ramp the same layer follows the single-unit formulas.
TEST(CoupledConsolidation, RampAndRadialSinkMatchTheUnitFormulas) {
  const CoupledConsolidation solver(Uniform(4, 5.0, 0.01, 0.004, false));
  const ModeSum layer = solver.Combined(std::vector<double>(4, 0.25));
  const ConsolidationRates rates{0.01 / 25.0, 0.004};
  const LoadRamp ramp{30.0, 150.0};
  for (double t : {31.0, 60.0, 150.0, 151.0, 400.0, 2000.0}) {
    EXPECT_NEAR(layer.Ramp(ramp, t), RampConsolidation(rates, ramp, t), 1e-6) << t;
    EXPECT_NEAR(layer.Step(t), StepConsolidation(rates, t), 1e-6) << t;
  }
}

// Cells' weights add up to 1, the sum of cells is their weighted combination, an unloaded cell
// has no degree, and a group turned upside down gives its cells' curves in reverse order.
TEST(CoupledConsolidation, CellsCombineAndMirror) {
  ConsolidationGroup group;
  group.bottomDrained = false;
  group.cells = {{1.0, 0.02, 1e-3, 100.0, 0.0},
                 {2.0, 0.005, 3e-3, 70.0, 0.0},
                 {0.5, 0.005, 3e-3, 0.0, 0.0},
                 {1.5, 0.05, 5e-4, 40.0, 0.01}};
  const CoupledConsolidation solver(group);
  ConsolidationGroup mirrored = group;
  std::reverse(mirrored.cells.begin(), mirrored.cells.end());
  std::swap(mirrored.topDrained, mirrored.bottomDrained);
  const CoupledConsolidation flipped(mirrored);
  const std::vector<double> coefficients{0.3, 1.2, 5.0, 0.7};
  const ModeSum combined = solver.Combined(coefficients);
  for (double t : {1.0, 30.0, 300.0, 3000.0}) {
    double sum = 0.0;
    for (std::size_t i = 0; i < 4; ++i) {
      sum += coefficients[i] * solver.Cell(i).Step(t);
      EXPECT_NEAR(solver.Cell(i).Step(t), flipped.Cell(3 - i).Step(t), 1e-7) << i << " " << t;
    }
    EXPECT_NEAR(combined.Step(t), sum, 1e-12);
    EXPECT_EQ(solver.Cell(2).Step(t), 0.0);
  }
  for (std::size_t i : {0u, 1u, 3u})
    EXPECT_NEAR(solver.Cell(i).final(), 1.0, 1e-12);
}

// Groups that differ only in their loads and in an mv common to all their cells share the
// modes kept in a cache, which give what a group solved afresh gives; a group whose ratios of mv
// differ is solved again.
TEST(CoupledConsolidation, ACacheSharesTheModesOfGroupsThatDifferOnlyInLoadAndCommonMv) {
  ConsolidationGroup base;
  base.bottomDrained = false;
  base.cells = {{1.0, 0.02, 1e-3, 100.0, 0.0}, {2.0, 0.005, 3e-3, 70.0, 0.01}};
  struct Case {
    double mvScale;              // all mv times this
    double secondMv;             // the second cell's mv before the scale
    double firstLoad;            // the first cell's deltaP
    std::size_t gridsKeptAfter;  // two grids a group solved anew
  };
  const Case cases[] = {
      {1.0, 3e-3, 100.0, 2}, {7.5, 3e-3, 20.0, 2}, {0.01, 3e-3, 0.0, 2}, {1.0, 6e-3, 100.0, 4}};
  CoupledModeCache cache;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mvScale);
    ConsolidationGroup group = base;
    group.cells[1].mv = c.secondMv;
    group.cells[0].deltaP = c.firstLoad;
    for (ConsolidationCell& cell : group.cells)
      cell.mv *= c.mvScale;
    const CoupledConsolidation cached(group, {}, &cache);
    const CoupledConsolidation fresh(group);
    EXPECT_EQ(cache.size(), c.gridsKeptAfter);
    for (double t : {0.5, 30.0, 3000.0}) {
      for (std::size_t i = 0; i < 2; ++i)
        EXPECT_NEAR(cached.Cell(i).Step(t), fresh.Cell(i).Step(t), 1e-10) << i << " " << t;
      EXPECT_NEAR(cached.Combined(std::vector<double>{0.4, 1.1}).Ramp({10.0, 50.0}, t),
                  fresh.Combined(std::vector<double>{0.4, 1.1}).Ramp({10.0, 50.0}, t), 1e-10);
    }
  }
}

// Without a drained face pore pressure only leaves by the radial sink: 1 - exp(-r t).
TEST(CoupledConsolidation, ClosedGroupsDrainOnlyRadially) {
  for (double radial : {0.0, 0.02}) {
    ConsolidationGroup group = Uniform(3, 4.0, 0.01, radial, false);
    group.topDrained = false;
    const ModeSum layer = CoupledConsolidation(group).Cell(1);
    for (double t : {1.0, 50.0, 500.0})
      EXPECT_NEAR(layer.Step(t), -std::expm1(-radial * t), 1e-9) << radial << " " << t;
  }
}

// cv from 1e-6 to 1e4 m2/day, cells from 1 mm to 1 km, radial rates up to 1e3 / day, loads of
// both signs and none, every drainage: finite degrees at every time up to 1e7 days.
TEST(CoupledConsolidation, ExtremeButPlausibleGroupsStayFinite) {
  for (double cv : {1e-6, 1e-2, 1e4}) {
    for (double h : {1e-3, 1.0, 1e3}) {
      for (double radial : {0.0, 1e3}) {
        for (int drained = 0; drained < 4; ++drained) {
          const ConsolidationGroup group{{{h, cv, 1e-3, 100.0, radial},
                                          {h / 2.0, cv * 1e3, 1e-5, -20.0, 0.0},
                                          {h, cv / 1e2, 1e-2, 0.0, radial}},
                                         (drained & 1) != 0,
                                         (drained & 2) != 0};
          const CoupledConsolidation solver(group);
          for (std::size_t i = 0; i < 3; ++i) {
            const ModeSum cell = solver.Cell(i);
            for (double t = 1e-9; t <= 1e7; t *= 7.0) {
              ASSERT_TRUE(std::isfinite(cell.Step(t)) && std::isfinite(cell.Ramp({0.0, 1e-6}, t)) &&
                          std::isfinite(cell.Ramp({0.0, 100.0}, t)))
                  << cv << " " << h << " " << radial << " " << drained << " " << i << " " << t;
            }
          }
        }
      }
    }
  }
}

TEST(CoupledConsolidation, RejectsCellsThatCannotConsolidate) {
  const ConsolidationCell good{1.0, 0.01, 1e-3, 50.0, 0.0};
  for (ConsolidationCell bad :
       {ConsolidationCell{0.0, 0.01, 1e-3, 50.0, 0.0},
        ConsolidationCell{1.0, -1.0, 1e-3, 50.0, 0.0}, ConsolidationCell{1.0, 0.01, 0.0, 50.0, 0.0},
        ConsolidationCell{1.0, 0.01, 1e-3, NAN, 0.0},
        ConsolidationCell{1.0, 0.01, 1e-3, 50.0, -1e-3}}) {
    EXPECT_THROW(CoupledConsolidation({{good, bad}, true, false}), std::invalid_argument);
  }
  EXPECT_THROW(CoupledConsolidation(ConsolidationGroup{}), std::invalid_argument);
  EXPECT_THROW(CoupledConsolidation({std::vector(kMaxCoupledCells + 1, good), true, false}),
               std::length_error);
  CoupledRefinement tooFine;
  tooFine.subcells = static_cast<int>(kMaxCoupledSubcells) + 1;
  EXPECT_THROW(CoupledConsolidation({{good}, true, false}, tooFine), std::length_error);
  const CoupledConsolidation solver({{good}, true, false});
  EXPECT_THROW(solver.Combined(std::vector<double>{1.0, 2.0}), std::invalid_argument);
}

}  // namespace
}  // namespace qel
