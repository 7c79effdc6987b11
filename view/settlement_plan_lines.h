// The lines of equal settlement over the lattice's plan, kept between paints and printed pages:
// traced again only when the settlement or the levels they follow changed.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/contour_lines.h"
#include "analysis/plan_settlement_field.h"
#include "analysis/settlement_map.h"
#include "engine/circle_method.h"
#include "view/settlement_cache.h"

namespace qel {

class Document;
struct RenderContext;

// For each level, the lines traced over the grid, in metres of the plan (u is x, v is y): they
// do not depend on the page or its scale, which only place them on the device.
using PlanLines = std::vector<std::vector<ContourLine>>;

struct SettlementPlanLinesCache {
  SettlementKey settlement;  // the settlement the field was sampled and the lines traced from
  std::optional<SettlementGrid> field;
  std::vector<double> levels;  // m
  std::optional<PlanLines> lines;
};

// The settlement of ctx's document (`settlement`, SettlementOf) sampled on the fine grid of
// PlanSettlementField over `area`, the plan shown (it follows the lattice and the loads, so the
// settlement's key covers it): sampled once per settlement, when a page first needs it. Where
// such a field would cost more than its budget, the lattice's own grid (`lattice`).
const SettlementGrid& SettlementPlanFieldOf(RenderContext& ctx,
                                            const DocumentSettlement& settlement,
                                            const SettlementGrid& lattice, const PlanArea& area);

// The lines of `levels` (m) over that field, from the cache while the settlement and the levels
// are those they were traced for.
const PlanLines& SettlementPlanLinesOf(RenderContext& ctx, const DocumentSettlement& settlement,
                                       const SettlementGrid& lattice, const PlanArea& area,
                                       const std::vector<double>& levels);

}  // namespace qel
