// The plan's lines of equal settlement, traced once per settlement and set of levels.
#include "view/settlement_plan_lines.h"

#include "document/document.h"
#include "view/render_caches.h"
#include "view/render_context.h"

namespace qel {

const PlanLines& SettlementPlanLinesOf(RenderContext& ctx, const SettlementGrid& grid,
                                       const std::vector<double>& levels) {
  SettlementPlanLinesCache& cache = ctx.caches.settlementPlanLines;
  const SettlementKey settlement =
      SettlementKeyOf(ctx.document, ctx.settings.unitSystem, ctx.circleMethod);
  if (!cache.lines || !(cache.settlement == settlement) || cache.levels != levels) {
    cache.lines = GridContours(grid, levels);
    cache.settlement = settlement;
    cache.levels = levels;
  }
  return *cache.lines;
}

}  // namespace qel
