// A stress-depth graph on the page: its frame in device units, round axis steps, the axes with
// their values and captions, and the curves with their calculation points.
#pragma once

#include <cstddef>

#include <string>
#include <vector>

#include "analysis/depth_curves.h"
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

// How the across axis reads: in proportion to the value, or to its logarithm, `across` then
// holding the powers of ten (whole decades, step 1) of its ends.
enum class AxisScale { kLinear, kLog };

// The rectangle of the graph in device units and what its edges stand for: `across` from the
// left edge to the right, depth z from the top edge down.
struct GraphFrame {
  int left = 0, top = 0, right = 0, bottom = 0;
  AxisRange across;
  AxisRange depth;
  AxisScale acrossScale = AxisScale::kLinear;
  int AcrossToX(double value) const;
  int DepthToY(double z) const;
};

// The dP range the curves and their marks need, with 0 in it, in round steps. Values smaller in
// size than `printedZero` count as 0 (they print as 0 in the tables); when every value does, the
// range is 0 to `fallbackTop` (the largest load intensity), or 0 to 1 when that is not a
// positive number, so that the axis never reads "0 0 0 0".
AxisRange CurveValueRange(const std::vector<DepthCurve>& curves, double printedZero,
                          double fallbackTop);

// Millimetres left of a graph's frame for the depth values, and for the depth column of the
// table under it.
inline constexpr double kDepthValuesRoomMm = 14.0;

// Where on the paper the graphs of a depth display go, in millimetres from the paper's top-left
// corner: below the title, inside the margins, with room for the axis values.
struct PaperBox {
  double leftMm = 0.0, topMm = 0.0, rightMm = 0.0, bottomMm = 0.0;
};

PaperBox DepthGraphBox(const RenderContext& ctx);
// Lines of text in the notes' size from the top of `box` down, beginning where a graph's values
// begin, as many as the box holds: what a graph page prints when it has no graph to draw.
void DrawLinesInBox(DeviceContext& dc, RenderContext& ctx, const PaperBox& box,
                    const std::vector<std::string>& lines);
// The box in device units, with the two ranges.
GraphFrame FrameOnDevice(const RenderContext& ctx, const PaperBox& box, AxisRange across,
                         AxisRange depth);

// The frame, thin light grid lines at the ticks (solid, lighter and thinner than any curve, so
// that they never pass for a curve's dashes), the values along the top and the left edges and
// the captions `acrossCaption` above them and `depthCaption` at the left; the boxes the texts
// take are added to `taken`. A logarithmic across axis has its grid lines and values at the
// decades, and short ticks at 2 to 9 times each along the top and bottom edges.
void DrawGraphAxes(DeviceContext& dc, RenderContext& ctx, const GraphFrame& frame,
                   const std::string& acrossCaption, std::vector<PlacedNote>& taken,
                   const std::string& depthCaption = "z (m)");

// The value of the decade 10^`power` as an axis prints it: "0.01", "1", "1000".
std::string DecadeText(int power);

// More curves on one graph no longer read apart, even with six line types and markers.
inline constexpr int kCurvesPerGraph = 6;
// Millimetres between a graph's frame and the table under it, and the least height of a frame.
inline constexpr double kGraphTableGapMm = 4.0;
inline constexpr double kLeastGraphFrameMm = 20.0;

// How many graphs of kCurvesPerGraph curves `curves` curves take: at least one.
inline int GraphCount(std::size_t curves) {
  return curves == 0 ? 1 : static_cast<int>((curves + kCurvesPerGraph - 1) / kCurvesPerGraph);
}

// The line type, marker and colour of curve `index`: the six curves of a graph each have their
// own line type (solid, dashed, dotted, chain, long-dashed, chain with two dots) and marker, in
// colour also their own colour, so that a black-and-white copy of a colour page still tells
// them apart.
enum class CurveMarker { Circle, Square, Triangle, Cross, Diamond, InvertedTriangle };
inline constexpr int kCurveStyles = kCurvesPerGraph;

struct CurveStyle {
  PenStyle dash = PenStyle::Solid;
  CurveMarker marker = CurveMarker::Circle;
  Colour colour = 0;
};
CurveStyle CurveStyleOf(int index, bool monochrome);

// The width of a curve's line on the device.
int CurveLineWidth(const WorldTransform& t);

// A sample of curve style `style` for a legend: its line from x0 to x1 at height y and its
// marker in the middle.
void DrawCurveSample(DeviceContext& dc, const WorldTransform& t, const CurveStyle& style, int x0,
                     int x1, int y);

// The curves, clipped to the frame, and the markers of their calculation points; each curve's
// companion thin, its branch thin and dotted, its ticks as short lines across it. Their values
// are listed under the graph (DrawDepthTable), so nothing is written inside the frame.
void DrawDepthCurves(DeviceContext& dc, RenderContext& ctx, const GraphFrame& frame,
                     const std::vector<DepthCurve>& curves);

// A line of text at the top-left of the box, above the axis captions: what the graph shows.
void DrawGraphHeading(DeviceContext& dc, RenderContext& ctx, const PaperBox& box,
                      const std::string& text);

}  // namespace qel
