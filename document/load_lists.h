// The loads and calculation points of the document as numbers for the stress engine, and the
// computations that fill the results grid from them.
#pragma once

#include "document/document_tables.h"
#include "engine/rect_circle_influence.h"
#include "engine/strip_influence.h"

namespace qel {

// The pieces of both strip load sets the calculation uses (CalculatedStripPieces).
StripLoadSets ExtractStripLoads(const DocumentTables& tables);

// The rectangles and circles the calculation uses (CalculatedRectangles, CalculatedCircles).
PlanLoads ExtractPlanLoads(const DocumentTables& tables);

// The depth used for a lattice z value: values not above 1e-5 become exactly 1e-5.
double FlooredLatticeDepth(double z);

struct StripProblem;
struct PlanProblem;

// Sets the strip cells [x row][z row][0] of every row pair to 0, then to the dP of every strip
// point (StripPoints::ForEach) under the problem's calculated pieces.
void ComputeStripResults(const StripProblem& strip, ResultsGrid& results);

// Sets every lattice cell [x][y][z] (1..12) to 0, then to the dP of every point the calculation
// computes (LatticePoints::ForEachComputed), circles by `circleMethod`. `threads` <= 0 uses
// every core.
void ComputeLatticeResults(const PlanProblem& plan, ResultsGrid& results, int threads = 0,
                           CircleMethod circleMethod = CircleMethod::kExact);

}  // namespace qel
