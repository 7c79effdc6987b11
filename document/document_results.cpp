// The dP results of a document, kept beside its tables.
#include "document/document_results.h"

#include "document/load_lists.h"

namespace qel {

std::string StripResultsKey(const DocumentTables& tables) {
  CacheKey key;
  // The pieces' Y only places them in the figure; it does not change dP.
  for (int set = 1; set <= kStripSets; ++set)
    for (int row = 1; row <= kStripRows; ++row)
      for (int column = strip_col::kNo; column <= strip_col::kGamma; ++column)
        key.Add(tables.stripLoads[set][row][column]);
  for (int row = 1; row <= kStripPointRows; ++row) {
    key.Add(tables.stripPoints[row][point_col::kX]);
    key.Add(tables.stripPoints[row][point_col::kZ]);
  }
  return key.text();
}

void AddRectCircleLoadCells(CacheKey& key, const DocumentTables& tables) {
  for (int row = 1; row <= kRectRows; ++row)
    for (int column = 1; column <= kRectColumns; ++column)
      key.Add(tables.rectLoads[row][column]);
  for (int row = 1; row <= kCircleRows; ++row)
    for (int column = 1; column <= kCircleColumns; ++column)
      key.Add(tables.circleLoads[row][column]);
}

std::string LatticeResultsKey(const DocumentTables& tables) {
  CacheKey key;
  AddRectCircleLoadCells(key, tables);
  for (int row = 1; row <= kGridRows; ++row)
    for (int column = point_col::kGridX; column <= point_col::kGridZ; ++column)
      key.Add(tables.gridPoints[row][column]);
  return key.text();
}

const ResultsGrid& DocumentResults::Strip(const DocumentTables& tables) const {
  std::string key = StripResultsKey(tables);
  if (!stripValid_ || key != stripKey_) {
    ComputeStripResults(tables, grid_);
    stripKey_ = std::move(key);
    stripValid_ = true;
    if (observer_) observer_(Problem::Strip);
  }
  return grid_;
}

const ResultsGrid& DocumentResults::Lattice(const DocumentTables& tables) const {
  CacheKey methodKey;
  methodKey.Add(CircleMethodName(circleMethod_));
  std::string key = LatticeResultsKey(tables) + methodKey.text();
  if (!latticeValid_ || key != latticeKey_) {
    ComputeLatticeResults(tables, grid_, 0, circleMethod_);
    latticeKey_ = std::move(key);
    latticeValid_ = true;
    if (observer_) observer_(Problem::RectCircle);
  }
  return grid_;
}

const ResultsGrid& DocumentResults::All(const DocumentTables& tables) const {
  Strip(tables);
  return Lattice(tables);
}

}  // namespace qel
