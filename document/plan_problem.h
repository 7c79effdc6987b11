// The rectangle/circle problem of a document as numbers: its rectangles and circles, its
// lattice of calculation points, what the calculation leaves out of them, and its figure, page
// and section settings.
#pragma once

#include <optional>
#include <vector>

#include "document/circle_rows.h"
#include "document/excluded_loads.h"
#include "document/lattice_points.h"
#include "document/problem_common.h"
#include "document/rectangle_rows.h"
#include "engine/rect_circle_influence.h"

namespace qel {

// The rows of one load list as each reader picks them.
template <class Row>
struct PlanLoadList {
  std::vector<Row> listed;      // the leading rows whose No. is a number: the data tables
  std::vector<Row> calculated;  // those of them that enter: the calculation
  std::vector<Row> drawn;       // the leading rows with every cell a number that enter: the figure
  double reach = 0.0;           // how far right they reach (RectanglesReach, CirclesReach)
  std::vector<ExcludedLoad> exclusions;  // its rows in FindExcludedLoads, in that order
};
using RectangleList = PlanLoadList<RectangleRow>;  // Listed/Calculated/DrawnRectangles
using CircleList = PlanLoadList<CircleRow>;        // Listed/Calculated/DrawnCircles

struct PlanProblem : ProblemCommon {
  explicit PlanProblem(const DocumentTables& cells);

  RectangleList rectangles;
  CircleList circles;
  // Whether there is any rectangle or circle to list (CountRectRows or CountCircleRows > 0).
  bool hasLoads() const { return !rectangles.listed.empty() || !circles.listed.empty(); }
  // The farthest right either kind reaches (the larger of RectanglesReach and CirclesReach).
  double loadsReach() const;

  // ExtractPlanLoads: the calculated rectangles and circles for the engine, circles by the
  // exact method; a caller that computes by another method sets it on its copy.
  PlanLoads engineLoads;

  LatticePoints lattice;                       // the x, y and z values that hold numbers
  std::vector<ExcludedPoint> pointExclusions;  // FindExcludedPoints(cells, true)

  std::optional<double> planDepth;  // the isobar plan's depth as chosen; none: the default
  SectionLine section;              // the vertical section and the depth graphs
};

}  // namespace qel
