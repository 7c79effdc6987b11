// The plan's lines of equal settlement, traced once per settlement and set of levels.
#include "view/settlement_plan_lines.h"

#include "document/document.h"
#include "view/render_caches.h"
#include "view/render_context.h"

namespace qel {

namespace {

// Forgets what was kept for another settlement.
SettlementPlanLinesCache& CacheFor(RenderContext& ctx) {
  SettlementPlanLinesCache& cache = ctx.caches.settlementPlanLines;
  const SettlementKey settlement =
      SettlementKeyOf(ctx.document, ctx.settings.unitSystem, ctx.circleMethod);
  if (!(cache.settlement == settlement)) cache = SettlementPlanLinesCache{settlement, {}, {}, {}};
  return cache;
}

}  // namespace

const SettlementGrid& SettlementPlanFieldOf(RenderContext& ctx,
                                            const DocumentSettlement& settlement,
                                            const SettlementGrid& lattice, const PlanArea& area) {
  SettlementPlanLinesCache& cache = CacheFor(ctx);
  if (!cache.field) {
    PlanLoads loads = ctx.document.plan().engineLoads;
    loads.circleMethod = ctx.circleMethod;
    const SettlementModel* model = settlement.model ? &*settlement.model : nullptr;
    cache.field = model && PlanFieldAffordable(loads, model->slices().size())
                      ? PlanSettlementField(loads, *model, area)
                      : lattice;
  }
  return *cache.field;
}

const PlanLines& SettlementPlanLinesOf(RenderContext& ctx, const DocumentSettlement& settlement,
                                       const SettlementGrid& lattice, const PlanArea& area,
                                       const std::vector<double>& levels) {
  const SettlementGrid& field = SettlementPlanFieldOf(ctx, settlement, lattice, area);
  SettlementPlanLinesCache& cache = ctx.caches.settlementPlanLines;
  if (!cache.lines || cache.levels != levels) {
    cache.lines = GridContours(field, levels);
    cache.levels = levels;
  }
  return *cache.lines;
}

}  // namespace qel
