// Drawing the isobars of a figure's page window: the trace, its lines and their value labels.
#include "view/isobar_layer.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "document/lattice_points.h"
#include "settings/c_locale.h"
#include "settings/drawing.h"
#include "settings/number_format.h"
#include "view/figure_common.h"
#include "view/isobar_cache.h"
#include "view/isobar_levels.h"
#include "view/render_caches.h"

namespace qel {

namespace {

constexpr Colour kIsobarColour = 0xA04000;  // 0x00BBGGRR: a dark blue beside the black loads
// A line carries a label only when it is this many labels long on the device.
constexpr double kLabelledLength = 4.0;

struct LabelBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Holds(DevicePoint p) const {
    return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
  }
  bool Meets(const LabelBox& other) const {
    return left <= other.right && other.left <= right && top <= other.bottom && other.top <= bottom;
  }
};

int TraceThreads() {
  return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 2u));
}

// The vertex of a world point of the trace on the figure: the plan is drawn with its own x and
// y, the sections with the distance along them across and depth z downwards (world y = -z).
DevicePoint ToDevice(const WorldTransform& t, const IsobarRequest& request, const IsobarVertex& v) {
  switch (request.view) {
    case IsobarView::kPlan:
      return {ToDeviceX(t, v.x), ToDeviceY(t, v.y)};
    case IsobarView::kSectionAtX:
      return {ToDeviceX(t, v.y), ToDeviceY(t, -v.z)};
    default:
      return {ToDeviceX(t, v.x), ToDeviceY(t, -v.z)};
  }
}

double Distance(DevicePoint a, DevicePoint b) {
  return std::hypot(static_cast<double>(b.x - a.x), static_cast<double>(b.y - a.y));
}

std::vector<DevicePoint> OnDevice(const WorldTransform& t, const IsobarRequest& request,
                                  const Isobar& line) {
  std::vector<DevicePoint> points;
  points.reserve(line.vertices.size() + 1);
  for (const IsobarVertex& v : line.vertices)
    points.push_back(ToDevice(t, request, v));
  if (line.closed && !line.vertices.empty()) points.push_back(points.front());
  return points;
}

// The point `along` of the way along the polyline (0 its start, 1 its end).
DevicePoint PointAlong(const std::vector<DevicePoint>& points, double length, double along) {
  const double target = length * along;
  double walked = 0.0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const double step = Distance(points[i - 1], points[i]);
    if (walked + step >= target && step > 0) {
      const double f = (target - walked) / step;
      return {points[i - 1].x + static_cast<int>(std::lround(f * (points[i].x - points[i - 1].x))),
              points[i - 1].y + static_cast<int>(std::lround(f * (points[i].y - points[i - 1].y)))};
    }
    walked += step;
  }
  return points.back();
}

// The polyline without the stretches inside `box`, as the runs that remain.
void StrokeAround(DeviceContext& dc, const std::vector<DevicePoint>& points, const LabelBox* box) {
  std::vector<DevicePoint> run;
  for (const DevicePoint& p : points) {
    if (box && box->Holds(p)) {
      if (run.size() >= 2) dc.Polyline(run);
      run.clear();
      continue;
    }
    run.push_back(p);
  }
  if (run.size() >= 2) dc.Polyline(run);
}

std::string LevelText(double level) {
  return FormatC("%g", level);
}

// One step of the fill: the area beyond `fill`'s level in `colour`, and its legend text.
struct FillStep {
  const IsobarFill* fill = nullptr;
  Colour colour = 0;
  std::string text;
};

// `t` of the way from colour `a` to colour `b` (0x00BBGGRR).
Colour Blend(Colour a, Colour b, double t) {
  Colour out = 0;
  for (int shift : {0, 8, 16}) {
    const double from = (a >> shift) & 0xFF, to = (b >> shift) & 0xFF;
    out |= static_cast<Colour>(std::lround(from + (to - from) * t)) << shift;
  }
  return out;
}

// The fill's steps in the order they are painted: each sign's levels from the smallest in size
// outwards, so that the areas beyond the larger levels lie over those beyond the smaller. The
// colours go from pale to strong: yellow to red beyond positive levels, pale to deep blue
// beyond negative ones, light to mid grey in monochrome.
std::vector<FillStep> FillSteps(const IsobarSet& set, bool monochrome) {
  std::vector<FillStep> steps;
  for (const bool negative : {false, true}) {
    std::vector<const IsobarFill*> fills;
    for (const IsobarFill& fill : set.fills)
      if ((fill.level < 0) == negative) fills.push_back(&fill);
    std::sort(fills.begin(), fills.end(), [](const IsobarFill* a, const IsobarFill* b) {
      return std::fabs(a->level) < std::fabs(b->level);
    });
    const Colour pale = monochrome ? 0xF0F0F0 : (negative ? 0xF7EBDE : 0xBCF7FF);
    const Colour strong = monochrome ? 0x969696 : (negative ? 0xC69242 : 0x3C6EF0);
    for (std::size_t i = 0; i < fills.size(); ++i) {
      const double t = fills.size() == 1 ? 0.5 : static_cast<double>(i) / (fills.size() - 1);
      const std::string level = LevelText(fills[i]->level);
      const std::string text = i + 1 < fills.size()
                                   ? level + " ～ " + LevelText(fills[i + 1]->level)
                                   : level + (negative ? " 以下" : " 以上");
      steps.push_back({fills[i], Blend(pale, strong, t), text});
    }
  }
  return steps;
}

std::shared_ptr<const IsobarSet> SetOf(const RenderContext& ctx, const IsobarRequest& request) {
  return ctx.caches.isobars.Get(ctx.tables, ctx.settings, request);
}

// What the lines are: their unit, and for a plan its depth (a negative zero prints as 0).
std::string CaptionText(const RenderContext& ctx, const IsobarRequest& request) {
  const char* unit = StressUnitText(ctx.settings);
  const std::string at = FormatUnsignedZero("%g", request.at);
  if (request.view == IsobarView::kPlan) return FormatC("等圧線 dP %s　z = %s m", unit, at.c_str());
  if (request.view == IsobarView::kSectionAtY)
    return FormatC("等圧線 dP %s　y = %s m", unit, at.c_str());
  if (request.view == IsobarView::kSectionAtX)
    return FormatC("等圧線 dP %s　x = %s m", unit, at.c_str());
  return FormatC("等圧線 dP %s", unit);
}

// The row under the caption when the figure holds more levels than it draws; empty when it
// draws them all.
std::string LevelsCutText(const RenderContext& ctx, const IsobarRequest& request) {
  const IsobarOptions& options = request.view == IsobarView::kStrip
                                     ? ctx.tables.figures.stripIsobars
                                     : ctx.tables.figures.planIsobars;
  return IsobarLevelsCutText(options.levels.size());
}

}  // namespace

std::optional<double> PlanIsobarDepth(const DocumentTables& tables) {
  if (tables.figures.planDepth) return tables.figures.planDepth;
  // At the surface every isobar is a load's outline, so the default is the first depth below it.
  const LatticePoints lattice(tables);
  for (const PointValue& depth : lattice.depths())
    if (depth.value > 0.0) return depth.value;
  return std::nullopt;
}

std::optional<IsobarRequest> StripIsobarRequest(const RenderContext& ctx,
                                                const FigureWindow& window) {
  const IsobarOptions& options = ctx.tables.figures.stripIsobars;
  if (!options.shown) return std::nullopt;
  const double top = std::max(0.0, -window.top), bottom = -window.bottom;
  if (!(bottom > top) || !(window.right > window.left)) return std::nullopt;
  IsobarRequest request;
  request.view = IsobarView::kStrip;
  request.levels = DrawnIsobarLevels(options.levels);
  request.circleMethod = ctx.results.circleMethod();
  request.threads = TraceThreads();
  request.fill = options.fill;
  request.window = ContourWindow{window.left, window.right, top, bottom};
  return request;
}

std::optional<IsobarRequest> PlanIsobarRequest(const RenderContext& ctx,
                                               const FigureWindow& window) {
  const IsobarOptions& options = ctx.tables.figures.planIsobars;
  if (!options.shown) return std::nullopt;
  const std::optional<double> depth = PlanIsobarDepth(ctx.tables);
  if (!depth || *depth < 0.0) return std::nullopt;
  if (!(window.right > window.left) || !(window.top > window.bottom)) return std::nullopt;
  IsobarRequest request;
  request.view = IsobarView::kPlan;
  request.at = *depth;
  request.levels = DrawnIsobarLevels(options.levels);
  request.circleMethod = ctx.results.circleMethod();
  request.threads = TraceThreads();
  request.fill = options.fill;
  request.window = ContourWindow{window.left, window.right, window.bottom, window.top};
  return request;
}

IsobarRequest SectionIsobarRequest(const RenderContext& ctx, bool atY, double at) {
  IsobarRequest request;
  request.view = atY ? IsobarView::kSectionAtY : IsobarView::kSectionAtX;
  request.at = at;
  request.levels = DrawnIsobarLevels(ctx.tables.figures.planIsobars.levels);
  request.circleMethod = ctx.results.circleMethod();
  request.threads = TraceThreads();
  request.fill = ctx.tables.figures.planIsobars.fill;
  return request;
}

PlacedNote IsobarCaption(const RenderContext& ctx, const IsobarRequest& request,
                         const FigureWindow& window) {
  const int height = NoteTextHeight(ctx);
  PlacedNote caption;
  caption.text = CaptionText(ctx, request);
  caption.left = ToDeviceX(ctx.transform, window.left) + height / 2;
  caption.top = ToDeviceY(ctx.transform, window.top) + height / 2;
  caption.right = caption.left + NoteTextWidth(caption.text, height);
  caption.bottom = caption.top + height;
  if (const std::string cut = LevelsCutText(ctx, request); !cut.empty()) {
    caption.bottom += height;
    caption.right = std::max(caption.right, caption.left + NoteTextWidth(cut, height));
  }
  // The legend of the fill goes under the caption, a swatch and a range to a row.
  if (request.fill) {
    for (const FillStep& step : FillSteps(*SetOf(ctx, request), false)) {
      caption.bottom += height;
      caption.right =
          std::max(caption.right, caption.left + 2 * height + NoteTextWidth(step.text, height));
    }
  }
  return caption;
}

std::string IsobarsOutOfRangeText(double low, double high, int stressDigits) {
  const char* format = DigitFormat(stressDigits);
  return "等圧線: 指定の値は範囲外 (dP " + FormatUnsignedZero(format, low) + "〜" +
         FormatUnsignedZero(format, high) + ")";
}

void DrawIsobarFill(DeviceContext& dc, RenderContext& ctx, const IsobarRequest& request) {
  if (!request.fill) return;
  const std::shared_ptr<const IsobarSet> set = SetOf(ctx, request);
  for (const FillStep& step : FillSteps(*set, IsMonochrome(ctx.settings))) {
    std::vector<std::vector<DevicePoint>> rings;
    for (const std::vector<IsobarVertex>& ring : step.fill->rings) {
      std::vector<DevicePoint>& points = rings.emplace_back();
      for (const IsobarVertex& v : ring)
        points.push_back(ToDevice(ctx.transform, request, v));
    }
    dc.FillPolygons(rings, step.colour);
  }
}

void DrawIsobarLayer(DeviceContext& dc, RenderContext& ctx, const IsobarRequest& request,
                     const FigureWindow& window, const std::vector<PlacedNote>& notes) {
  const std::shared_ptr<const IsobarSet> set = SetOf(ctx, request);
  if (set->lines.empty()) return;
  const Colour colour = IsMonochrome(ctx.settings) ? 0x000000 : kIsobarColour;
  const int height = NoteTextHeight(ctx);
  if (!CreateTextFont(dc, colour, height, ctx.fonts[kPageFont].faceName, 0, false))
    ++ctx.shortfalls.fontsNotMade;
  dc.SetTextAlign(TextAlign::CentreTop);
  const Pen before = dc.SelectPen({PenStyle::Solid, DevicePixels(ctx.transform, 1), colour});
  // The figure's notes and the caption with its legend are placed first: a label goes where
  // none of them is.
  const PlacedNote caption = IsobarCaption(ctx, request, window);
  std::vector<LabelBox> placed{{caption.left, caption.top, caption.right, caption.bottom}};
  for (const PlacedNote& note : notes)
    placed.push_back({note.left, note.top, note.right, note.bottom});
  for (const Isobar& line : set->lines) {
    const std::vector<DevicePoint> points = OnDevice(ctx.transform, request, line);
    if (points.size() < 2) continue;
    double length = 0.0;
    for (std::size_t i = 1; i < points.size(); ++i)
      length += Distance(points[i - 1], points[i]);
    const std::string text = LevelText(line.level);
    const int halfWidth = NoteTextWidth(text, height) / 2 + height / 4;
    std::optional<LabelBox> label;
    // The middle of the line first, then places nearer its ends, until one is clear of the
    // notes and the labels already placed.
    for (double along : {0.5, 0.3, 0.7, 0.15, 0.85}) {
      if (label || length < kLabelledLength * 2 * halfWidth) break;
      const DevicePoint at = PointAlong(points, length, along);
      LabelBox box{at.x - halfWidth, at.y - height / 2, at.x + halfWidth, at.y + height / 2};
      if (std::none_of(placed.begin(), placed.end(),
                       [&box](const LabelBox& other) { return other.Meets(box); }))
        label = box;
    }
    StrokeAround(dc, points, label ? &*label : nullptr);
    if (label) {
      placed.push_back(*label);
      dc.TextOut((label->left + label->right) / 2, label->top, text);
    }
  }
  dc.SelectPen(before);
  dc.SetTextAlign(TextAlign::LeftTop);
  dc.TextOut(caption.left, caption.top, caption.text);
  int top = caption.top + height;
  if (const std::string cut = LevelsCutText(ctx, request); !cut.empty()) {
    dc.TextOut(caption.left, top, cut);
    top += height;
  }
  if (!request.fill) return;
  for (const FillStep& step : FillSteps(*set, IsMonochrome(ctx.settings))) {
    const int inset = height / 6;
    dc.FillPolygons({{{caption.left, top + inset},
                      {caption.left + height * 3 / 2, top + inset},
                      {caption.left + height * 3 / 2, top + height - inset},
                      {caption.left, top + height - inset}}},
                    step.colour);
    dc.TextOut(caption.left + 2 * height, top, step.text);
    top += height;
  }
}

}  // namespace qel
