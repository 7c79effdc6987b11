// The dP results of a document, kept beside its tables: computed from the load and point cells
// when first asked for after one of those cells changed, and reused until then by every paint,
// page count, printed page, save and qel-cli command.
#pragma once

#include <cstdint>
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

class Document;

// How the values of each problem are worked out into a results grid.
struct ResultsComputation {
  std::function<void(const DocumentTables&, ResultsGrid&)> strip;
  std::function<void(const DocumentTables&, ResultsGrid&, CircleMethod)> lattice;
};
// The engine's: ComputeStripResults, and ComputeLatticeResults on every core.
ResultsComputation EngineResultsComputation();

class DocumentResults {
 public:
  // Computing with the engine, or with `computation`, which must give the same values (a test
  // or a benchmark counting the work wraps the engine's).
  DocumentResults() : DocumentResults(EngineResultsComputation()) {}
  explicit DocumentResults(ResultsComputation computation) : compute_(std::move(computation)) {}

  // The key of the cells the results of `problem` are computed from (StripResultsKey or
  // LatticeResultsKey of the document's cells), worked out once per revision of the problem:
  // reading it again before the problem changes costs nothing.
  const std::string& InputsKey(const Document& document, Problem problem) const;
  // The results of the document's cells, found through InputsKey: a change that leaves the
  // load and point cells as they were (a title, a scale) computes nothing.
  const ResultsGrid& Strip(const Document& document) const;
  const ResultsGrid& Lattice(const Document& document) const;

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

 private:
  const ResultsGrid& StripFor(std::string key, const DocumentTables& tables) const;
  const ResultsGrid& LatticeFor(std::string key, const DocumentTables& tables) const;

  // The inputs key of each problem [Problem], with the document and revision it was made for.
  struct KeptInputs {
    const Document* document = nullptr;
    std::uint64_t revision = 0;
    std::string key;
  };
  mutable KeptInputs inputs_[2];
  // The values are a cache of what the tables give, so reading them is const.
  mutable ResultsGrid grid_;
  mutable std::string stripKey_, latticeKey_;
  mutable bool stripValid_ = false, latticeValid_ = false;
  CircleMethod circleMethod_ = CircleMethod::kExact;
  ResultsComputation compute_;
};

}  // namespace qel
