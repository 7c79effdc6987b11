// The loads and calculation points of the document as numbers for the stress engine, and the
// computations that fill the results grid from them.
#pragma once

#include <vector>

#include "document/document_tables.h"
#include "engine/rect_circle_influence.h"
#include "engine/strip_influence.h"

namespace qel {

// The pieces of both strip load sets: each set's leading rows whose No. and X1 hold numbers.
StripLoadSets ExtractStripLoads(const DocumentTables& tables);

// The rectangles and circles: the leading rows whose No. holds a number.
PlanLoads ExtractPlanLoads(const DocumentTables& tables);

// Rows (1-based) of a point column whose text holds a number, in row order.
std::vector<int> PresentRows(const DocumentTables& tables, bool lattice, int column);

// The depth used for a lattice z value: values not above 1e-5 become exactly 1e-5.
double FlooredLatticeDepth(double z);

// Sets the strip cells [x row][z row][0] of every row pair to 0, then to the dP of every point
// whose x and z hold numbers.
void ComputeStripResults(const DocumentTables& tables, ResultsGrid& results);

// Sets every lattice cell [x][y][z] (1..12) to 0, then to the dP of every lattice point whose
// x, y and z hold numbers and whose z is not negative, circles by `circleMethod`. `threads` <= 0
// uses every core.
void ComputeLatticeResults(const DocumentTables& tables, ResultsGrid& results, int threads = 0,
                           CircleMethod circleMethod = CircleMethod::kExact);

}  // namespace qel
