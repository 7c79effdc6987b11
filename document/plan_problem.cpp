// Reading the rectangle/circle problem of a document from its cells.
#include "document/plan_problem.h"

#include <algorithm>

#include "document/load_lists.h"

namespace qel {

PlanProblem::PlanProblem(const DocumentTables& cells)
    : ProblemCommon(ReadProblemCommon(cells, Problem::RectCircle)),
      engineLoads(ExtractPlanLoads(cells)),
      lattice(cells),
      pointExclusions(FindExcludedPoints(cells, true)),
      planDepth(cells.figures.planDepth),
      section(cells.figures.section) {
  const std::vector<ExcludedLoad> excluded = FindExcludedLoads(cells);
  rectangles.listed = ListedRectangles(cells);
  rectangles.calculated = CalculatedRectangles(cells);
  rectangles.drawn = DrawnRectangles(cells);
  rectangles.reach = RectanglesReach(cells);
  rectangles.exclusions = ExclusionsOf(excluded, LoadKind::Rectangle, 0);
  circles.listed = ListedCircles(cells);
  circles.calculated = CalculatedCircles(cells);
  circles.drawn = DrawnCircles(cells);
  circles.reach = CirclesReach(cells);
  circles.exclusions = ExclusionsOf(excluded, LoadKind::Circle, 0);
}

double PlanProblem::loadsReach() const {
  return std::max(rectangles.reach, circles.reach);
}

}  // namespace qel
