// The two depth displays: dP against depth under the strip calculation x values, and the
// vertical section of the rectangle/circle problem with its isobars and the depth curves of the
// lattice columns along it.
#include <algorithm>
#include <cmath>

#include "analysis/depth_curves.h"
#include "analysis/isobar_fields.h"
#include "base/c_locale.h"
#include "document/load_lists.h"
#include "document/strip_points.h"
#include "settings/number_format.h"
#include "view/depth_section.h"
#include "view/depth_values_table.h"
#include "view/drawing.h"
#include "view/graph_axes.h"
#include "view/page_furniture.h"
#include "view/renderers.h"

namespace qel {

namespace {

// The section takes at most this share of the box on its page; the curves have the rest, below
// a gap for their heading and axis values.
constexpr double kSectionShare = 0.4;
constexpr double kGraphGapMm = 16.0;
constexpr double kTableGapMm = kGraphTableGapMm;
constexpr double kLeastFrameMm = kLeastGraphFrameMm;

int GraphPages(std::size_t curves) {
  return GraphCount(curves);
}

// The curves of graph `graph` (1-based) of a display.
CurveRange GraphCurves(int graph) {
  return {(graph - 1) * kCurvesPerGraph, kCurvesPerGraph};
}

std::string PageOf(int graph, int graphs) {
  return graphs > 1 ? FormatC("　(%d/%d)", graph, graphs) : std::string();
}

// A position as the headings print it; a negative zero prints as 0.
std::string Metres(double value) {
  return FormatUnsignedZero("%g", value);
}

// Half a unit of the last digit the tables print dP with: a value smaller than that prints as 0.
double PrintedZero(int stressDigits) {
  return 0.5 * std::pow(10.0, -std::clamp(stressDigits, 0, 15));
}

// One graph of depth curves in `box`, with its heading, and under it the table of its legend and
// values. `largestLoad` is the dP axis's range when every value prints as 0.
void DrawCurvesGraph(DeviceContext& dc, RenderContext& ctx, const PaperBox& box,
                     const std::vector<DepthCurve>& curves, const std::string& heading,
                     double largestLoad) {
  const DeviceGeometry& g = ctx.geometry;
  const AxisRange values =
      CurveValueRange(curves, PrintedZero(ctx.settings.stressDigits), largestLoad);
  const std::vector<int> sameAs =
      CoincidentCurves(curves, std::max(std::fabs(values.from), std::fabs(values.to)));
  const int h = NoteTextHeight(ctx);
  const DepthTableLayout table = LayOutDepthTable(
      curves, sameAs, ClampToDevice((box.leftMm - kDepthValuesRoomMm) * g.pixelsPerMmX),
      ClampToDevice(box.leftMm * g.pixelsPerMmX), ClampToDevice(box.rightMm * g.pixelsPerMmX), h,
      ClampToDevice(kLeastLegendSampleMm * g.pixelsPerMmX),
      ClampToDevice(kLegendSampleMm * g.pixelsPerMmX));
  PaperBox graphBox = box;
  graphBox.bottomMm = std::max(box.topMm + kLeastFrameMm,
                               box.bottomMm - table.Height() / g.pixelsPerMmY - kTableGapMm);
  double bottom = 1.0;
  for (const DepthCurve& curve : curves)
    if (!curve.samples.empty()) bottom = std::max(bottom, curve.samples.back().z);
  const GraphFrame frame = FrameOnDevice(ctx, graphBox, values, RoundAxisRange(0.0, bottom, 10));
  DrawGraphHeading(dc, ctx, graphBox, heading);
  std::vector<PlacedNote> taken;
  DrawGraphAxes(dc, ctx, frame, FormatC("dP (%s)", StressUnitText(ctx.settings)), taken);
  DrawDepthCurves(dc, ctx, frame, curves);
  DrawDepthTable(dc, ctx, table, curves, sameAs,
                 ClampToDevice(frame.bottom + kTableGapMm * g.pixelsPerMmY));
}

}  // namespace

int RenderStripDepth(RenderContext& ctx, DeviceContext* dc, bool draw) {
  const int graphs = GraphPages(ctx.document.strip().points.xs().size());
  if (dc == nullptr || !draw) return graphs;
  const int graph = std::clamp(ctx.view.currentPage, 1, graphs);
  DrawDisplayTitle(*dc, ctx, Problem::Strip, DisplayKind::Depth);
  const std::vector<DepthCurve> curves = StripDepthCurves(
      ctx.document.strip(), StripResultsOf(ctx), ctx.settings.stressDigits, GraphCurves(graph));
  DrawCurvesGraph(*dc, ctx, DepthGraphBox(ctx), curves, "帯状荷重 深さ分布" + PageOf(graph, graphs),
                  StripIntensities(ctx.document.strip().engineLoads).Largest());
  return graphs;
}

int RenderRectCircleSection(RenderContext& ctx, DeviceContext* dc, bool draw) {
  const std::optional<ResolvedSection> section = ResolveSection(ctx.document.plan());
  const int pages = section ? GraphPages(SectionColumns(ctx.document.plan(), *section).size()) : 1;
  if (dc == nullptr || !draw) return pages;
  DrawDisplayTitle(*dc, ctx, Problem::RectCircle, DisplayKind::Depth);
  if (!section) return pages;
  const int page = std::clamp(ctx.view.currentPage, 1, pages);
  PaperBox box = DepthGraphBox(ctx);
  // Clear of the note that circles were computed the compatible way.
  if (const std::optional<double> note = CircleMethodNoteTopMm(ctx))
    box.bottomMm = std::min(box.bottomMm, *note - kTableGapMm);
  // The section heads the first page, and the curves of its first columns go below it.
  if (page == 1) {
    PaperBox sectionBox = box;
    sectionBox.bottomMm = box.topMm + (box.bottomMm - box.topMm) * kSectionShare;
    DrawSection(*dc, ctx, *section, sectionBox);
    box.topMm = sectionBox.bottomMm + kGraphGapMm;
  }
  const std::vector<DepthCurve> curves =
      SectionDepthCurves(ctx.document.plan(), LatticeResultsOf(ctx), *section,
                         ctx.settings.stressDigits, ctx.circleMethod, GraphCurves(page));
  DrawCurvesGraph(*dc, ctx, box, curves,
                  FormatC("長方形円形 深さ分布　%s = %s m", section->atY ? "y" : "x",
                          Metres(section->at).c_str()) +
                      PageOf(page, pages),
                  PlanIntensities(ctx.document.plan().engineLoads).Largest());
  return pages;
}

}  // namespace qel
