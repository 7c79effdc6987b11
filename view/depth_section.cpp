// The vertical section of the rectangle/circle problem on the first page of its depth display.
#include "view/depth_section.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "analysis/isobar_windows.h"
#include "base/c_locale.h"
#include "document/document.h"
#include "document/document_results.h"
#include "settings/number_format.h"
#include "view/drawing.h"
#include "view/figure_common.h"
#include "view/figure_obstacles.h"
#include "view/isobar_layer.h"
#include "view/render_caches.h"

namespace qel {

namespace {

constexpr Colour kLoadColour = 0x2020D0;  // 0x00BBGGRR: the loaded stretches of the surface
constexpr Colour kBlack = 0x000000;

// A position or scale as the headings print it; a negative zero prints as 0.
std::string Metres(double value) {
  return FormatUnsignedZero("%g", value);
}

// The smallest round n >= `needed`.
double RoundScaleAtLeast(double needed) {
  for (double power = 1.0; power < 1e9; power *= 10.0)
    for (double factor : {1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0})
      if (factor * power >= needed) return factor * power;
  return 1e9;
}

}  // namespace

double RoundScaleFor(double metres, double millimetres) {
  return RoundScaleAtLeast(metres * 1000.0 / std::max(millimetres, 1.0));
}

void DrawSection(DeviceContext& dc, RenderContext& ctx, const ResolvedSection& section,
                 PaperBox& box) {
  const PlanProblem& problem = ctx.document.plan();
  PlanLoads loads = problem.engineLoads;
  loads.circleMethod = ctx.circleMethod;
  IsobarRequest isobars = SectionIsobarRequest(ctx, section.atY, section.at);
  // The window is surveyed once for each set of inputs: every paint of the page needs it.
  const SectionKey key{LatticeResultsKey(ctx.document, ctx.circleMethod),
                       SectionIsobarWindow(problem, ctx.settings, section.atY), section.at,
                       section.atY, isobars.levels};
  SectionWindowCache& kept = ctx.caches.section;
  if (!kept.key || !(*kept.key == key)) {
    kept = {key,
            SurveyedSectionWindow(problem, ctx.settings, section, ctx.circleMethod, isobars.levels),
            std::nullopt};
  }
  const ContourWindow window = kept.window;
  const double width = window.u1 - window.u0, depth = window.v1;
  if (!(width > 0) || !(depth > 0) || !std::isfinite(width) || !std::isfinite(depth)) return;
  isobars.window = window;
  const std::shared_ptr<const IsobarSet> set = ctx.caches.isobars.Get(ctx, isobars);

  // The caption goes under the section, half a line below it and above what follows.
  const int h = NoteTextHeight(ctx);
  const PlacedNote sized = IsobarCaption(ctx, isobars, FigureWindow{});
  const bool noLine = set->lines.empty();
  const double captionMm =
      (sized.bottom - sized.top + (noLine ? h : 0) + h) / ctx.geometry.pixelsPerMmY;
  const double scale = std::max(RoundScaleFor(width, box.rightMm - box.leftMm),
                                RoundScaleFor(depth, box.bottomMm - box.topMm - captionMm));
  const double mmPerMetre = 1000.0 / scale;
  box.rightMm = box.leftMm + width * mmPerMetre;
  const double frameBottomMm = box.topMm + depth * mmPerMetre;
  const GraphFrame frame =
      FrameOnDevice(ctx, {box.leftMm, box.topMm, box.rightMm, frameBottomMm},
                    {window.u0, window.u1, RoundAxisRange(window.u0, window.u1, 8).step},
                    {0.0, depth, RoundAxisRange(0.0, depth, 8).step});
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
  t.originY = 0.0;
  // The fill under the axes' lines, then the axes' values outside the frame, the lines traced
  // over the frame with their caption under it, and the rest inside the frame.
  dc.IntersectClipRect(frame.left, frame.top, frame.right + 1, frame.bottom + 1);
  DrawIsobarFill(dc, ctx, isobars);
  dc.RemoveClip();
  std::vector<PlacedNote> taken;
  DrawGraphAxes(dc, ctx, frame, section.atY ? "x (m)" : "y (m)", taken);
  const FigureWindow captionWindow{window.u0, window.u1, -depth, -depth};
  const LatticePoints& lattice = problem.lattice;
  const std::vector<PointValue>& across = section.atY ? lattice.ys() : lattice.xs();
  const bool onLattice = std::any_of(across.begin(), across.end(),
                                     [&](const PointValue& p) { return p.value == section.at; });
  // The level labels go along the lines inside the frame, clear of the point marks and the
  // loaded stretches; the caption stays under the frame.
  FigureObstacles marks;
  const int reach = PointMarkReach(ctx);
  if (onLattice)
    for (const PointValue& u : SectionColumns(problem, section))
      for (const PointValue& z : lattice.depths())
        if (IsUsableDepth(z.value))
          marks.AddBox(DeviceBox{ToDeviceX(t, u.value), ToDeviceY(t, -z.value),
                                 ToDeviceX(t, u.value), ToDeviceY(t, -z.value)}
                           .Grown(reach));
  for (const auto& [from, to] : LoadedStretches(loads, section))
    marks.AddStroke({frame.AcrossToX(from), frame.top}, {frame.AcrossToX(to), frame.top},
                    DevicePixels(t, 4));
  DrawIsobarLayer(dc, ctx, isobars, FigureWindow{window.u0, window.u1, 0.0, -depth},
                  IsobarCaption(ctx, isobars, captionWindow), taken, marks);
  if (noLine) {
    const PlacedNote caption = IsobarCaption(ctx, isobars, captionWindow);
    if (!CreateTextFont(dc, kBlack, h, ctx.fonts[kPageFont].faceName, 0, false))
      ++ctx.shortfalls.fontsNotMade;
    dc.SetTextAlign(TextAlign::LeftTop);
    dc.TextOut(caption.left, caption.top, caption.text);
    if (!kept.span) {
      const ValueSpan span = SectionValueSpan(problem, section, ctx.circleMethod, window);
      kept.span = {span.low, span.high};
    }
    dc.TextOut(caption.left, caption.bottom,
               set->error.empty() ? IsobarsOutOfRangeText(kept.span->first, kept.span->second,
                                                          ctx.settings.stressDigits)
                                  : "等圧線: " + set->error);
  }
  dc.IntersectClipRect(frame.left, frame.top, frame.right + 1, frame.bottom + 1);
  const Colour loadColour = IsMonochrome(ctx.settings) ? kBlack : kLoadColour;
  for (const auto& [from, to] : LoadedStretches(loads, section))
    DrawLine(dc, frame.AcrossToX(from), frame.top, frame.AcrossToX(to), frame.top, PenStyle::Solid,
             DevicePixels(t, 4), loadColour);
  if (onLattice)
    for (const PointValue& u : SectionColumns(problem, section))
      for (const PointValue& z : lattice.depths())
        if (IsUsableDepth(z.value))
          DrawPointCross(dc, ctx, u.value, -z.value, FigureColoursOf(ctx.settings).point);
  dc.RemoveClip();
  box.bottomMm = frameBottomMm + captionMm;
}

}  // namespace qel
