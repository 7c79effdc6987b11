// Counts how often a DocumentResults computes each problem's values afresh, while it lives.
#pragma once

#include "document/document_results.h"

namespace qel::test {

class ComputationCount {
 public:
  explicit ComputationCount(DocumentResults& results) : results_(results) {
    results_.SetComputationObserver(
        [this](Problem problem) { ++(problem == Problem::Strip ? strip_ : lattice_); });
  }
  ~ComputationCount() { results_.SetComputationObserver(nullptr); }
  ComputationCount(const ComputationCount&) = delete;
  ComputationCount& operator=(const ComputationCount&) = delete;

  int strip() const { return strip_; }
  int lattice() const { return lattice_; }

 private:
  DocumentResults& results_;
  int strip_ = 0, lattice_ = 0;
};

}  // namespace qel::test
