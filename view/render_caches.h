// Laid-out table lines kept between paints, page counts and printed pages, reused while what
// they depend on is unchanged.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "analysis/contour_lines.h"
#include "document/document_results.h"
#include "view/isobar_cache.h"
#include "view/settlement_cache.h"
#include "view/settlement_plan_lines.h"
#include "view/table_layout.h"

namespace qel {

// What the section of the rectangle/circle depth display is surveyed from: the lattice's loads
// and circle method, the default window of the section, the line and the levels.
struct SectionKey {
  ResultsKey loads;
  ContourWindow plan;
  double at = 0.0;
  bool atY = true;
  std::vector<double> levels;
  friend bool operator==(const SectionKey&, const SectionKey&) = default;
};

// The window the section was surveyed to for `key`, and the range of dP over it once a page
// asked for it.
struct SectionWindowCache {
  std::optional<SectionKey> key;
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
  // The lines of each problem's pages of the soil profile as entered.
  TableLayoutCache stripSoil, rectCircleSoil;
};

}  // namespace qel
