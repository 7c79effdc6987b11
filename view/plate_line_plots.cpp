// The straight-line plots of a plate's fits, four to a page: the points of the window and the
// others, the fitted line and Asaoka's 45° line, with values growing upwards and to the right.
#include <algorithm>
#include <cmath>

#include "analysis/plate_fit_plots.h"
#include "base/c_locale.h"
#include "view/drawing.h"
#include "view/figure_common.h"
#include "view/figure_notes.h"
#include "view/plate_pages.h"

namespace qel {

namespace {

constexpr Colour kBlack = 0x000000;
constexpr Colour kGridColour = 0xC8C8C8;
// The styles of the plot's parts: the fitted line with the window's points on it, the 45° line,
// and the points outside the window (their marker alone).
constexpr std::size_t kFittedStyle = 0;
constexpr std::size_t kEqualityStyle = 1;
constexpr std::size_t kOutsideStyle = 3;
constexpr std::size_t kStyles = 4;
// Room in millimetres around each plot's frame: its heading above, the values and captions left
// of it and below it; between plots.
constexpr double kHeadingMm = 9.0, kLeftRoomMm = 16.0, kBottomRoomMm = 10.0, kGapMm = 8.0;
constexpr int kTicks = 6;
// Points outside the window further than this many window spans from it stay off the axes.
constexpr double kOutsideReach = 1.0;

struct PlotAxes {
  AxisRange across, up;
};

struct Span {
  double low = INFINITY, high = -INFINITY;
  void Take(double v) {
    if (std::isfinite(v)) low = std::min(low, v), high = std::max(high, v);
  }
  bool Holds(double v) const {
    const double reach = kOutsideReach * (high - low);
    return v >= low - reach && v <= high + reach;
  }
};

AxisRange Rounded(Span span) {
  if (!(span.high > span.low)) span = {span.low - 1.0, span.low + 1.0};
  if (!std::isfinite(span.low)) span = {0.0, 1.0};
  return RoundAxisRange(span.low, span.high, kTicks);
}

// The axes hold the window's points and the fitted line over them, and the points outside
// within reach of those; the time axes of the hyperbolic and square-root plots start at 0.
// Asaoka's two axes are alike, so that its 45° line runs corner to corner.
PlotAxes AxesOf(const FitLinePlot& plot) {
  Span x, y;
  for (const FitLinePoint& p : plot.fitted)
    x.Take(p.x), y.Take(p.y);
  const Span windowX = x, windowY = y;
  for (const FitLinePoint& p : plot.outside)
    if (windowX.Holds(p.x) && windowY.Holds(p.y)) x.Take(p.x), y.Take(p.y);
  for (const double at : {x.low, x.high})
    y.Take(plot.intercept + plot.slope * at);
  if (plot.equalityLine) {
    Span both = x;
    both.Take(y.low), both.Take(y.high);
    return {Rounded(both), Rounded(both)};
  }
  x.Take(0.0);
  return {Rounded(x), Rounded(y)};
}

std::string TickText(double value, double step) {
  const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 12);
  const std::string text = FormatC("%.*f", decimals, value);
  return text.find_first_not_of("-0.") == std::string::npos ? "0" : text;
}

std::vector<double> TicksOf(const AxisRange& range) {
  std::vector<double> ticks;
  if (!(range.step > 0.0) || !(range.to > range.from)) return ticks;
  for (double k = std::ceil(range.from / range.step - 1e-9); ticks.size() < 50; k += 1.0) {
    const double value = k * range.step;
    if (value > range.to + range.step * 1e-9) break;
    ticks.push_back(value);
  }
  return ticks;
}

// The frame, its grid, the values below and left of it and the captions.
void DrawAxes(DeviceContext& dc, RenderContext& ctx, int left, int top, int right, int bottom,
              const PlotAxes& axes, const std::string& acrossCaption,
              const std::string& upCaption) {
  const WorldTransform& t = ctx.transform;
  const int h = NoteTextHeight(ctx), gap = h / 3;
  const int gridWidth = std::max(1, DevicePixels(t, 1) / 2);
  if (!CreateTextFont(dc, kBlack, h, ctx.fonts[kPageFont].faceName, 0, false))
    ++ctx.shortfalls.fontsNotMade;
  dc.SetTextAlign(TextAlign::LeftTop);
  int lastRight = -1;
  for (const double value : TicksOf(axes.across)) {
    const double f = (value - axes.across.from) / (axes.across.to - axes.across.from);
    const int x = left + static_cast<int>(std::lround(f * (right - left)));
    if (x > left && x < right)
      DrawLine(dc, x, top, x, bottom, PenStyle::Solid, gridWidth, kGridColour);
    const std::string text = TickText(value, axes.across.step);
    const int width = NoteTextWidth(text, h);
    if (x - width / 2 <= lastRight + gap) continue;  // values crowding each other
    dc.TextOut(x - width / 2, bottom + gap, text);
    lastRight = x + width / 2;
  }
  for (const double value : TicksOf(axes.up)) {
    const double f = (value - axes.up.from) / (axes.up.to - axes.up.from);
    const int y = bottom - static_cast<int>(std::lround(f * (bottom - top)));
    if (y > top && y < bottom)
      DrawLine(dc, left, y, right, y, PenStyle::Solid, gridWidth, kGridColour);
    const std::string text = TickText(value, axes.up.step);
    dc.TextOut(left - gap - NoteTextWidth(text, h), y - h / 2, text);
  }
  const int middle = (left + right) / 2;
  dc.TextOut(middle - NoteTextWidth(acrossCaption, h) / 2, bottom + 2 * gap + h, acrossCaption);
  dc.TextOut(left, top - gap - h, upCaption);
  DrawRectOutline(dc, left, top, right, bottom, PenStyle::Solid, DevicePixels(t, 1), kBlack);
}

struct Captions {
  std::string across, up;
};

Captions CaptionsOf(FitMethod method) {
  switch (method) {
    case FitMethod::kHyperbolic:
      return {"t' (日)", "t'/(S − S0) (日/m)"};
    case FitMethod::kAsaoka:
      return {"S j−1 (m)", "S j (m)"};
    case FitMethod::kSquareRoot:
      return {"t' (日)", "t'/(S − S0)² (日/m²)"};
  }
  return {};
}

// One plot in the box from (leftMm, topMm) to (rightMm, bottomMm) of the paper.
void DrawPlot(DeviceContext& dc, RenderContext& ctx, const PaperBox& cell,
              const PlatePrediction& plate, const PlateFitPrediction& prediction) {
  const DeviceGeometry& g = ctx.geometry;
  const SettlementFit& fit = *prediction.outcome.fit;
  const FitLinePlot plot = FitLinePlotOf(plate.plate, prediction.request, fit);
  const PlotAxes axes = AxesOf(plot);
  // The curves are drawn through a depth graph's frame: its depth runs downwards, so the plot's
  // upward values go in negated.
  GraphFrame frame = FrameOnDevice(ctx,
                                   {cell.leftMm + kLeftRoomMm, cell.topMm + kHeadingMm,
                                    cell.rightMm, cell.bottomMm - kBottomRoomMm},
                                   axes.across, {-axes.up.to, -axes.up.from, axes.up.step});
  if (plot.equalityLine) {
    // A square frame: the 45° line at 45°.
    const int side = std::min(frame.right - frame.left, frame.bottom - frame.top);
    frame.right = frame.left + side, frame.bottom = frame.top + side;
  }
  const int h = NoteTextHeight(ctx);
  const PlateFitLine& line = prediction.request;
  std::string heading =
      FitMethodText(fit.method) + "  期間 " + FormatC("%g–%g 日", line.from, line.to);
  if (fit.method == FitMethod::kAsaoka) heading += FormatC("  Δt = %g 日", line.dt);
  heading += FormatC("  r² = %.4f", fit.r2);
  if (!CreateTextFont(dc, kBlack, h, ctx.fonts[kPageFont].faceName, 0, false))
    ++ctx.shortfalls.fontsNotMade;
  dc.SetTextAlign(TextAlign::LeftTop);
  dc.TextOut(ClampToDevice(cell.leftMm * g.pixelsPerMmX),
             ClampToDevice(cell.topMm * g.pixelsPerMmY), heading);
  const Captions captions = CaptionsOf(fit.method);
  DrawAxes(dc, ctx, frame.left, frame.top, frame.right, frame.bottom, axes, captions.across,
           captions.up);
  std::vector<DepthCurve> curves(kStyles);
  for (const double x : {axes.across.from, axes.across.to})
    curves[kFittedStyle].samples.push_back({-(plot.intercept + plot.slope * x), x});
  for (const FitLinePoint& p : plot.fitted)
    curves[kFittedStyle].marks.push_back({-p.y, p.x, {}});
  if (plot.equalityLine)
    for (const double x : {axes.across.from, axes.across.to})
      curves[kEqualityStyle].samples.push_back({-x, x});
  for (const FitLinePoint& p : plot.outside)
    curves[kOutsideStyle].marks.push_back({-p.y, p.x, {}});
  DrawDepthCurves(dc, ctx, frame, curves);
}

// What the plots' marks and lines are, in one line under them.
void DrawPlotsLegend(DeviceContext& dc, RenderContext& ctx, const PaperBox& box, int top) {
  const DeviceGeometry& g = ctx.geometry;
  const int h = NoteTextHeight(ctx);
  const int sample = ClampToDevice(10.0 * g.pixelsPerMmX);
  int x = ClampToDevice((box.leftMm - kDepthValuesRoomMm) * g.pixelsPerMmX);
  const std::pair<std::size_t, const char*> entries[] = {
      {kFittedStyle, "期間内の点と当てはめた直線"},
      {kOutsideStyle, "期間外の点"},
      {kEqualityStyle, "S j = S j−1 (45° 線, 浅岡法)"}};
  for (const auto& [style, text] : entries) {
    GraphFrame frame;
    frame.left = x, frame.right = x + sample, frame.top = top, frame.bottom = top + h;
    std::vector<DepthCurve> curves(style + 1);
    if (style != kOutsideStyle) curves.back().samples = {{0.5, 0.0}, {0.5, 1.0}};
    if (style != kEqualityStyle) curves.back().marks.push_back({0.5, 0.5, {}});
    DrawDepthCurves(dc, ctx, frame, curves);
    if (!CreateTextFont(dc, kBlack, h, ctx.fonts[kPageFont].faceName, 0, false))
      ++ctx.shortfalls.fontsNotMade;
    dc.SetTextAlign(TextAlign::LeftTop);
    dc.TextOut(x + sample + h / 2, top, text);
    x += sample + h / 2 + NoteTextWidth(text, h) + 2 * h;
  }
}

}  // namespace

void DrawPlatePlotsPage(DeviceContext& dc, RenderContext& ctx, const PaperBox& box,
                        const PlatePrediction& plate, int page) {
  const DeviceGeometry& g = ctx.geometry;
  std::vector<const PlateFitPrediction*> made;
  for (const PlateFitPrediction& fit : plate.fits)
    if (fit.outcome.fit) made.push_back(&fit);
  const std::size_t first = static_cast<std::size_t>(std::max(page - 1, 0)) * kPlotsPerPage;
  DrawGraphHeading(dc, ctx, box, PlateHeading(plate) + "  直線による当てはめ");
  const double legendMm = 2.0 * NoteTextHeight(ctx) / g.pixelsPerMmY;
  const double leftMm = box.leftMm - kDepthValuesRoomMm;
  const double cellWidth = (box.rightMm - leftMm - kGapMm) / 2.0;
  const double cellHeight =
      std::min((box.bottomMm - box.topMm - legendMm - kGapMm) / 2.0, cellWidth * 1.1);
  for (std::size_t i = first; i < made.size() && i < first + kPlotsPerPage; ++i) {
    const std::size_t at = i - first;
    PaperBox cell;
    cell.leftMm = leftMm + static_cast<double>(at % 2) * (cellWidth + kGapMm);
    cell.topMm = box.topMm + static_cast<double>(at / 2) * (cellHeight + kGapMm);
    cell.rightMm = cell.leftMm + cellWidth;
    cell.bottomMm = cell.topMm + cellHeight;
    DrawPlot(dc, ctx, cell, plate, *made[i]);
  }
  DrawPlotsLegend(dc, ctx, box,
                  ClampToDevice((box.topMm + 2.0 * (cellHeight + kGapMm)) * g.pixelsPerMmY));
}

}  // namespace qel
