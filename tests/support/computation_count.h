// A stand-in for the engine's results computations that counts how often a DocumentResults
// computes each problem's values afresh: give it to the DocumentResults under test, and read
// the counts, or what was computed since a Mark().
#pragma once

#include "document/load_lists.h"
#include "document/results_computer.h"

namespace qel::test {

class ComputationCount : public ResultsComputer {
 public:
  void Strip(const StripProblem& strip, ResultsGrid& grid) const override {
    ++strip_;
    EngineResults().Strip(strip, grid);
  }
  void Lattice(const PlanProblem& plan, CircleMethod circles, ResultsGrid& grid) const override {
    ++lattice_;
    EngineResults().Lattice(plan, circles, grid);
  }

  int strip() const { return strip_; }
  int lattice() const { return lattice_; }

  // The computations from now on.
  struct Since {
    const ComputationCount* count;
    int strip0, lattice0;
    int strip() const { return count->strip_ - strip0; }
    int lattice() const { return count->lattice_ - lattice0; }
  };
  Since Mark() const { return {this, strip_, lattice_}; }

 private:
  mutable int strip_ = 0, lattice_ = 0;
};

}  // namespace qel::test
