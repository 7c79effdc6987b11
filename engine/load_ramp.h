// A load that rises linearly from 0 to its full value between two days, and Terzaghi's
// construction correction of an instantaneous consolidation curve for it.
#pragma once

#include <cmath>

namespace qel {

// The load is 0 up to `start`, rises at a constant rate to its full value at `end` and stays
// there; start == end is a step at `start`. Days.
struct LoadRamp {
  double start = 0;
  double end = 0;
  double duration() const { return end - start; }
  bool isStep() const { return !(end > start); }
};

// Terzaghi's correction for a load built up over a ramp: during the ramp the curve at half the
// elapsed time, scaled by the share of the load applied so far; after it the curve shifted by
// half the ramp. `instantaneous(elapsed)` is the degree of consolidation `elapsed` days after a
// step. 0 up to the start; a step ramp gives the instantaneous curve itself.
template <class InstantaneousCurve>
double CorrectedForConstruction(const InstantaneousCurve& instantaneous, LoadRamp ramp, double t) {
  if (std::isnan(t)) return t;
  if (!(t > ramp.start)) return 0.0;
  const double elapsed = t - ramp.start;
  if (ramp.isStep()) return instantaneous(elapsed);
  const double duration = ramp.duration();
  if (t <= ramp.end) return instantaneous(elapsed / 2.0) * (elapsed / duration);
  return instantaneous(elapsed - duration / 2.0);
}

}  // namespace qel
