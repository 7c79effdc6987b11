// The dP results of a document, kept beside its tables.
#include "document/document_results.h"

#include "document/document.h"
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

ResultsComputation EngineResultsComputation() {
  return {ComputeStripResults,
          [](const DocumentTables& tables, ResultsGrid& grid, CircleMethod method) {
            ComputeLatticeResults(tables, grid, 0, method);
          }};
}

const std::string& DocumentResults::InputsKey(const Document& document, Problem problem) const {
  KeptInputs& kept = inputs_[problem == Problem::Strip ? 0 : 1];
  const std::uint64_t revision = document.revision(problem);
  if (kept.document != &document || kept.revision != revision || kept.key.empty()) {
    kept.key = problem == Problem::Strip ? StripResultsKey(document.cells())
                                         : LatticeResultsKey(document.cells());
    kept.document = &document;
    kept.revision = revision;
  }
  return kept.key;
}

const ResultsGrid& DocumentResults::Strip(const Document& document) const {
  return StripFor(InputsKey(document, Problem::Strip), document.cells());
}

const ResultsGrid& DocumentResults::Lattice(const Document& document) const {
  return LatticeFor(InputsKey(document, Problem::RectCircle), document.cells());
}

const ResultsGrid& DocumentResults::Strip(const DocumentTables& tables) const {
  return StripFor(StripResultsKey(tables), tables);
}

const ResultsGrid& DocumentResults::Lattice(const DocumentTables& tables) const {
  return LatticeFor(LatticeResultsKey(tables), tables);
}

const ResultsGrid& DocumentResults::StripFor(std::string key, const DocumentTables& tables) const {
  if (!stripValid_ || key != stripKey_) {
    compute_.strip(tables, grid_);
    stripKey_ = std::move(key);
    stripValid_ = true;
  }
  return grid_;
}

const ResultsGrid& DocumentResults::LatticeFor(std::string key,
                                               const DocumentTables& tables) const {
  CacheKey methodKey;
  methodKey.Add(CircleMethodName(circleMethod_));
  key += methodKey.text();
  if (!latticeValid_ || key != latticeKey_) {
    compute_.lattice(tables, grid_, circleMethod_);
    latticeKey_ = std::move(key);
    latticeValid_ = true;
  }
  return grid_;
}

const ResultsGrid& DocumentResults::All(const DocumentTables& tables) const {
  Strip(tables);
  return Lattice(tables);
}

}  // namespace qel
