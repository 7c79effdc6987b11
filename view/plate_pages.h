// The pages of the settlement plates display: which plate and part each page shows, and the
// drawing of the two kinds of page.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "analysis/plate_table_model.h"
#include "view/graph_axes.h"
#include "view/render_context.h"

namespace qel {

// The straight-line plots of a plate's fits, two across and two down a page.
inline constexpr int kPlotsPerPage = 4;

// A page of the display: plate `plate`'s graph with the table of its fits when `plots` is 0,
// else its `plots`-th page of straight-line plots.
struct PlatePage {
  std::size_t plate = 0;
  int plots = 0;
  friend bool operator==(const PlatePage&, const PlatePage&) = default;
};

// Each plate's graph page, then a page of plots for every kPlotsPerPage fits made of it (none
// when no fit could be made).
std::vector<PlatePage> PlatePagesOf(const SettlementPredictions& predictions);

// The heading of a plate's pages: "沈下板 1  SP-1  x = 15.00 m, ...".
std::string PlateHeading(const PlatePrediction& plate);

// The plate's readings as marks, the curve of each fit made with its t90 marked and its S∞ at
// the right edge, and the calculated curve of the nearest column (from `model`, when the
// settlement is computed), S downwards against time; under it the legend with the table of the
// fits (the plate's section of `table`) and its notes.
void DrawPlateGraphPage(DeviceContext& dc, RenderContext& ctx, const PaperBox& box,
                        const PlateComparison& comparison, const SettlementCourseModel* model,
                        std::size_t plate, const TableModel& table);

// The straight-line plots of the fits made of the plate, kPlotsPerPage from the
// ((page - 1) * kPlotsPerPage)-th on: the window's points, the points outside it, the fitted
// line, and for Asaoka's the 45° line; a legend under them.
void DrawPlatePlotsPage(DeviceContext& dc, RenderContext& ctx, const PaperBox& box,
                        const PlatePrediction& plate, int page);

}  // namespace qel
