// Collects the comparisons of one verification family: count, largest error and samples.
#pragma once

#include <string>
#include <vector>

#include "engine/verification.h"

namespace qel {

class VerificationRecorder {
 public:
  VerificationRecorder(std::string name, double tolerance, ErrorUnit unit);
  // Compares the program's `value` for `inputs` with `reference`. A value that is not a number
  // fails the family.
  void Compare(std::vector<VerificationInput> inputs, double value, long double reference);
  // The family with its samples: the first comparison, the middle one and the first with the
  // largest error.
  VerificationFamily result() const;

 private:
  VerificationFamily family_;
  std::vector<VerificationSample> compared_;
};

}  // namespace qel
