// How far right the content of each figure reaches: what the figures page over and the isobars
// are traced across.
#include "analysis/figure_extent.h"

#include <algorithm>

#include "document/circle_rows.h"
#include "document/lattice_points.h"
#include "document/problem_common.h"
#include "document/rectangle_rows.h"
#include "document/strip_pieces.h"
#include "document/strip_points.h"

namespace qel {

namespace {

// The largest grid x counts when the grid is drawn. The grid is drawn between the smaller and
// the larger of its two bounds whichever order they were entered in, so the larger one counts.
double GridExtent(const DocumentTables& tables, const SystemSettings& settings, Problem problem) {
  if (settings.gridLineWidth <= 0 || settings.gridMarkSize <= 0) return 0.0;
  // Read with the bounds in order: the larger is the "to" bound.
  return ReadProblemStyle(tables, problem).grid.toX;
}

}  // namespace

double StripFigureExtent(const DocumentTables& t, const SystemSettings& settings) {
  double extent = StripPiecesReach(t);
  const StripPoints points(t);
  for (const PointValue& x : points.xs())
    extent = std::max(extent, x.value);
  return std::max(extent, GridExtent(t, settings, Problem::Strip));
}

double RectCircleFigureExtent(const DocumentTables& t, const SystemSettings& settings) {
  double extent = std::max(RectanglesReach(t), CirclesReach(t));
  const LatticePoints lattice(t);
  for (const PointValue& x : lattice.xs())
    extent = std::max(extent, x.value);
  return std::max(extent, GridExtent(t, settings, Problem::RectCircle));
}

}  // namespace qel
