// The dP results of a document, kept beside it: computed from its loads and calculation points
// when first asked for after they changed, and reused until then by every paint, page count,
// printed page, save and qel-cli command.
#pragma once

#include <cstdint>

#include "document/document_tables.h"
#include "document/results_computer.h"
#include "engine/circle_method.h"
#include "settings/problem.h"

namespace qel {

class Document;

// What the results of a problem are computed from: the revision of its loads and points, and
// for the lattice the circle method. Caches of what is computed from the results key on it.
struct ResultsKey {
  std::uint64_t loads = 0;
  CircleMethod circles = CircleMethod::kExact;
  friend bool operator==(const ResultsKey&, const ResultsKey&) = default;
};
ResultsKey StripResultsKey(const Document& document);
ResultsKey LatticeResultsKey(const Document& document, CircleMethod circles);

class DocumentResults {
 public:
  // Results computed by the engine, or by `computer` (which must outlive this).
  DocumentResults() : computer_(&EngineResults()) {}
  explicit DocumentResults(const ResultsComputer& computer) : computer_(&computer) {}

  // The results grid with the strip cells [x row][z row][0] of the document's strip points,
  // computed only when its key differs from the one computed last: a change that leaves the
  // loads and points as they were (a title, a scale) computes nothing.
  const ResultsGrid& Strip(const Document& document) const;
  // The results grid with the lattice cells [x][y][z] of the document's lattice, circles by
  // `circles`; likewise.
  const ResultsGrid& Lattice(const Document& document, CircleMethod circles) const;

 private:
  // The values are a cache of what the document gives, so reading them is const.
  mutable ResultsGrid grid_;
  mutable ResultsKey stripKey_, latticeKey_;
  mutable bool stripValid_ = false, latticeValid_ = false;
  const ResultsComputer* computer_;
};

}  // namespace qel
