// Drawing the frame, axes and curves of a stress-depth graph.
#include "view/graph_axes.h"

#include <algorithm>
#include <cmath>

#include "base/c_locale.h"
#include "view/drawing.h"
#include "view/figure_common.h"

namespace qel {

namespace {

constexpr Colour kBlack = 0x000000;
// The grid: light grey in colour and in monochrome alike, and half a curve's pixel wide, so
// that it stays behind every curve.
constexpr Colour kGridColour = 0xC8C8C8;
// Millimetres between the box's top and the heading.
constexpr double kHeadingRoomMm = 14.0;
constexpr double kRightMarginMm = 10.0, kBottomMarginMm = 20.0;
constexpr int kMarkPixels = 3;  // half the size of a point's marker
constexpr int kCurvePixels = 2;
// A tick value has at most this many decimals.
constexpr int kMostTickDecimals = 12;

bool Meets(const PlacedNote& a, const PlacedNote& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

bool Clear(const PlacedNote& note, const std::vector<PlacedNote>& taken) {
  return std::none_of(taken.begin(), taken.end(),
                      [&note](const PlacedNote& other) { return Meets(note, other); });
}

// The value of a tick with the decimals its step needs (at most kMostTickDecimals; none for a
// step that is not a positive number).
std::string TickText(double value, double step) {
  const double wanted = std::ceil(-std::log10(step) - 1e-9);
  const int decimals = wanted >= kMostTickDecimals ? kMostTickDecimals
                       : wanted > 0                ? static_cast<int>(wanted)
                                                   : 0;
  std::string text = FormatC("%.*f", decimals, value);
  return text.find_first_not_of("-0.") == std::string::npos ? "0" : text;
}

// The multiples of the step within the range, from its low end: at most 200, and none past the
// first that the next multiple no longer moves (a range far from 0 against its step).
std::vector<double> Ticks(const AxisRange& range) {
  std::vector<double> ticks;
  if (!(range.step > 0) || !(range.to > range.from) || !std::isfinite(range.from) ||
      !std::isfinite(range.to) || !std::isfinite(range.step))
    return ticks;
  const double first = std::ceil(range.from / range.step - 1e-9);
  for (double k = first; ticks.size() < 200; k += 1.0) {
    const double value = k * range.step;
    if (value > range.to + range.step * 1e-9) break;
    if (!ticks.empty() && !(value > ticks.back())) break;
    ticks.push_back(value);
  }
  return ticks;
}

// The whole powers of ten of a logarithmic axis's range, at most kMostDecades of them.
constexpr int kMostDecades = 40;
std::vector<double> DecadePowers(const AxisRange& range) {
  std::vector<double> powers;
  if (!std::isfinite(range.from) || !std::isfinite(range.to)) return powers;
  const double first = std::ceil(range.from - 1e-9);
  for (double power = first; power <= range.to + 1e-9 && powers.size() < kMostDecades; ++power)
    powers.push_back(power);
  return powers;
}

// Short ticks inward from the top and bottom edges at 2 to 9 times each decade.
void DrawMinorLogTicks(DeviceContext& dc, const GraphFrame& frame, int length, int width) {
  const std::vector<double> powers = DecadePowers({frame.across.from - 1.0, frame.across.to, 1.0});
  for (const double power : powers)
    for (int times = 2; times <= 9; ++times) {
      const double at = power + std::log10(times);
      if (!(at > frame.across.from && at < frame.across.to)) continue;
      const int x = frame.AcrossToX(std::pow(10.0, at));
      DrawLine(dc, x, frame.top, x, frame.top + length, PenStyle::Solid, width, kBlack);
      DrawLine(dc, x, frame.bottom - length, x, frame.bottom, PenStyle::Solid, width, kBlack);
    }
}

void Text(DeviceContext& dc, const PlacedNote& note) {
  dc.TextOut(note.left, note.top, note.text);
}

PlacedNote NoteAt(int left, int top, int height, const std::string& text) {
  return {left, top, left + NoteTextWidth(text, height), top + height, text};
}

void DrawMarker(DeviceContext& dc, const WorldTransform& t, CurveMarker marker, int x, int y,
                Colour colour) {
  const int s = DevicePixels(t, kMarkPixels);
  const Pen before = dc.SelectPen({PenStyle::Solid, DevicePixels(t, 1), colour});
  switch (marker) {
    case CurveMarker::Circle:
      dc.Arc(x - s, y - s, x + s, y + s, x + s, y, x + s, y);
      break;
    case CurveMarker::Square:
      dc.Polyline({{x - s, y - s}, {x + s, y - s}, {x + s, y + s}, {x - s, y + s}, {x - s, y - s}});
      break;
    case CurveMarker::Triangle:
      dc.Polyline({{x, y - s}, {x + s, y + s}, {x - s, y + s}, {x, y - s}});
      break;
    case CurveMarker::Cross:
      dc.Polyline({{x - s, y - s}, {x + s, y + s}});
      dc.Polyline({{x - s, y + s}, {x + s, y - s}});
      break;
    case CurveMarker::Diamond:
      dc.Polyline({{x, y - s}, {x + s, y}, {x, y + s}, {x - s, y}, {x, y - s}});
      break;
    case CurveMarker::InvertedTriangle:
      dc.Polyline({{x, y + s}, {x + s, y - s}, {x - s, y - s}, {x, y + s}});
      break;
  }
  dc.SelectPen(before);
}

}  // namespace

AxisRange RoundAxisRange(double low, double high, int ticks) {
  if (!std::isfinite(low) || !std::isfinite(high) || !(high > low) || ticks < 1) return {};
  const double raw = (high - low) / ticks;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  double step = 10.0 * magnitude;
  for (double factor : {1.0, 2.0, 5.0})
    if (factor * magnitude >= raw * (1 - 1e-9)) {
      step = factor * magnitude;
      break;
    }
  return {std::floor(low / step + 1e-9) * step, std::ceil(high / step - 1e-9) * step, step};
}

int GraphFrame::AcrossToX(double value) const {
  // A value of 0 or less lies infinitely far left on a logarithmic axis: off the frame.
  const double at = acrossScale == AxisScale::kLinear ? value
                    : value > 0.0                     ? std::log10(value)
                                                      : across.from - (across.to - across.from);
  const double f = (at - across.from) / (across.to - across.from);
  return ClampToDevice(left + std::round(f * (right - left)));
}

int GraphFrame::DepthToY(double z) const {
  const double f = (z - depth.from) / (depth.to - depth.from);
  return ClampToDevice(top + std::round(f * (bottom - top)));
}

AxisRange CurveValueRange(const std::vector<DepthCurve>& curves, double printedZero,
                          double fallbackTop) {
  double low = 0.0, high = 0.0;
  auto take = [&](double dP) {
    if (std::isfinite(dP)) low = std::min(low, dP), high = std::max(high, dP);
  };
  for (const DepthCurve& curve : curves) {
    for (const DepthSample& s : curve.samples)
      take(s.dP);
    for (const DepthMark& m : curve.marks)
      take(m.dP);
  }
  if (!(std::max(-low, high) >= printedZero) || !(high > low))
    return RoundAxisRange(0.0, fallbackTop > 0.0 && std::isfinite(fallbackTop) ? fallbackTop : 1.0,
                          5);
  return RoundAxisRange(low, high, 5);
}

PaperBox DepthGraphBox(const RenderContext& ctx) {
  const SystemSettings& s = ctx.settings;
  PaperBox box;
  box.leftMm = s.marginLeft + kDepthValuesRoomMm;
  box.topMm = s.marginTop + kHeadingRoomMm;
  box.rightMm = std::max(box.leftMm + 20.0, ctx.geometry.paperWidthMm - kRightMarginMm);
  box.bottomMm = std::max(box.topMm + 20.0, ctx.geometry.paperHeightMm - kBottomMarginMm);
  return box;
}

GraphFrame FrameOnDevice(const RenderContext& ctx, const PaperBox& box, AxisRange across,
                         AxisRange depth) {
  const DeviceGeometry& g = ctx.geometry;
  GraphFrame frame;
  frame.left = ClampToDevice(box.leftMm * g.pixelsPerMmX);
  frame.top = ClampToDevice(box.topMm * g.pixelsPerMmY);
  frame.right = ClampToDevice(box.rightMm * g.pixelsPerMmX);
  frame.bottom = ClampToDevice(box.bottomMm * g.pixelsPerMmY);
  frame.across = across;
  frame.depth = depth;
  return frame;
}

std::string DecadeText(int power) {
  return power >= 0 ? FormatC("%.0f", std::pow(10.0, power))
                    : FormatC("%.*f", -power, std::pow(10.0, power));
}

void DrawGraphAxes(DeviceContext& dc, RenderContext& ctx, const GraphFrame& frame,
                   const std::string& acrossCaption, std::vector<PlacedNote>& taken,
                   const std::string& depthCaption) {
  const WorldTransform& t = ctx.transform;
  const int h = NoteTextHeight(ctx);
  const int gap = h / 3;
  const int gridWidth = std::max(1, DevicePixels(t, 1) / 2);
  UseNoteFont(dc, ctx, kBlack);
  dc.SetTextAlign(TextAlign::LeftTop);
  const bool logAcross = frame.acrossScale == AxisScale::kLog;
  if (logAcross) DrawMinorLogTicks(dc, frame, gap, DevicePixels(t, 1));
  for (double value : logAcross ? DecadePowers(frame.across) : Ticks(frame.across)) {
    const int x = frame.AcrossToX(logAcross ? std::pow(10.0, value) : value);
    if (x > frame.left && x < frame.right)
      DrawLine(dc, x, frame.top, x, frame.bottom, PenStyle::Solid, gridWidth, kGridColour);
    const std::string text =
        logAcross ? DecadeText(static_cast<int>(value)) : TickText(value, frame.across.step);
    const PlacedNote note = NoteAt(x - NoteTextWidth(text, h) / 2, frame.top - gap - h, h, text);
    if (!Clear(note, taken)) continue;
    Text(dc, note);
    taken.push_back(note);
  }
  for (double z : Ticks(frame.depth)) {
    const int y = frame.DepthToY(z);
    if (y > frame.top && y < frame.bottom)
      DrawLine(dc, frame.left, y, frame.right, y, PenStyle::Solid, gridWidth, kGridColour);
    const std::string text = TickText(z, frame.depth.step);
    PlacedNote note = NoteAt(frame.left - gap - NoteTextWidth(text, h), y - h / 2, h, text);
    // The top value (0, where the graph starts) would meet the first value across at the
    // corner: it goes just below the top edge, so that the axis is read from its start.
    if (!Clear(note, taken) && y == frame.top) note = NoteAt(note.left, y, h, text);
    if (!Clear(note, taken)) continue;
    Text(dc, note);
    taken.push_back(note);
  }
  const int middle = (frame.left + frame.right) / 2;
  const PlacedNote across = NoteAt(middle - NoteTextWidth(acrossCaption, h) / 2,
                                   frame.top - 2 * (gap + h), h, acrossCaption);
  const PlacedNote depth = NoteAt(frame.left - gap - NoteTextWidth(depthCaption, h),
                                  frame.top - 2 * (gap + h), h, depthCaption);
  for (const PlacedNote& note : {across, depth}) {
    Text(dc, note);
    taken.push_back(note);
  }
  DrawRectOutline(dc, frame.left, frame.top, frame.right, frame.bottom, PenStyle::Solid,
                  DevicePixels(t, 1), kBlack);
}

CurveStyle CurveStyleOf(int index, bool monochrome) {
  // 0x00BBGGRR: blue, red, green, orange, purple, brown.
  constexpr Colour kColours[kCurveStyles] = {0xC04000, 0x2020D0, 0x208020,
                                             0x0080E0, 0x802080, 0x204080};
  constexpr PenStyle kDashes[kCurveStyles] = {PenStyle::Solid,    PenStyle::Dash,
                                              PenStyle::Dot,      PenStyle::DashDot,
                                              PenStyle::LongDash, PenStyle::DashDotDot};
  constexpr CurveMarker kMarkers[kCurveStyles] = {
      CurveMarker::Circle, CurveMarker::Square,  CurveMarker::Triangle,
      CurveMarker::Cross,  CurveMarker::Diamond, CurveMarker::InvertedTriangle};
  const int i = std::max(index, 0) % kCurveStyles;
  return {kDashes[i], kMarkers[i], monochrome ? kBlack : kColours[i]};
}

int CurveLineWidth(const WorldTransform& t) {
  return DevicePixels(t, kCurvePixels);
}

void DrawCurveSample(DeviceContext& dc, const WorldTransform& t, const CurveStyle& style, int x0,
                     int x1, int y) {
  DrawLine(dc, x0, y, x1, y, style.dash, CurveLineWidth(t), style.colour);
  DrawMarker(dc, t, style.marker, (x0 + x1) / 2, y, style.colour);
}

void DrawDepthCurves(DeviceContext& dc, RenderContext& ctx, const GraphFrame& frame,
                     const std::vector<DepthCurve>& curves) {
  const WorldTransform& t = ctx.transform;
  const bool monochrome = IsMonochrome(ctx.settings);
  const int lineWidth = CurveLineWidth(t);
  // The line of dP = 0, where the curves of a field with negative values cross.
  if (frame.acrossScale == AxisScale::kLinear && frame.across.from < 0 && frame.across.to > 0) {
    const int x = frame.AcrossToX(0.0);
    DrawLine(dc, x, frame.top, x, frame.bottom, PenStyle::Solid, DevicePixels(t, 1), kBlack);
  }
  dc.IntersectClipRect(frame.left, frame.top, frame.right + 1, frame.bottom + 1);
  for (std::size_t i = 0; i < curves.size(); ++i) {
    const CurveStyle style = CurveStyleOf(static_cast<int>(i), monochrome);
    std::vector<DevicePoint> points;
    points.reserve(curves[i].samples.size());
    for (const DepthSample& s : curves[i].samples)
      if (std::isfinite(s.dP)) points.push_back({frame.AcrossToX(s.dP), frame.DepthToY(s.z)});
    const Pen before = dc.SelectPen({style.dash, lineWidth, style.colour});
    if (points.size() >= 2) dc.Polyline(points);
    std::vector<DevicePoint> companion;
    for (const DepthSample& s : curves[i].companion)
      if (std::isfinite(s.dP)) companion.push_back({frame.AcrossToX(s.dP), frame.DepthToY(s.z)});
    dc.SelectPen({style.dash, std::max(1, lineWidth / 3), style.colour});
    if (companion.size() >= 2) dc.Polyline(companion);
    std::vector<DevicePoint> branch;
    for (const DepthSample& s : curves[i].branch)
      if (std::isfinite(s.dP)) branch.push_back({frame.AcrossToX(s.dP), frame.DepthToY(s.z)});
    dc.SelectPen({PenStyle::Dot, std::max(1, lineWidth / 3), style.colour});
    if (branch.size() >= 2) dc.Polyline(branch);
    dc.SelectPen({PenStyle::Solid, lineWidth, style.colour});
    const int tick = 2 * DevicePixels(t, kMarkPixels);
    for (const DepthMark& mark : curves[i].ticks)
      if (std::isfinite(mark.dP)) {
        const int x = frame.AcrossToX(mark.dP), y = frame.DepthToY(mark.z);
        dc.Polyline({{x, y - tick}, {x, y + tick}});
      }
    dc.SelectPen(before);
  }
  for (std::size_t i = 0; i < curves.size(); ++i) {
    const CurveStyle style = CurveStyleOf(static_cast<int>(i), monochrome);
    for (const DepthMark& mark : curves[i].marks)
      if (std::isfinite(mark.dP))
        DrawMarker(dc, t, style.marker, frame.AcrossToX(mark.dP), frame.DepthToY(mark.z),
                   style.colour);
  }
  dc.RemoveClip();
}

void DrawGraphHeading(DeviceContext& dc, RenderContext& ctx, const PaperBox& box,
                      const std::string& text) {
  const DeviceGeometry& g = ctx.geometry;
  UseNoteFont(dc, ctx, kBlack);
  dc.SetTextAlign(TextAlign::LeftTop);
  dc.TextOut(ClampToDevice((box.leftMm - kDepthValuesRoomMm) * g.pixelsPerMmX),
             ClampToDevice((box.topMm - kHeadingRoomMm) * g.pixelsPerMmY), text);
}

void DrawLinesInBox(DeviceContext& dc, RenderContext& ctx, const PaperBox& box,
                    const std::vector<std::string>& lines) {
  const DeviceGeometry& g = ctx.geometry;
  const int h = NoteTextHeight(ctx);
  if (!CreateTextFont(dc, 0x000000, h, ctx.fonts[kPageFont].faceName, 0, false))
    ++ctx.shortfalls.fontsNotMade;
  dc.SetTextAlign(TextAlign::LeftTop);
  const int left = ClampToDevice((box.leftMm - kDepthValuesRoomMm) * g.pixelsPerMmX);
  const int bottom = ClampToDevice(box.bottomMm * g.pixelsPerMmY);
  int y = ClampToDevice(box.topMm * g.pixelsPerMmY);
  for (std::size_t i = 0; i < lines.size() && y + h <= bottom; ++i, y += h + h / 3)
    dc.TextOut(left, y, lines[i]);
}

}  // namespace qel
