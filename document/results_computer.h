// How the results cache fills its grid: with the engine's computations, or, in tests, with a
// double that watches them.
#pragma once

#include "document/document_tables.h"
#include "engine/circle_method.h"

namespace qel {

struct StripProblem;
struct PlanProblem;

class ResultsComputer {
 public:
  virtual ~ResultsComputer() = default;
  // ComputeStripResults and ComputeLatticeResults, or what stands in for them.
  virtual void Strip(const StripProblem& strip, ResultsGrid& grid) const = 0;
  virtual void Lattice(const PlanProblem& plan, CircleMethod circles, ResultsGrid& grid) const = 0;
};

// The engine's computations: what the program uses.
const ResultsComputer& EngineResults();

}  // namespace qel
