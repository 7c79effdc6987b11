// Default windows of the strip cross-section, the plan and the vertical sections.
#include "analysis/isobar_windows.h"

#include <algorithm>

#include "analysis/figure_extent.h"

namespace qel {

namespace {

constexpr double kLeastDepth = 1.0;

// The deepest value of a point column (0 with none).
double DeepestPoint(const std::vector<PointValue>& depths) {
  double deepest = 0.0;
  for (const PointValue& point : depths)
    deepest = std::max(deepest, point.value);
  return deepest;
}

double DepthBelow(double deepestPoint, double fallback) {
  const double depth = deepestPoint > 0.0 ? deepestPoint * kIsobarDepthFactor : fallback;
  return std::max(depth, kLeastDepth);
}

// A window edge pair that is never empty: a right edge at or left of the left one is moved a
// metre right of it.
void KeepOpen(double lo, double& hi) {
  if (!(hi > lo)) hi = lo + 1.0;
}

}  // namespace

ContourWindow StripIsobarWindow(const StripProblem& strip, const SystemSettings& settings) {
  ContourWindow window;
  window.u0 = strip.range.leftX;
  window.u1 = StripFigureExtent(strip, settings);
  KeepOpen(window.u0, window.u1);
  double loadedLeft = 0.0, loadedRight = 0.0;
  bool any = false;
  for (const std::vector<StripPiece>& set : strip.engineLoads.sets) {
    for (const StripPiece& piece : set) {
      loadedLeft = any ? std::min(loadedLeft, piece.x1) : piece.x1;
      loadedRight = any ? std::max(loadedRight, piece.x4) : piece.x4;
      any = true;
    }
  }
  window.v0 = 0.0;
  window.v1 = DepthBelow(DeepestPoint(strip.points.depths()), loadedRight - loadedLeft);
  return window;
}

ContourWindow PlanIsobarWindow(const PlanProblem& plan, const SystemSettings& settings) {
  const FigureRange& range = plan.range;
  ContourWindow window;
  window.u0 = range.leftX;
  window.u1 = RectCircleFigureExtent(plan, settings);
  KeepOpen(window.u0, window.u1);
  window.v1 = range.topY;
  window.v0 = range.topY - std::max(range.rangeY, 1);
  return window;
}

ContourWindow SectionIsobarWindow(const PlanProblem& problem, const SystemSettings& settings,
                                  bool sectionAtY) {
  const ContourWindow plan = PlanIsobarWindow(problem, settings);
  ContourWindow window;
  window.u0 = sectionAtY ? plan.u0 : plan.v0;
  window.u1 = sectionAtY ? plan.u1 : plan.v1;
  window.v0 = 0.0;
  window.v1 = DepthBelow(DeepestPoint(problem.lattice.depths()),
                         std::max(plan.u1 - plan.u0, plan.v1 - plan.v0));
  return window;
}

}  // namespace qel
