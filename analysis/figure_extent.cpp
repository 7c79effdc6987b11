// How far right the content of each figure reaches: what the figures page over and the isobars
// are traced across.
#include "analysis/figure_extent.h"

#include <algorithm>

namespace qel {

namespace {

// The largest grid x counts when the grid is drawn. The grid is drawn between the smaller and
// the larger of its two bounds whichever order they were entered in, so the larger one counts.
double GridExtent(const ProblemCommon& problem, const SystemSettings& settings) {
  if (settings.gridLineWidth <= 0 || settings.gridMarkSize <= 0) return 0.0;
  // Read with the bounds in order: the larger is the "to" bound.
  return problem.style.grid.toX;
}

}  // namespace

double StripFigureExtent(const StripProblem& strip, const SystemSettings& settings) {
  double extent = strip.piecesReach;
  for (const PointValue& x : strip.points.xs())
    extent = std::max(extent, x.value);
  return std::max(extent, GridExtent(strip, settings));
}

double RectCircleFigureExtent(const PlanProblem& plan, const SystemSettings& settings) {
  double extent = plan.loadsReach();
  for (const PointValue& x : plan.lattice.xs())
    extent = std::max(extent, x.value);
  return std::max(extent, GridExtent(plan, settings));
}

}  // namespace qel
