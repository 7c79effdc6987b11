// Drawing the isobars of a figure's page window: the trace, its lines and their value labels.
#include "view/isobar_layer.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "analysis/isobar_levels.h"
#include "base/c_locale.h"
#include "document/circle_rows.h"
#include "document/lattice_points.h"
#include "engine/worker_threads.h"
#include "settings/number_format.h"
#include "view/drawing.h"
#include "view/figure_common.h"
#include "view/isobar_cache.h"
#include "view/isobar_labels.h"
#include "view/isobar_legend.h"
#include "view/render_caches.h"

namespace qel {

namespace {

constexpr Colour kIsobarColour = 0xA04000;  // 0x00BBGGRR: a dark blue beside the black loads

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

std::vector<DeviceIsobar> OnDevice(const WorldTransform& t, const IsobarRequest& request,
                                   const IsobarSet& set) {
  std::vector<DeviceIsobar> lines;
  lines.reserve(set.lines.size());
  for (const Isobar& line : set.lines) {
    DeviceIsobar& device = lines.emplace_back();
    device.level = line.level;
    device.points.reserve(line.vertices.size() + 1);
    for (const IsobarVertex& v : line.vertices)
      device.points.push_back(ToDevice(t, request, v));
    if (line.closed && !line.vertices.empty()) device.points.push_back(device.points.front());
  }
  return lines;
}

// The polyline without its stretches inside the boxes of `holes`, as the runs that remain.
void StrokeOutside(DeviceContext& dc, const std::vector<DevicePoint>& points,
                   const FigureObstacles& holes) {
  std::vector<DevicePoint> run;
  auto flush = [&dc, &run] {
    if (run.size() >= 2) dc.Polyline(run);
    run.clear();
  };
  for (std::size_t i = 1; i < points.size(); ++i) {
    const DevicePoint a = points[i - 1], b = points[i];
    auto at = [&a, &b](double t) {
      return DevicePoint{a.x + static_cast<int>(std::lround(t * (b.x - a.x))),
                         a.y + static_cast<int>(std::lround(t * (b.y - a.y)))};
    };
    double t = 0.0;
    for (const auto& [from, to] : holes.BoxSpans(a, b)) {
      if (from > t) {
        if (run.empty()) run.push_back(at(t));
        run.push_back(at(from));
      }
      flush();
      t = std::max(t, to);
    }
    if (t < 1.0) {
      if (run.empty()) run.push_back(at(t));
      run.push_back(b);
    }
  }
  flush();
}

DeviceBox WindowBox(const WorldTransform& t, const FigureWindow& window) {
  const int left = ToDeviceX(t, window.left), right = ToDeviceX(t, window.right);
  const int top = ToDeviceY(t, window.top), bottom = ToDeviceY(t, window.bottom);
  return {std::min(left, right), std::min(top, bottom), std::max(left, right),
          std::max(top, bottom)};
}

std::shared_ptr<const IsobarSet> SetOf(const RenderContext& ctx, const IsobarRequest& request) {
  return ctx.caches.isobars.Get(ctx, request);
}

// Where a plan or section lies ("　z = 1 m"); nothing for the strip section. A negative zero
// prints as 0.
std::string WhereText(const IsobarRequest& request) {
  const std::string at = FormatUnsignedZero("%g", request.at);
  switch (request.view) {
    case IsobarView::kPlan:
      return "　z = " + at + " m";
    case IsobarView::kSectionAtY:
      return "　y = " + at + " m";
    case IsobarView::kSectionAtX:
      return "　x = " + at + " m";
    default:
      return "";
  }
}

// The levels the figure's options type; empty for the default levels.
const std::vector<double>& TypedLevels(const RenderContext& ctx, const IsobarRequest& request) {
  return request.view == IsobarView::kStrip ? ctx.document.strip().isobars.levels
                                            : ctx.document.plan().isobars.levels;
}

// The caption's rows: what the lines are (their unit, and where a plan or section lies) or, on
// a page without a line, that no level falls in the range of dP the page has, with that range
// as the results tables print dP; then that only the first levels are drawn when the figure
// holds more than it draws, and that circles come from the compatible method when they do (on a
// plan: a section's page says so once for the whole page).
std::vector<std::string> CaptionRows(const RenderContext& ctx, const IsobarRequest& request,
                                     const IsobarSet& set) {
  std::vector<std::string> rows;
  const char* unit = StressUnitText(ctx.settings);
  if (!set.error.empty()) {
    rows.push_back("等圧線: " + set.error + WhereText(request));
  } else if (set.lines.empty()) {
    const char* digits = DigitFormat(ctx.settings.stressDigits);
    rows.push_back(FormatC("等圧線: %s値は範囲外 (dP %s〜%s)",
                           TypedLevels(ctx, request).empty() ? "既定の" : "指定の",
                           FormatUnsignedZero(digits, set.range.low).c_str(),
                           FormatUnsignedZero(digits, set.range.high).c_str()) +
                   WhereText(request));
  } else {
    rows.push_back(FormatC("等圧線 dP %s", unit) + WhereText(request));
  }
  if (const std::string cut = IsobarLevelsCutText(TypedLevels(ctx, request).size()); !cut.empty())
    rows.push_back(cut);
  // The section's page carries the note for its whole page.
  if (request.view == IsobarView::kPlan && request.circleMethod == CircleMethod::kCompatible &&
      !ctx.document.plan().circles.drawn.empty())
    rows.push_back("円形荷重は旧版互換の計算方法による値です");
  return rows;
}

// The caption's rows at the top-left of the page window.
PlacedNote CaptionBox(const RenderContext& ctx, const FigureWindow& window,
                      const std::vector<std::string>& rows) {
  const int height = NoteTextHeight(ctx);
  PlacedNote caption;
  caption.text = rows.empty() ? std::string() : rows.front();
  caption.left = ToDeviceX(ctx.transform, window.left) + height / 2;
  caption.top = ToDeviceY(ctx.transform, window.top) + height / 2;
  caption.right = caption.left;
  caption.bottom = caption.top + height * static_cast<int>(rows.size());
  for (const std::string& row : rows)
    caption.right = std::max(caption.right, caption.left + NoteTextWidth(row, height));
  return caption;
}

// The room a legend under the caption has: down to the paper's foot.
int RoomUnderCaption(const RenderContext& ctx, const PlacedNote& caption) {
  const int paper = static_cast<int>(ctx.geometry.paperHeightMm * ctx.geometry.pixelsPerMmY);
  return std::max(0, paper - caption.bottom);
}

// Where the legend goes on a figure: the first of the page window's corners (each tried a few
// steps in towards the middle) where it meets no mark, outline, text or isobar line, else the
// least covered of them, and whether that is clear.
// The place of a legend and whether it is clear.
struct LegendPlace {
  DevicePoint at;
  bool clear = false;
};

LegendPlace PlaceLegend(const LegendShape& shape, const DeviceBox& window,
                        const PlacedNote& caption, int h, const FigureObstacles& taken,
                        const FigureObstacles& lines) {
  const int w = shape.width, tall = shape.height, margin = NoteGroundMargin(h);
  const DevicePoint starts[] = {
      {caption.left, caption.bottom + h / 2},                    // under the caption
      {window.right - h / 2 - w, window.top + 2 * h},            // under the scale note
      {window.right - h / 2 - w, window.bottom - 2 * h - tall},  // over the x values
      {window.left + 4 * h, window.bottom - 2 * h - tall},       // right of the y values
      {window.left + 4 * h, caption.bottom + h / 2},
  };
  const int inward[][2] = {{0, 1}, {-1, 0}, {-1, -1}, {1, -1}, {1, 1}};
  std::optional<DevicePoint> leastCovered;
  double leastCover = std::numeric_limits<double>::infinity();
  for (int step = 0; step <= 6; ++step)
    for (std::size_t i = 0; i < std::size(starts); ++i) {
      const DevicePoint at{starts[i].x + inward[i][0] * step * 2 * h,
                           starts[i].y + inward[i][1] * step * 2 * h};
      const DeviceBox ground = DeviceBox{at.x, at.y, at.x + w, at.y + tall}.Grown(margin);
      if (!ground.Inside(window)) continue;
      if (taken.IsClear(ground) && lines.IsClear(ground)) return {at, true};
      const double cover = taken.Cover(ground, 8.0) + lines.Cover(ground);
      if (cover < leastCover) {
        leastCover = cover;
        leastCovered = at;
      }
    }
  return {leastCovered.value_or(starts[0]), false};
}

// Draws the layer: the lines, their labels and the caption on halos of paper colour, and the
// legend on a ground of it. With `marks` (the figures), the labels keep clear of the marks and
// outlines too and the legend goes where the page has room for it; without (the section of the
// depth display), the legend stands under the caption, as IsobarCaption reserves it.
void DrawLayer(DeviceContext& dc, RenderContext& ctx, const IsobarRequest& request,
               const FigureWindow& window, const PlacedNote& caption,
               const std::vector<PlacedNote>& notes, const FigureObstacles* marks) {
  const std::shared_ptr<const IsobarSet> set = SetOf(ctx, request);
  const bool monochrome = IsMonochrome(ctx.settings);
  const Colour colour = monochrome ? 0x000000 : kIsobarColour;
  const int height = NoteTextHeight(ctx), margin = NoteGroundMargin(height);
  if (!CreateTextFont(dc, colour, height, ctx.fonts[kPageFont].faceName, 0, false))
    ++ctx.shortfalls.fontsNotMade;
  const DeviceBox windowBox = WindowBox(ctx.transform, window);
  const std::vector<std::string> rows = CaptionRows(ctx, request, *set);
  const std::vector<DeviceIsobar> lines = OnDevice(ctx.transform, request, *set);

  // What the labels keep clear of: the marks and outlines, the notes and the caption.
  FigureObstacles taken;
  if (marks) taken.AddAll(*marks);
  for (const PlacedNote& note : notes)
    taken.AddBox(BoxOf(note).Grown(margin));
  taken.AddBox(BoxOf(caption).Grown(margin));

  const std::vector<FillClass> classes =
      request.fill ? PresentClasses(*set, monochrome) : std::vector<FillClass>{};
  LegendShape legend;
  DevicePoint legendAt{caption.left, caption.bottom};
  if (!classes.empty()) {
    if (marks) {
      FigureObstacles strokes;
      for (const DeviceIsobar& line : lines)
        strokes.AddPolyline(line.points, 1);
      // The room of half the window first; with less room a list becomes a bar and a bar
      // shortens (to six rows at the least) until it finds a clear place, else the legend keeps
      // its full size at the least covered.
      const int room = (windowBox.bottom - windowBox.top) / 2;
      legend = ShapeLegend(classes, height, room);
      const LegendPlace full = PlaceLegend(legend, windowBox, caption, height, taken, strokes);
      legendAt = full.at;
      for (const int part : {6, 4, 3, 2, 0}) {
        if (full.clear) break;
        const LegendShape smaller = ShapeLegend(classes, height, room * part / 8);
        const LegendPlace place = PlaceLegend(smaller, windowBox, caption, height, taken, strokes);
        if (!place.clear) continue;
        legend = smaller;
        legendAt = place.at;
        break;
      }
    } else {
      legend = ShapeLegend(classes, height, RoomUnderCaption(ctx, caption));
    }
    taken.AddBox(
        DeviceBox{legendAt.x, legendAt.y, legendAt.x + legend.width, legendAt.y + legend.height}
            .Grown(margin));
  }

  // The lines break where a text stands: the labels, the notes and the caption.
  const std::vector<LevelLabel> labels = PlaceLevelLabels(lines, taken, windowBox, height);
  FigureObstacles texts;
  for (const LevelLabel& label : labels)
    texts.AddBox(label.ground);
  for (const PlacedNote& note : notes)
    texts.AddBox(BoxOf(note).Grown(margin));
  texts.AddBox(BoxOf(caption).Grown(margin));
  const Pen before = dc.SelectPen({PenStyle::Solid, DevicePixels(ctx.transform, 1), colour});
  for (const DeviceIsobar& line : lines)
    StrokeOutside(dc, line.points, texts);
  for (const LevelLabel& label : labels)
    if (label.leader) dc.Polyline({label.to, label.from});
  dc.SelectPen(before);
  dc.SetTextHalo(margin);
  dc.SetTextAlign(TextAlign::CentreTop);
  for (const LevelLabel& label : labels)
    dc.TextOut((label.box.left + label.box.right) / 2, label.box.top, label.text);
  dc.SetTextAlign(TextAlign::LeftTop);
  for (std::size_t i = 0; i < rows.size(); ++i)
    dc.TextOut(caption.left, caption.top + static_cast<int>(i) * height, rows[i]);
  dc.SetTextHalo(0);
  DrawLegend(dc, legend, classes, legendAt.x, legendAt.y, height, colour);
}

}  // namespace

std::optional<double> PlanIsobarDepth(const PlanProblem& plan) {
  if (plan.planDepth) return plan.planDepth;
  // At the surface every isobar is a load's outline, so the default is the first depth below it.
  for (const PointValue& depth : plan.lattice.depths())
    if (depth.value > 0.0) return depth.value;
  return std::nullopt;
}

std::optional<IsobarRequest> StripIsobarRequest(const RenderContext& ctx,
                                                const FigureWindow& window) {
  const IsobarOptions& options = ctx.document.strip().isobars;
  if (!options.shown) return std::nullopt;
  const double top = std::max(0.0, -window.top), bottom = -window.bottom;
  if (!(bottom > top) || !(window.right > window.left)) return std::nullopt;
  IsobarRequest request;
  request.view = IsobarView::kStrip;
  request.levels = DrawnIsobarLevels(options.levels);
  request.circleMethod = ctx.circleMethod;
  request.threads = kAllWorkers;
  request.fill = options.fill;
  request.window = ContourWindow{window.left, window.right, top, bottom};
  return request;
}

std::optional<IsobarRequest> PlanIsobarRequest(const RenderContext& ctx,
                                               const FigureWindow& window) {
  const IsobarOptions& options = ctx.document.plan().isobars;
  if (!options.shown) return std::nullopt;
  const std::optional<double> depth = PlanIsobarDepth(ctx.document.plan());
  if (!depth || *depth < 0.0) return std::nullopt;
  if (!(window.right > window.left) || !(window.top > window.bottom)) return std::nullopt;
  IsobarRequest request;
  request.view = IsobarView::kPlan;
  request.at = *depth;
  request.levels = DrawnIsobarLevels(options.levels);
  request.circleMethod = ctx.circleMethod;
  request.threads = kAllWorkers;
  request.fill = options.fill;
  request.window = ContourWindow{window.left, window.right, window.bottom, window.top};
  return request;
}

IsobarRequest SectionIsobarRequest(const RenderContext& ctx, bool atY, double at) {
  IsobarRequest request;
  request.view = atY ? IsobarView::kSectionAtY : IsobarView::kSectionAtX;
  request.at = at;
  request.levels = DrawnIsobarLevels(ctx.document.plan().isobars.levels);
  request.circleMethod = ctx.circleMethod;
  request.threads = kAllWorkers;
  request.fill = ctx.document.plan().isobars.fill;
  return request;
}

PlacedNote IsobarCaption(const RenderContext& ctx, const IsobarRequest& request,
                         const FigureWindow& window) {
  const std::shared_ptr<const IsobarSet> set = SetOf(ctx, request);
  PlacedNote caption = CaptionBox(ctx, window, CaptionRows(ctx, request, *set));
  // The legend of the fill goes under the caption.
  if (request.fill) {
    const std::vector<FillClass> classes = PresentClasses(*set, IsMonochrome(ctx.settings));
    const LegendShape legend =
        ShapeLegend(classes, NoteTextHeight(ctx), RoomUnderCaption(ctx, caption));
    caption.bottom += legend.height;
    caption.right = std::max(caption.right, caption.left + legend.width);
  }
  return caption;
}

PlacedNote PlaceIsobarCaption(const RenderContext& ctx, const IsobarRequest& request,
                              const FigureWindow& window, const FigureObstacles& marks) {
  const PlacedNote corner =
      CaptionBox(ctx, window, CaptionRows(ctx, request, *SetOf(ctx, request)));
  // Down the left edge (beside its values too), then along the foot, then under the scale
  // note, in steps of two rows.
  const int h = NoteTextHeight(ctx), margin = NoteGroundMargin(h);
  const DeviceBox box = WindowBox(ctx.transform, window);
  const int width = corner.right - corner.left, height = corner.bottom - corner.top;
  // At most kSteps places along each way, however small the text or large the window.
  constexpr int kSteps = 64;
  const int step = std::max(1, 2 * h);
  std::vector<DevicePoint> places;
  for (int y = corner.top, n = 0; y + height <= box.bottom && n < kSteps; y += step, ++n)
    for (const int x : {corner.left, box.left + 4 * h})
      places.push_back({x, y});
  for (int x = corner.left, n = 0; x + width <= box.right && n < kSteps; x += step, ++n)
    places.push_back({x, box.bottom - 2 * h - height});
  for (int y = corner.top + step, n = 0; y + height <= box.bottom && n < kSteps; y += step, ++n)
    places.push_back({box.right - h / 2 - width, y});
  for (const DevicePoint& at : places) {
    const DeviceBox ground = DeviceBox{at.x, at.y, at.x + width, at.y + height}.Grown(margin);
    if (ground.Inside(box) && marks.IsClear(ground))
      return {at.x, at.y, at.x + width, at.y + height, corner.text};
  }
  return corner;
}

std::string IsobarsOutOfRangeText(double low, double high, int stressDigits) {
  const char* format = DigitFormat(stressDigits);
  return "等圧線: 指定の値は範囲外 (dP " + FormatUnsignedZero(format, low) + "〜" +
         FormatUnsignedZero(format, high) + ")";
}

void DrawIsobarFill(DeviceContext& dc, RenderContext& ctx, const IsobarRequest& request) {
  if (!request.fill) return;
  const std::shared_ptr<const IsobarSet> set = SetOf(ctx, request);
  for (const FillClass& step : FillClasses(*set, IsMonochrome(ctx.settings))) {
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
  const PlacedNote caption =
      CaptionBox(ctx, window, CaptionRows(ctx, request, *SetOf(ctx, request)));
  DrawLayer(dc, ctx, request, window, caption, notes, nullptr);
}

void DrawIsobarLayer(DeviceContext& dc, RenderContext& ctx, const IsobarRequest& request,
                     const FigureWindow& window, const PlacedNote& caption,
                     const std::vector<PlacedNote>& notes, const FigureObstacles& marks) {
  DrawLayer(dc, ctx, request, window, caption, notes, &marks);
}

}  // namespace qel
