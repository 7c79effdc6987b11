// The dP fields isobars are traced on, evaluated exactly as the results tables evaluate dP.
#pragma once

#include "engine/rect_circle_influence.h"
#include "engine/strip_influence.h"
#include "view/contour_lines.h"

namespace qel {

// dP(x, z) of both strip load sets, as the strip results table computes it (u = x, v = z).
ScalarField StripStressField(StripLoadSets loads);

// dP(x, y) of the rectangles and circles at depth z, as the lattice results compute it (the
// depth floored as theirs, circles by loads.circleMethod).
ScalarField PlanStressField(PlanLoads loads, double z);

// dP on the vertical section y = `at` (u = x) or x = `at` (u = y), v = z floored as the lattice
// floors it.
ScalarField SectionStressField(PlanLoads loads, bool sectionAtY, double at);

// The largest load intensity of each sign: h * gamma of the strip pieces, q of the rectangles
// and circles. `positive` >= 0 >= `negative`.
struct LoadIntensities {
  double positive = 0.0;
  double negative = 0.0;
  double Largest() const { return positive > -negative ? positive : -negative; }
};
LoadIntensities StripIntensities(const StripLoadSets& loads);
LoadIntensities PlanIntensities(const PlanLoads& loads);

}  // namespace qel
