// A small e-log p plot of one oedometer curve: p on a logarithmic axis across, e upwards.
#pragma once

#include <string>

#include "engine/soil_profile.h"
#include "view/graph_axes.h"
#include "view/render_context.h"

namespace qel {

// The ranges of the plot of `curve`: the whole decades of p around its points (at least one),
// and the round e range around its void ratios (e rising upwards: `from` at the bottom).
struct ElogPPlotRanges {
  int firstDecade = 0, lastDecade = 1;
  AxisRange e;
};
ElogPPlotRanges ElogPRanges(const ElogPCurve& curve);

// The plot in the device box: frame, decade and e grid lines with their values, the curve as a
// solid black line through its points, each point marked, and the captions "p (unit)" under
// the frame and "e" above it. Its texts are 8 points. Nothing for a box too small to read.
void DrawElogPPlot(DeviceContext& dc, RenderContext& ctx, const ElogPCurve& curve, int left,
                   int top, int right, int bottom, const std::string& stressUnit);

}  // namespace qel
