// The dP results of a document, kept beside it.
#include "document/document_results.h"

#include "document/document.h"
#include "document/load_lists.h"

namespace qel {

namespace {

class Engine : public ResultsComputer {
 public:
  void Strip(const StripProblem& strip, ResultsGrid& grid) const override {
    ComputeStripResults(strip, grid);
  }
  void Lattice(const PlanProblem& plan, CircleMethod circles, ResultsGrid& grid) const override {
    ComputeLatticeResults(plan, grid, 0, circles);
  }
};

}  // namespace

const ResultsComputer& EngineResults() {
  static const Engine engine;
  return engine;
}

ResultsKey StripResultsKey(const Document& document) {
  return {document.stressRevision(Problem::Strip), CircleMethod::kExact};
}

ResultsKey LatticeResultsKey(const Document& document, CircleMethod circles) {
  return {document.stressRevision(Problem::RectCircle), circles};
}

const ResultsGrid& DocumentResults::Strip(const Document& document) const {
  const ResultsKey key = StripResultsKey(document);
  if (!stripValid_ || !(key == stripKey_)) {
    computer_->Strip(document.strip(), grid_);
    stripKey_ = key;
    stripValid_ = true;
  }
  return grid_;
}

const ResultsGrid& DocumentResults::Lattice(const Document& document, CircleMethod circles) const {
  const ResultsKey key = LatticeResultsKey(document, circles);
  if (!latticeValid_ || !(key == latticeKey_)) {
    computer_->Lattice(document.plan(), circles, grid_);
    latticeKey_ = key;
    latticeValid_ = true;
  }
  return grid_;
}

}  // namespace qel
