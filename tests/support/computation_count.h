// Counts the work of the results, isobar and settlement caches: they are made with counting
// stand-ins for what they compute with, and a ComputationCount tells what ran since it was taken.
#pragma once

#include <memory>

#include "analysis/isobars.h"
#include "analysis/settlement_analysis.h"
#include "document/document_results.h"
#include "document/results_computer.h"
#include "view/application_state.h"
#include "view/render_caches.h"

namespace qel::test {

class CountedComputations : public ResultsComputer {
 public:
  // The engine's results computations, counted here.
  void Strip(const StripProblem& strip, ResultsGrid& grid) const override {
    ++counts_->strip;
    EngineResults().Strip(strip, grid);
  }
  void Lattice(const PlanProblem& plan, CircleMethod circles, ResultsGrid& grid) const override {
    ++counts_->lattice;
    EngineResults().Lattice(plan, circles, grid);
  }
  const ResultsComputer& Results() const { return *this; }
  IsobarTracer Isobars() const {
    return [counts = counts_](const Document& document, const SystemSettings& settings,
                              const IsobarRequest& request) {
      ++counts->isobars;
      return ComputeIsobars(document, settings, request);
    };
  }
  SettlementComputation Settlement() const {
    return [counts = counts_](const Document& document, int unitSystem, CircleMethod method) {
      ++counts->settlements;
      return ComputeDocumentSettlement(document, unitSystem, method);
    };
  }
  // Makes the results and caches of `state` anew with these computations (which must outlive
  // it): what they held is computed again when next asked for.
  void CountIn(ApplicationState& state) const {
    state.results = DocumentResults(*this);
    CountIn(state.caches);
  }
  void CountIn(RenderCaches& caches) const {
    caches = RenderCaches();
    caches.isobars = IsobarCache(Isobars());
    caches.settlement.compute = Settlement();
  }

  int strip() const { return counts_->strip; }
  int lattice() const { return counts_->lattice; }
  int isobars() const { return counts_->isobars; }
  int settlements() const { return counts_->settlements; }

 private:
  struct Counts {
    int strip = 0, lattice = 0, isobars = 0, settlements = 0;
  };
  std::shared_ptr<Counts> counts_ = std::make_shared<Counts>();
};

// What the counted computations ran since this was taken.
class ComputationCount {
 public:
  explicit ComputationCount(const CountedComputations& counted)
      : counted_(counted),
        strip_(counted.strip()),
        lattice_(counted.lattice()),
        isobars_(counted.isobars()),
        settlements_(counted.settlements()) {}

  int strip() const { return counted_.strip() - strip_; }
  int lattice() const { return counted_.lattice() - lattice_; }
  int isobars() const { return counted_.isobars() - isobars_; }
  int settlements() const { return counted_.settlements() - settlements_; }

 private:
  const CountedComputations& counted_;
  int strip_, lattice_, isobars_, settlements_;
};

}  // namespace qel::test
