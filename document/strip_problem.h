// The strip problem of a document as numbers: its two load sets, its calculation points, what
// the calculation leaves out of them, and its figure and page settings.
#pragma once

#include <array>
#include <vector>

#include "document/excluded_loads.h"
#include "document/problem_common.h"
#include "document/strip_pieces.h"
#include "document/strip_points.h"
#include "engine/strip_influence.h"

namespace qel {

// One strip load set (1 or 2).
struct StripLoadSet {
  int set = 0;
  bool hasData = false;                   // StripSetHasData: its first row's No. is a number
  int readRows = 0;                       // CountStripRows: the leading rows the calculation reads
  std::vector<StripPieceRow> listed;      // ListedStripPieces: the rows the data table lists
  std::vector<StripPieceRow> calculated;  // CalculatedStripPieces: those the calculation uses
  std::vector<ExcludedLoad> exclusions;   // its rows in FindExcludedLoads, in that order
};

struct StripProblem : ProblemCommon {
  explicit StripProblem(const DocumentTables& cells);

  std::array<StripLoadSet, kStripSets> sets;
  // Set 1 or 2.
  const StripLoadSet& set(int number) const {
    return sets.at(static_cast<std::size_t>(number - 1));
  }
  // Whether either set has data (StripSetHasData of set 1 or 2).
  bool hasLoads() const { return sets[0].hasData || sets[1].hasData; }

  StripLoadSets engineLoads;  // ExtractStripLoads: the calculated pieces, for the engine
  double piecesReach = 0.0;   // StripPiecesReach: how far right the pieces reach in the figure

  StripPoints points;                          // the x values and depths that hold numbers
  std::vector<ExcludedPoint> pointExclusions;  // FindExcludedPoints(cells, false)
};

}  // namespace qel
