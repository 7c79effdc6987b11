// A degree of consolidation given by finitely many decaying modes, under a step and a ramp load.
#pragma once

#include <vector>

#include "engine/load_ramp.h"

namespace qel {

// U(elapsed) = sum over k of weight_k (1 - exp(-rate_k elapsed)) after a step; under a ramp,
// the same averaged over the applied part of the ramp. The weights may have either sign; their
// sum is U's final value (1 for a degree).
class ModeSum {
 public:
  ModeSum() = default;
  // Throws std::invalid_argument when the sizes differ, a rate is negative or not finite, or the
  // rates do not ascend.
  ModeSum(std::vector<double> rates, std::vector<double> weights);

  const std::vector<double>& rates() const { return rates_; }
  const std::vector<double>& weights() const { return weights_; }
  // The value for ever after: the sum of the weights.
  double final() const { return tailWeight_[0]; }

  // U `elapsed` days after a step (0 for elapsed <= 0).
  double Step(double elapsed) const;
  // U on day t under a load applied over `ramp` (a step when it has no duration).
  double Ramp(LoadRamp ramp, double t) const;

 private:
  std::vector<double> rates_, weights_;
  // Sums from mode k to the last of weight and of weight / rate (where the rate is positive): the
  // modes that have died out are summed at once.
  std::vector<double> tailWeight_{0.0}, tailWeightPerRate_{0.0};
};

}  // namespace qel
