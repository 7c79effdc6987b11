// Step and ramp responses of a finite sum of decaying modes.
#include "engine/mode_sum.h"

#include <cmath>
#include <stdexcept>

#include "engine/decay_means.h"

namespace qel {

namespace {

// exp(-x) is below 5e-18 from here on: a mode this far decayed counts as gone.
constexpr double kDecayed = 40.0;

}  // namespace

ModeSum::ModeSum(std::vector<double> rates, std::vector<double> weights)
    : rates_(std::move(rates)), weights_(std::move(weights)) {
  if (rates_.size() != weights_.size())
    throw std::invalid_argument("every mode needs one rate and one weight");
  for (std::size_t k = 0; k < rates_.size(); ++k) {
    if (!(rates_[k] >= 0.0) || !std::isfinite(rates_[k]) || !std::isfinite(weights_[k]))
      throw std::invalid_argument("mode rates must be finite and not negative");
    if (k > 0 && rates_[k] < rates_[k - 1]) throw std::invalid_argument("mode rates must ascend");
  }
  const std::size_t n = rates_.size();
  tailWeight_.assign(n + 1, 0.0);
  tailWeightPerRate_.assign(n + 1, 0.0);
  for (std::size_t k = n; k-- > 0;) {
    tailWeight_[k] = tailWeight_[k + 1] + weights_[k];
    tailWeightPerRate_[k] =
        tailWeightPerRate_[k + 1] + (rates_[k] > 0.0 ? weights_[k] / rates_[k] : 0.0);
  }
}

double ModeSum::Step(double elapsed) const {
  if (std::isnan(elapsed)) return elapsed;
  if (!(elapsed > 0.0)) return 0.0;
  double sum = 0.0;
  std::size_t k = 0;
  for (; k < rates_.size() && rates_[k] * elapsed <= kDecayed; ++k)
    sum += weights_[k] * -std::expm1(-rates_[k] * elapsed);
  return sum + tailWeight_[k];
}

double ModeSum::Ramp(LoadRamp ramp, double t) const {
  if (std::isnan(t)) return t;
  if (!(t > ramp.start)) return 0.0;
  if (ramp.isStep()) return Step(t - ramp.start);
  const double duration = ramp.duration();
  std::size_t k = 0;
  double sum = 0.0;
  if (t <= ramp.end) {
    // (1/D) sum of weight_k x MeanRise(rate_k x): a decayed mode's mean rise is 1 - 1 / (rate x).
    const double x = t - ramp.start;
    for (; k < rates_.size() && rates_[k] * x <= kDecayed; ++k)
      sum += weights_[k] * MeanRise(rates_[k] * x);
    return (x * (sum + tailWeight_[k]) - tailWeightPerRate_[k]) / duration;
  }
  // Each mode's remainder exp(-rate x0) MeanDecay(rate D) averaged over the ramp, x0 the days
  // since its end.
  const double sinceEnd = t - ramp.end;
  for (; k < rates_.size() && rates_[k] * sinceEnd <= kDecayed; ++k)
    sum += weights_[k] * std::exp(-rates_[k] * sinceEnd) * MeanDecay(rates_[k] * duration);
  return final() - sum;
}

}  // namespace qel
