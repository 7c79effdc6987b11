// Means of exp(-s) over [0, x] and their complements, without cancellation at small x.
#pragma once

#include <cmath>

namespace qel {

// (1 - exp(-x)) / x, the mean of exp(-s) over [0, x], for x >= 0 (1 at 0).
inline double MeanDecay(double x) {
  return x > 0.0 ? -std::expm1(-x) / x : 1.0;
}

// (x - 1 + exp(-x)) / x = 1 - MeanDecay(x), the mean of 1 - exp(-s) over [0, x], for x >= 0; by
// its Taylor series where the difference would cancel.
inline double MeanRise(double x) {
  if (x >= 0.5) return 1.0 - MeanDecay(x);
  // Terms (-1)^k x^(k-1) / k! for k >= 2, each -x / (k + 1) times the one before.
  double term = x / 2.0, sum = 0.0;
  for (int k = 2; k < 40 && std::fabs(term) > 1e-18 * std::fabs(sum); ++k) {
    sum += term;
    term *= -x / (k + 1);
  }
  return sum;
}

}  // namespace qel
