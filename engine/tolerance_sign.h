// Sign of a value with a 1e-7 dead band, as the engine's case choices use it.
#pragma once

#include <cmath>

namespace qel {

// 0 when |value| <= 1e-7, else +1 for a positive value and -1 otherwise. The engine keeps its
// own copy so that it depends on nothing outside engine/.
inline int ToleranceSign(double value) {
  if (std::fabs(value) <= 1e-7) return 0;
  return value > 0.0 ? 1 : -1;
}

}  // namespace qel
