// The vertical section at the head of the rectangle/circle depth display: how deep it reaches,
// the scales it is drawn at, and the drawing with its isobars, loads and lattice points.
#pragma once

#include <string>
#include <vector>

#include "analysis/contour_lines.h"
#include "analysis/depth_curves.h"
#include "analysis/section_survey.h"
#include "view/graph_axes.h"
#include "view/render_context.h"

namespace qel {

// The smallest round scale 1/n (n = 1, 1.5, 2, 2.5, 3, 4, 5, 6 or 8 times a power of ten) at
// which `metres` fit in `millimetres`.
double RoundScaleFor(double metres, double millimetres);

// Draws the section along `section` over SectionWindow at the top of `box`, to the largest
// round scale at which it fits there, with its heading, isobars at the plan's levels, the loaded
// stretches of the surface and the lattice points on the line, and under it the isobars'
// caption (saying so when no level falls within the section's values); shrinks `box` to what
// it took.
void DrawSection(DeviceContext& dc, RenderContext& ctx, const ResolvedSection& section,
                 PaperBox& box);

}  // namespace qel
