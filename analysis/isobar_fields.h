// The dP fields isobars are traced on, evaluated exactly as the results tables evaluate dP.
#pragma once

#include "analysis/contour_lines.h"
#include "engine/rect_circle_influence.h"
#include "engine/strip_influence.h"

namespace qel {

// dP(x, z) of both strip load sets, as the strip results table computes it (u = x, v = z).
ScalarField StripStressField(StripLoadSets loads);

// dP(x, y) of the rectangles and circles at depth z, as the lattice results compute it (the
// depth floored as theirs, circles by loads.circleMethod).
ScalarField PlanStressField(PlanLoads loads, double z);

// PlanStressField as isobars of a plan over `window` trace it, several times faster: each
// rectangle by RectangleAtDepth and each circle of the exact method from its CircleProfile,
// each within 1e-12 of its intensity of the direct value, far below the vertices' tolerance.
// Profiles are built on `threads` threads. The compatible method is PlanStressField itself.
ScalarField PlanIsobarField(PlanLoads loads, double z, const ContourWindow& window, int threads);

// dP of the rectangles and circles on the surface itself (z = 0): each load's intensity inside
// it, half of it on its outline, a quarter at a rectangle's corner, nothing outside; circles of
// the compatible method as that method gives them at the floored depth (blended across their
// edge). Traced with a negative root tolerance, so that every vertex is at its jump.
ScalarField SurfaceLoadField(PlanLoads loads);

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
