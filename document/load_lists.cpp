// The document's loads and points as numbers, and the computations that fill the results grid.
#include "document/load_lists.h"

#include "document/plan_problem.h"
#include "document/strip_problem.h"

#include <vector>

#include "document/circle_rows.h"
#include "document/lattice_points.h"
#include "document/rectangle_rows.h"
#include "document/strip_pieces.h"
#include "document/strip_points.h"

namespace qel {

StripLoadSets ExtractStripLoads(const DocumentTables& t) {
  StripLoadSets loads;
  for (int set = 1; set <= kStripSets; ++set)
    for (const StripPieceRow& row : CalculatedStripPieces(t, set))
      loads.sets[set - 1].push_back(row.piece);
  return loads;
}

PlanLoads ExtractPlanLoads(const DocumentTables& t) {
  PlanLoads loads;
  for (const RectangleRow& row : CalculatedRectangles(t))
    loads.rectangles.push_back(row.load);
  for (const CircleRow& row : CalculatedCircles(t))
    loads.circles.push_back(row.load);
  return loads;
}

double FlooredLatticeDepth(double z) {
  return z > 1e-5 ? z : 1e-5;
}

void ComputeStripResults(const StripProblem& strip, ResultsGrid& results) {
  for (int c = 1; c <= kStripPointRows; ++c)
    for (int r = 1; r <= kStripPointRows; ++r)
      results.strip(c, r) = 0.0;
  strip.points.ForEach([&](const StripPoint& point) {
    results.strip(point.xRow, point.zRow) = StripPointStress(strip.engineLoads, point.x, point.z);
  });
}

void ComputeLatticeResults(const PlanProblem& plan, ResultsGrid& results, int threads,
                           CircleMethod circleMethod) {
  for (int i = 1; i <= kGridRows; ++i)
    for (int j = 1; j <= kGridRows; ++j)
      for (int k = 1; k <= kGridRows; ++k)
        results.at(i, j, k) = 0.0;
  std::vector<GridPoint> listed;
  std::vector<LatticePoint> points;
  plan.lattice.ForEachComputed([&](const GridPoint& point) {
    listed.push_back(point);
    points.push_back({point.x, point.y, FlooredLatticeDepth(point.z)});
  });
  PlanLoads loads = plan.engineLoads;
  loads.circleMethod = circleMethod;
  const std::vector<double> stress = LatticeStress(loads, points, threads);
  for (std::size_t n = 0; n < listed.size(); ++n)
    results.at(listed[n].xRow, listed[n].yRow, listed[n].zRow) = stress[n];
}

}  // namespace qel
