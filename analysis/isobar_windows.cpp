// Default windows of the strip cross-section, the plan and the vertical sections.
#include "analysis/isobar_windows.h"

#include <algorithm>

#include "analysis/figure_extent.h"
#include "document/load_lists.h"
#include "document/point_values.h"
#include "document/problem_common.h"

namespace qel {

namespace {

constexpr double kLeastDepth = 1.0;

// The deepest value of a point column (0 with none).
double DeepestPoint(const DocumentTables& tables, bool lattice, int column) {
  double deepest = 0.0;
  for (const PointValue& point : PresentPointValues(tables, lattice, column))
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

ContourWindow StripIsobarWindow(const DocumentTables& tables, const SystemSettings& settings) {
  ContourWindow window;
  window.u0 = ReadFigureRange(tables, Problem::Strip).leftX;
  window.u1 = StripFigureExtent(tables, settings);
  KeepOpen(window.u0, window.u1);
  double loadedLeft = 0.0, loadedRight = 0.0;
  bool any = false;
  for (const std::vector<StripPiece>& set : ExtractStripLoads(tables).sets) {
    for (const StripPiece& piece : set) {
      loadedLeft = any ? std::min(loadedLeft, piece.x1) : piece.x1;
      loadedRight = any ? std::max(loadedRight, piece.x4) : piece.x4;
      any = true;
    }
  }
  window.v0 = 0.0;
  window.v1 = DepthBelow(DeepestPoint(tables, false, point_col::kZ), loadedRight - loadedLeft);
  return window;
}

ContourWindow PlanIsobarWindow(const DocumentTables& tables, const SystemSettings& settings) {
  const FigureRange range = ReadFigureRange(tables, Problem::RectCircle);
  ContourWindow window;
  window.u0 = range.leftX;
  window.u1 = RectCircleFigureExtent(tables, settings);
  KeepOpen(window.u0, window.u1);
  window.v1 = range.topY;
  window.v0 = range.topY - std::max(range.rangeY, 1);
  return window;
}

ContourWindow SectionIsobarWindow(const DocumentTables& tables, const SystemSettings& settings,
                                  bool sectionAtY) {
  const ContourWindow plan = PlanIsobarWindow(tables, settings);
  ContourWindow window;
  window.u0 = sectionAtY ? plan.u0 : plan.v0;
  window.u1 = sectionAtY ? plan.u1 : plan.v1;
  window.v0 = 0.0;
  window.v1 = DepthBelow(DeepestPoint(tables, true, point_col::kGridZ),
                         std::max(plan.u1 - plan.u0, plan.v1 - plan.v0));
  return window;
}

}  // namespace qel
