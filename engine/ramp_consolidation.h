// The average degree of consolidation of one consolidating unit (a layer, a group of layers or a
// slice) under a step load and under a load rising linearly over a ramp, from the modes of
// Terzaghi's solution with an optional radial drainage term.
#pragma once

#include "engine/load_ramp.h"

namespace qel {

// The unit's modes m = 0, 1, ... have weights 2 / M^2 and rates M^2 vertical + radial, with
// M = pi (2m + 1) / 2. vertical = cv / Hd^2 (cv in m2/day, Hd in m), radial from vertical
// drains; both in 1/day, neither negative.
struct ConsolidationRates {
  double vertical = 0;
  double radial = 0;
};

// U `elapsed` days after a step: 1 - (1 - Uv(vertical elapsed)) exp(-radial elapsed), Uv
// Terzaghi's degree; 0 for elapsed <= 0.
double StepConsolidation(ConsolidationRates rates, double elapsed);

// U on day t under a load applied over `ramp`: the step response averaged over the part of the
// ramp applied by t, U(t) = (1/D) integral of StepConsolidation(t - s) ds over the applied part.
// Exact to about 1e-15 absolute at every t (no series that cancels, no exp of a positive
// argument); 0 up to ramp.start, the step for a ramp of no duration.
double RampConsolidation(ConsolidationRates rates, LoadRamp ramp, double t);

// The rate `vertical` of a layer: cv (cm2/day) 1e-4 / Hd^2 (Hd in m).
double VerticalRate(double cvSquareCentimetresPerDay, double drainagePath);

}  // namespace qel
