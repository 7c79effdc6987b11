// A stress-depth graph on the page: its frame in device units, round axis steps, the axes with
// their values and captions, and the curves with their points, values and legend.
#pragma once

#include <string>
#include <vector>

#include "view/depth_curves.h"
#include "view/figure_notes.h"
#include "view/render_context.h"

namespace qel {

// An axis from `from` to `to` with labelled ticks at the multiples of `step` between them.
struct AxisRange {
  double from = 0.0, to = 1.0, step = 1.0;
};

// A round step (1, 2 or 5 times a power of ten) that cuts low..high into at most `ticks` parts,
// and the range widened to whole steps. An empty or non-finite range becomes 0..1.
AxisRange RoundAxisRange(double low, double high, int ticks);

// The rectangle of the graph in device units and what its edges stand for: `across` from the
// left edge to the right, depth z from the top edge down.
struct GraphFrame {
  int left = 0, top = 0, right = 0, bottom = 0;
  AxisRange across;
  AxisRange depth;
  int AcrossToX(double value) const;
  int DepthToY(double z) const;
};

// The dP range the curves and their marks need, with 0 in it, in round steps.
AxisRange CurveValueRange(const std::vector<DepthCurve>& curves);

// Where on the paper the graphs of a depth display go, in millimetres from the paper's top-left
// corner: below the title, inside the margins, with room for the axis values.
struct PaperBox {
  double leftMm = 0.0, topMm = 0.0, rightMm = 0.0, bottomMm = 0.0;
};
PaperBox DepthGraphBox(const RenderContext& ctx);
// The box in device units, with the two ranges.
GraphFrame FrameOnDevice(const RenderContext& ctx, const PaperBox& box, AxisRange across,
                         AxisRange depth);

// The frame, dotted lines at the ticks, the values along the top and the left edges and the
// captions `acrossCaption` above them and "z (m)" at the left; the boxes the texts take are
// added to `taken`.
void DrawGraphAxes(DeviceContext& dc, RenderContext& ctx, const GraphFrame& frame,
                   const std::string& acrossCaption, std::vector<PlacedNote>& taken);

// The dash pattern, marker and colour of curve `index`: six colours with distinct markers, and
// in monochrome distinct dashes and markers, so that black-and-white pages still tell the curves
// apart.
enum class CurveMarker { Circle, Square, Triangle, Cross, Diamond };
struct CurveStyle {
  PenStyle dash = PenStyle::Solid;
  CurveMarker marker = CurveMarker::Circle;
  Colour colour = 0;
};
CurveStyle CurveStyleOf(int index, bool monochrome);

// The legend in the frame's lower right corner, then the curves (clipped to the frame) and the
// marks of their calculation points with their values beside them where they keep clear of the
// legend and of each other.
void DrawDepthCurves(DeviceContext& dc, RenderContext& ctx, const GraphFrame& frame,
                     const std::vector<DepthCurve>& curves, std::vector<PlacedNote>& taken);

// A line of text at the top-left of the box, above the axis captions: what the graph shows.
void DrawGraphHeading(DeviceContext& dc, RenderContext& ctx, const PaperBox& box,
                      const std::string& text);

}  // namespace qel
