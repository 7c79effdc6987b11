// The vertical section at the head of the rectangle/circle depth display: how deep it reaches,
// the scales it is drawn at, and the drawing with its isobars, loads and lattice points.
#pragma once

#include <string>
#include <vector>

#include "analysis/contour_lines.h"
#include "analysis/depth_curves.h"
#include "view/graph_axes.h"
#include "view/render_context.h"

namespace qel {

// The section follows the bulbs down to at most this many times the depth of the default
// section window, which is kIsobarDepthFactor times the deepest lattice z: three times that z.
inline constexpr double kSectionDepthLimit = 2.4;

// Where the bulbs of a section's lowest levels reach, surveyed over `window` (v0 = 0 to v1, the
// default depth) and on down to kSectionDepthLimit times its depth: on a lattice of columns
// evenly across it and at `columns` (a bulb is deepest under its load) and of rows evenly down,
// the deepest crossing then found to a thousandth of a row by halving. The points beyond the
// lowest positive level or the highest negative one are the bulbs.
struct BulbSurvey {
  bool found = false;  // whether any point of the lattice lies in a bulb
  // A twentieth below the deepest point of a bulb, within the limit.
  double bottom = 0.0;
  double uLow = 0.0, uHigh = 0.0;  // the left-most and right-most column in a bulb
};
BulbSurvey SurveyBulbs(const ScalarField& field, const ContourWindow& window,
                       const std::vector<double>& levels, const std::vector<double>& columns);

// The window the section shows: across, the stretch `content` spans (its lattice columns and
// loads) together with the bulbs, and a twentieth of its width or depth more on each side; down,
// from the surface to the deeper of `window`'s depth and the bulbs' bottom. `window` itself
// where there is nothing to show.
ContourWindow SectionWindow(const ContourWindow& window, const std::vector<double>& content,
                            const BulbSurvey& bulbs);

// The smallest and the largest dP over the window, sampled on an even lattice.
struct ValueSpan {
  double low = 0.0, high = 0.0;
};
ValueSpan SampledValueSpan(const ScalarField& field, const ContourWindow& window);

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
