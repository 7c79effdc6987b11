// Collects the comparisons of one verification family.
#include "engine/verification_recorder.h"

#include <cmath>
#include <set>

namespace qel {

VerificationRecorder::VerificationRecorder(std::string name, double tolerance, ErrorUnit unit) {
  family_.name = std::move(name);
  family_.tolerance = tolerance;
  family_.unit = unit;
}

void VerificationRecorder::Compare(std::vector<VerificationInput> inputs, double value,
                                   long double reference) {
  double error = std::fabs(static_cast<double>(value - reference));
  if (std::isnan(error)) error = INFINITY;
  VerificationSample sample;
  sample.index = ++family_.count;
  sample.inputs = std::move(inputs);
  sample.reference = static_cast<double>(reference);
  sample.value = value;
  sample.error = error;
  compared_.push_back(std::move(sample));
}

VerificationFamily VerificationRecorder::result() const {
  VerificationFamily family = family_;
  if (compared_.empty()) return family;
  std::size_t largest = 0;
  for (std::size_t i = 1; i < compared_.size(); ++i)
    if (compared_[i].error > compared_[largest].error) largest = i;
  family.largestError = compared_[largest].error;
  for (std::size_t i : std::set<std::size_t>{0, compared_.size() / 2, largest}) {
    family.samples.push_back(compared_[i]);
    family.samples.back().largest = i == largest;
  }
  return family;
}

}  // namespace qel
