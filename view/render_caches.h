// Laid-out table lines kept between paints, page counts and printed pages, reused while what
// they depend on is unchanged.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "analysis/contour_lines.h"
#include "view/isobar_cache.h"
#include "view/settlement_cache.h"
#include "view/settlement_plan_lines.h"
#include "view/table_layout.h"

namespace qel {

// The window the section of the rectangle/circle depth display was surveyed to, for the inputs
// written in `key`, and the range of dP over it once a page asked for it.
struct SectionWindowCache {
  std::string key;
  ContourWindow window;
  std::optional<std::pair<double, double>> span;
};

struct RenderCaches {
  // The lines of each table and where they fell on pages.
  TableLayoutCache stripData;
  TableLayoutCache stripResults;
  TableLayoutCache rectCircleData;
  TableLayoutCache rectCircleResults;
  // The isobars of the figures' page windows.
  IsobarCache isobars;
  // The section of the rectangle/circle depth display.
  SectionWindowCache section;
  // The settlement of the columns, and the lines of each problem's slice tables.
  SettlementCache settlement;
  // The lines of equal settlement over the lattice's plan.
  SettlementPlanLinesCache settlementPlanLines;
  TableLayoutCache stripSettlement;
  TableLayoutCache rectCircleSettlement;
};

}  // namespace qel
