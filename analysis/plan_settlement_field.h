// The settlement over the plan sampled on an even grid much finer than the lattice, so that the
// lines of equal settlement traced from it are smooth and reach the edge of the area sampled.
#pragma once

#include "analysis/settlement_map.h"
#include "engine/rect_circle_influence.h"
#include "engine/settlement_column.h"

namespace qel {

// The samples along each side of the area: cells of about 1/40 of its sides.
inline constexpr int kPlanFieldSamples = 41;

// The most evaluations of one load's dP at one point a field may take (about a second).
inline constexpr double kPlanFieldBudget = 1e7;

// The most points (a place at a slice middle) a field evaluates at once: their dP are kept
// until every place is settled (about 32 bytes each).
inline constexpr double kMostPlanFieldPoints = 1e6;

// Whether a field of kPlanFieldSamples squared columns of `slices` slices under `loads` keeps
// within kPlanFieldBudget and kMostPlanFieldPoints.
bool PlanFieldAffordable(const PlanLoads& loads, std::size_t slices);

// The area sampled (m); x0 <= x1, y0 <= y1.
struct PlanArea {
  double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
};

// The column total at `samples` × `samples` evenly spaced places over `area` (both ends
// included), each settled as a lattice column is: dP of `loads` at the slice middles (floored
// as the lattice's depths are), scaled to the share of the loads the stages end at. A place with
// a slice without S has no total. An area of no width or no depth gives a grid of one line.
SettlementGrid PlanSettlementField(const PlanLoads& loads, const SettlementModel& model,
                                   const PlanArea& area, int samples = kPlanFieldSamples,
                                   int threads = 0);

}  // namespace qel
