// The two depth displays: dP against depth under the strip calculation x values, and the
// vertical section of the rectangle/circle problem with its isobars and the depth curves of the
// lattice columns along it.
#include <algorithm>
#include <cmath>

#include "document/lattice_points.h"
#include "document/load_lists.h"
#include "document/strip_points.h"
#include "settings/c_locale.h"
#include "settings/drawing.h"
#include "settings/number_format.h"
#include "view/depth_curves.h"
#include "view/figure_common.h"
#include "view/graph_axes.h"
#include "view/isobar_layer.h"
#include "view/isobar_windows.h"
#include "view/page_furniture.h"
#include "view/renderers.h"

namespace qel {

namespace {

// More curves on one graph no longer read apart, even with six colours and five markers.
constexpr int kCurvesPerGraph = 6;
constexpr Colour kLoadColour = 0x2020D0;  // 0x00BBGGRR: the loaded stretches of the surface
// The section takes at most this share of the box on its page; the curves have the rest, below
// a gap for their heading and axis values.
constexpr double kSectionShare = 0.4;
constexpr double kGraphGapMm = 16.0;

int GraphPages(std::size_t curves) {
  return std::max(1, static_cast<int>((curves + kCurvesPerGraph - 1) / kCurvesPerGraph));
}

// The curves of graph `graph` (1-based) of a display.
CurveRange GraphCurves(int graph) {
  return {(graph - 1) * kCurvesPerGraph, kCurvesPerGraph};
}

std::string PageOf(int graph, int graphs) {
  return graphs > 1 ? FormatC("　(%d/%d)", graph, graphs) : std::string();
}

// A position or scale as the headings print it; a negative zero prints as 0.
std::string Metres(double value) {
  return FormatUnsignedZero("%g", value);
}

// One graph of depth curves in `box`, with its heading.
void DrawCurvesGraph(DeviceContext& dc, RenderContext& ctx, const PaperBox& box,
                     const std::vector<DepthCurve>& curves, const std::string& heading) {
  double bottom = 1.0;
  for (const DepthCurve& curve : curves)
    if (!curve.samples.empty()) bottom = std::max(bottom, curve.samples.back().z);
  const GraphFrame frame =
      FrameOnDevice(ctx, box, CurveValueRange(curves), RoundAxisRange(0.0, bottom, 10));
  DrawGraphHeading(dc, ctx, box, heading);
  std::vector<PlacedNote> taken;
  DrawGraphAxes(dc, ctx, frame, FormatC("dP (%s)", StressUnitText(ctx.settings)), taken);
  DrawDepthCurves(dc, ctx, frame, curves, taken);
}

// The smallest round scale 1/n (n = 1, 1.5, 2, 2.5, 3, 4, 5, 6 or 8 times a power of ten) at
// which `metres` fit in `millimetres`.
double RoundScaleFor(double metres, double millimetres) {
  const double needed = metres * 1000.0 / std::max(millimetres, 1.0);
  for (double power = 1.0; power < 1e9; power *= 10.0)
    for (double factor : {1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0})
      if (factor * power >= needed) return factor * power;
  return 1e9;
}

// Restores the transform the section page changes, however the page ends.
class SavedTransform {
 public:
  explicit SavedTransform(WorldTransform& transform) : transform_(transform), saved_(transform) {}
  ~SavedTransform() { transform_ = saved_; }
  SavedTransform(const SavedTransform&) = delete;
  SavedTransform& operator=(const SavedTransform&) = delete;

 private:
  WorldTransform& transform_;
  WorldTransform saved_;
};

// The stretches of the section line under each rectangle and circle, as (from, to) along it.
std::vector<std::pair<double, double>> LoadedStretches(const DocumentTables& tables,
                                                       const ResolvedSection& section) {
  std::vector<std::pair<double, double>> stretches;
  const PlanLoads loads = ExtractPlanLoads(tables);
  for (const RectLoad& r : loads.rectangles) {
    const double across0 = section.atY ? std::min(r.y1, r.y2) : std::min(r.x1, r.x2);
    const double across1 = section.atY ? std::max(r.y1, r.y2) : std::max(r.x1, r.x2);
    if (section.at < across0 || section.at > across1) continue;
    stretches.emplace_back(section.atY ? std::min(r.x1, r.x2) : std::min(r.y1, r.y2),
                           section.atY ? std::max(r.x1, r.x2) : std::max(r.y1, r.y2));
  }
  for (const CircleLoad& c : loads.circles) {
    const double off = section.at - (section.atY ? c.y : c.x);
    if (!(std::fabs(off) < c.r)) continue;
    const double half = std::sqrt(c.r * c.r - off * off), centre = section.atY ? c.x : c.y;
    stretches.emplace_back(centre - half, centre + half);
  }
  return stretches;
}

// The section to scale within `box` (which it shrinks to its size), its isobars, the loaded
// stretches along the surface and the lattice points on the line.
void DrawSection(DeviceContext& dc, RenderContext& ctx, const ResolvedSection& section,
                 PaperBox& box) {
  const ContourWindow window = SectionIsobarWindow(ctx.tables, ctx.settings, section.atY);
  const double width = window.u1 - window.u0, depth = window.v1 - window.v0;
  if (!(width > 0) || !(depth > 0)) return;
  const double scale = std::max(RoundScaleFor(width, box.rightMm - box.leftMm),
                                RoundScaleFor(depth, box.bottomMm - box.topMm));
  const double mmPerMetre = 1000.0 / scale;
  const double roomRightMm = box.rightMm - (box.leftMm + width * mmPerMetre);
  box.rightMm = box.leftMm + width * mmPerMetre;
  box.bottomMm = box.topMm + depth * mmPerMetre;
  const GraphFrame frame =
      FrameOnDevice(ctx, box, {window.u0, window.u1, RoundAxisRange(window.u0, window.u1, 8).step},
                    {window.v0, window.v1, RoundAxisRange(window.v0, window.v1, 8).step});
  const char* line = section.atY ? "y" : "x";
  DrawGraphHeading(dc, ctx, box,
                   FormatC("長方形円形 断面　%s = %s m　縮尺 1/%s", line,
                           Metres(section.at).c_str(), Metres(scale).c_str()));

  // The world of the section: u across, y = -z up, to the scale of the frame.
  SavedTransform saved(ctx.transform);
  WorldTransform& t = ctx.transform;
  t.marginLeft = box.leftMm;
  t.marginTop = box.topMm;
  t.pixelsPerMetreX = mmPerMetre * ctx.geometry.pixelsPerMmX;
  t.pixelsPerMetreY = mmPerMetre * ctx.geometry.pixelsPerMmY;
  t.originX = -window.u0;
  t.originY = -window.v0;
  const FigureWindow figureWindow{window.u0, window.u1, -window.v0, -window.v1};
  const IsobarRequest isobars = SectionIsobarRequest(ctx, section.atY, section.at);
  // The fill under the axes' lines, then the axes' values outside the frame, then the rest
  // inside it.
  dc.IntersectClipRect(frame.left, frame.top, frame.right + 1, frame.bottom + 1);
  DrawIsobarFill(dc, ctx, isobars);
  dc.RemoveClip();
  std::vector<PlacedNote> taken;
  DrawGraphAxes(dc, ctx, frame, section.atY ? "x (m)" : "y (m)", taken);
  // The caption and legend go beside the section where the paper leaves room for them, and
  // inside its top-left corner where it does not. The lines stay inside the frame, as they are
  // traced over it.
  FigureWindow captionWindow{window.u1, window.u1, -window.v0, -window.v0};
  const PlacedNote caption = IsobarCaption(ctx, isobars, captionWindow);
  const bool beside = (caption.right - frame.right) < roomRightMm * ctx.geometry.pixelsPerMmX;
  if (!beside) {
    captionWindow = figureWindow;
    dc.IntersectClipRect(frame.left, frame.top, frame.right + 1, frame.bottom + 1);
  }
  DrawIsobarLayer(dc, ctx, isobars, captionWindow, taken);
  dc.IntersectClipRect(frame.left, frame.top, frame.right + 1, frame.bottom + 1);
  const Colour loadColour = IsMonochrome(ctx.settings) ? 0x000000 : kLoadColour;
  for (const auto& [from, to] : LoadedStretches(ctx.tables, section))
    DrawLine(dc, frame.AcrossToX(from), frame.top, frame.AcrossToX(to), frame.top, PenStyle::Solid,
             DevicePixels(t, 4), loadColour);
  const LatticePoints lattice(ctx.tables);
  const std::vector<PointValue>& across = section.atY ? lattice.ys() : lattice.xs();
  const bool onLattice = std::any_of(across.begin(), across.end(),
                                     [&](const PointValue& p) { return p.value == section.at; });
  if (onLattice)
    for (const PointValue& u : SectionColumns(ctx.tables, section))
      for (const PointValue& z : lattice.depths())
        if (IsUsableDepth(z.value))
          DrawPointCross(dc, ctx, u.value, -z.value, FigureColoursOf(ctx.settings).point);
  dc.RemoveClip();
}

}  // namespace

int RenderStripDepth(RenderContext& ctx, DeviceContext* dc, bool draw) {
  const int graphs = GraphPages(StripPoints(ctx.tables).xs().size());
  if (dc == nullptr || !draw) return graphs;
  const int graph = std::clamp(ctx.view.currentPage, 1, graphs);
  DrawDisplayTitle(*dc, ctx, Problem::Strip, DisplayKind::Depth);
  const std::vector<DepthCurve> curves = StripDepthCurves(
      ctx.tables, ctx.results.Strip(ctx.tables), ctx.settings.stressDigits, GraphCurves(graph));
  DrawCurvesGraph(*dc, ctx, DepthGraphBox(ctx), curves,
                  "帯状荷重 深さ分布" + PageOf(graph, graphs));
  return graphs;
}

int RenderRectCircleSection(RenderContext& ctx, DeviceContext* dc, bool draw) {
  const std::optional<ResolvedSection> section = ResolveSection(ctx.tables);
  const int pages = section ? GraphPages(SectionColumns(ctx.tables, *section).size()) : 1;
  if (dc == nullptr || !draw) return pages;
  DrawDisplayTitle(*dc, ctx, Problem::RectCircle, DisplayKind::Depth);
  if (!section) return pages;
  const int page = std::clamp(ctx.view.currentPage, 1, pages);
  PaperBox box = DepthGraphBox(ctx);
  // The section heads the first page, and the curves of its first columns go below it.
  if (page == 1) {
    PaperBox sectionBox = box;
    sectionBox.bottomMm = box.topMm + (box.bottomMm - box.topMm) * kSectionShare;
    DrawSection(*dc, ctx, *section, sectionBox);
    box.topMm = sectionBox.bottomMm + kGraphGapMm;
  }
  const std::vector<DepthCurve> curves =
      SectionDepthCurves(ctx.tables, ctx.results.Lattice(ctx.tables), *section,
                         ctx.settings.stressDigits, ctx.results.circleMethod(), GraphCurves(page));
  DrawCurvesGraph(*dc, ctx, box, curves,
                  FormatC("長方形円形 深さ分布　%s = %s m", section->atY ? "y" : "x",
                          Metres(section->at).c_str()) +
                      PageOf(page, pages));
  return pages;
}

}  // namespace qel
