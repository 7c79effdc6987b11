// The lines of equal settlement over the lattice's plan, kept between paints and printed pages:
// traced again only when the settlement or the levels they follow changed.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/contour_lines.h"
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
  SettlementKey settlement;    // the settlement the lines were traced from
  std::vector<double> levels;  // m
  std::optional<PlanLines> lines;
};

// The lines of `levels` (m) over `grid`, the lattice grid of ctx's settlement (SettlementOf):
// from the cache while the settlement and the levels are those they were traced for.
const PlanLines& SettlementPlanLinesOf(RenderContext& ctx, const SettlementGrid& grid,
                                       const std::vector<double>& levels);

}  // namespace qel
