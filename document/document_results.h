// The dP results of a document, kept beside its tables: computed from the load and point cells
// when first asked for after one of those cells changed, and reused until then by every paint,
// page count, printed page, save and qel-cli command.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "document/document_tables.h"
#include "engine/circle_method.h"
#include "settings/cache_key.h"
#include "settings/problem.h"

namespace qel {

// Everything the results of a problem are computed from, as one text: two sets of cells give
// the same text exactly when every cell is the same.
std::string StripResultsKey(const DocumentTables& tables);
std::string LatticeResultsKey(const DocumentTables& tables);
// Adds every cell of the rectangle and circle load lists to `key`: the part of the lattice key
// that the rectangle/circle data table is laid out from as well.
void AddRectCircleLoadCells(CacheKey& key, const DocumentTables& tables);

class DocumentResults {
 public:
  // The results grid with the strip cells [x row][z row][0] of `tables`.
  const ResultsGrid& Strip(const DocumentTables& tables) const;
  // The results grid with the lattice cells [x][y][z] of `tables`.
  const ResultsGrid& Lattice(const DocumentTables& tables) const;
  // The results grid with both.
  const ResultsGrid& All(const DocumentTables& tables) const;

  // How circles are evaluated (the user's choice, kept in the profile); the lattice values are
  // computed afresh when it changes.
  void SetCircleMethod(CircleMethod method) { circleMethod_ = method; }
  CircleMethod circleMethod() const { return circleMethod_; }

  // The key of the strip or lattice values held (empty before the first computation).
  const std::string& stripKey() const { return stripKey_; }
  const std::string& latticeKey() const { return latticeKey_; }
  // Called with the problem whose values were just computed afresh (reused values call
  // nothing), so that tests and benchmarks can watch the cache at work. Nothing by default.
  void SetComputationObserver(std::function<void(Problem)> observer) {
    observer_ = std::move(observer);
  }

 private:
  // The values are a cache of what the tables give, so reading them is const.
  mutable ResultsGrid grid_;
  mutable std::string stripKey_, latticeKey_;
  mutable bool stripValid_ = false, latticeValid_ = false;
  CircleMethod circleMethod_ = CircleMethod::kExact;
  std::function<void(Problem)> observer_;
};

}  // namespace qel
