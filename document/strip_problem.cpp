// Reading the strip problem of a document from its cells.
#include "document/strip_problem.h"

#include "document/load_lists.h"

namespace qel {

StripProblem::StripProblem(const DocumentTables& cells)
    : ProblemCommon(ReadProblemCommon(cells, Problem::Strip)),
      engineLoads(ExtractStripLoads(cells)),
      piecesReach(StripPiecesReach(cells)),
      points(cells),
      pointExclusions(FindExcludedPoints(cells, false)) {
  const std::vector<ExcludedLoad> excluded = FindExcludedLoads(cells);
  for (int number = 1; number <= kStripSets; ++number) {
    StripLoadSet& loads = sets[static_cast<std::size_t>(number - 1)];
    loads.set = number;
    loads.hasData = StripSetHasData(cells, number);
    loads.readRows = CountStripRows(cells, number);
    loads.listed = ListedStripPieces(cells, number);
    loads.calculated = CalculatedStripPieces(cells, number);
    loads.exclusions = ExclusionsOf(excluded, LoadKind::Strip, number);
  }
}

}  // namespace qel
