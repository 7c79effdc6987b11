// The settlement over the plan on a fine even grid, for its lines of equal settlement.
#include "analysis/plan_settlement_field.h"

#include <algorithm>
#include <cmath>

#include "analysis/settlement_columns.h"
#include "document/load_lists.h"
#include "engine/worker_threads.h"

namespace qel {

namespace {

// `samples` places from `low` to `high`, both included; one when they coincide.
std::vector<double> EvenPlaces(double low, double high, int samples) {
  if (!(high > low) || samples < 2) return {low};
  std::vector<double> places(static_cast<std::size_t>(samples));
  for (int i = 0; i < samples; ++i)
    places[static_cast<std::size_t>(i)] =
        i + 1 == samples ? high : low + (high - low) * i / (samples - 1);
  return places;
}

}  // namespace

bool PlanFieldAffordable(const PlanLoads& loads, std::size_t slices) {
  const double loadCount = static_cast<double>(loads.rectangles.size() + loads.circles.size());
  const double points = double{kPlanFieldSamples} * kPlanFieldSamples * static_cast<double>(slices);
  return points <= kMostPlanFieldPoints && points * loadCount <= kPlanFieldBudget;
}

SettlementGrid PlanSettlementField(const PlanLoads& loads, const SettlementModel& model,
                                   const PlanArea& area, int samples, int threads) {
  SettlementGrid field;
  field.xs = EvenPlaces(area.x0, area.x1, samples);
  field.ys = EvenPlaces(area.y0, area.y1, samples);
  const std::size_t places = field.xs.size() * field.ys.size();
  field.totals.assign(places, std::nullopt);
  const std::vector<double> depths = model.SliceMiddles();
  if (depths.empty()) return field;
  // Depth by depth, as the lattice's columns go to the engine.
  std::vector<LatticePoint> points;
  points.reserve(places * depths.size());
  for (const double depth : depths)
    for (const double y : field.ys)
      for (const double x : field.xs)
        points.push_back({x, y, FlooredLatticeDepth(depth)});
  const std::vector<double> stress = LatticeStress(loads, points, threads);
  const double finalShare = FinalLoadShare(model);
  ChunkQueue queue(places);
  RunWorkers(ThreadCount(threads, places), [&] {
    std::vector<double> deltaP(depths.size());
    while (const std::optional<std::size_t> place = queue.Next()) {
      for (std::size_t d = 0; d < depths.size(); ++d) {
        deltaP[d] = stress[d * places + *place];
        if (finalShare != 1.0) deltaP[d] *= finalShare;
      }
      const std::optional<double> total = model.Total(deltaP);
      if (total && std::isfinite(*total)) field.totals[*place] = total;
    }
  });
  return field;
}

}  // namespace qel
