// A small e-log p plot of one oedometer curve.
#include "view/soil_conditions_plot.h"

#include <algorithm>
#include <cmath>

#include "base/c_locale.h"
#include "settings/number_format.h"
#include "view/drawing.h"
#include "view/figure_notes.h"

namespace qel {

namespace {

constexpr Colour kBlack = 0x000000;
constexpr Colour kGrid = 0xC0C0C0;
// The plot's texts: the smallest size a printed page uses.
constexpr double kTextPoints = 8.0;
constexpr double kPointsPerInch = 72.0;
// Device units of a point's mark, in screen pixels.
constexpr int kMarkPixels = 3;

std::string TickText(double value, double step) {
  const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
  return FormatUnsignedZero(FormatC("%%.%df", decimals).c_str(), value);
}

}  // namespace

ElogPPlotRanges ElogPRanges(const ElogPCurve& curve) {
  ElogPPlotRanges ranges;
  double pLow = 0, pHigh = 0, eLow = 0, eHigh = 0;
  bool any = false;
  for (std::size_t i = 0; i < curve.p.size() && i < curve.e.size(); ++i) {
    if (!(curve.p[i] > 0) || !std::isfinite(curve.p[i]) || !std::isfinite(curve.e[i])) continue;
    pLow = any ? std::min(pLow, curve.p[i]) : curve.p[i];
    pHigh = any ? std::max(pHigh, curve.p[i]) : curve.p[i];
    eLow = any ? std::min(eLow, curve.e[i]) : curve.e[i];
    eHigh = any ? std::max(eHigh, curve.e[i]) : curve.e[i];
    any = true;
  }
  if (!any) {
    ranges.e = RoundAxisRange(0.0, 1.0, 5);
    return ranges;
  }
  ranges.firstDecade = static_cast<int>(std::floor(std::log10(pLow) + 1e-9));
  ranges.lastDecade = static_cast<int>(std::ceil(std::log10(pHigh) - 1e-9));
  if (ranges.lastDecade <= ranges.firstDecade) ranges.lastDecade = ranges.firstDecade + 1;
  ranges.e = RoundAxisRange(eLow, eHigh, 5);
  return ranges;
}

void DrawElogPPlot(DeviceContext& dc, RenderContext& ctx, const ElogPCurve& curve, int left,
                   int top, int right, int bottom, const std::string& stressUnit) {
  const WorldTransform& t = ctx.transform;
  const int h = ClampToDevice(ctx.geometry.dpiY * kTextPoints / kPointsPerInch);
  if (right - left < 6 * h || bottom - top < 4 * h) return;
  const ElogPPlotRanges ranges = ElogPRanges(curve);
  const double decades = ranges.lastDecade - ranges.firstDecade;
  const auto x = [&](double p) {
    const double f = (std::log10(p) - ranges.firstDecade) / decades;
    return ClampToDevice(left + std::round(f * (right - left)));
  };
  const auto y = [&](double e) {
    const double f = (ranges.e.to - e) / (ranges.e.to - ranges.e.from);
    return ClampToDevice(top + std::round(f * (bottom - top)));
  };
  if (!CreateTextFont(dc, kBlack, h, ctx.fonts[kPageFont].faceName, 0, false))
    ++ctx.shortfalls.fontsNotMade;
  const int thin = std::max(1, DevicePixels(t, 1) / 2);
  const int gap = h / 3;
  // Decades: a grid line and its value under the frame; short ticks at 2 to 9 times each.
  dc.SetTextAlign(TextAlign::CentreTop);
  for (int power = ranges.firstDecade; power <= ranges.lastDecade; ++power) {
    const int at = x(std::pow(10.0, power));
    DrawLine(dc, at, top, at, bottom, PenStyle::Solid, thin, kGrid);
    dc.TextOut(at, bottom + gap, DecadeText(power));
    for (int times = 2; power < ranges.lastDecade && times <= 9; ++times) {
      const int minor = x(times * std::pow(10.0, power));
      DrawLine(dc, minor, bottom - gap, minor, bottom, PenStyle::Solid, thin, kBlack);
    }
  }
  dc.TextOut((left + right) / 2, bottom + gap + h, "p (" + stressUnit + ")");
  // Void ratios: a grid line and its value left of the frame at every round step.
  dc.SetTextAlign(TextAlign::LeftTop);
  const double step = ranges.e.step;
  for (double k = std::ceil(ranges.e.from / step - 1e-9); k * step <= ranges.e.to + step * 1e-9;
       k += 1.0) {
    const int at = y(k * step);
    DrawLine(dc, left, at, right, at, PenStyle::Solid, thin, kGrid);
    const std::string text = TickText(k * step, step);
    dc.TextOut(left - gap - NoteTextWidth(text, h), at - h / 2, text);
  }
  dc.TextOut(left - gap - NoteTextWidth("e", h), top - h - gap, "e");
  DrawRectOutline(dc, left, top, right, bottom, PenStyle::Solid, DevicePixels(t, 1), kBlack);
  std::vector<DevicePoint> points;
  for (std::size_t i = 0; i < curve.p.size() && i < curve.e.size(); ++i)
    if (curve.p[i] > 0 && std::isfinite(curve.p[i]) && std::isfinite(curve.e[i]))
      points.push_back({x(curve.p[i]), y(curve.e[i])});
  const Pen before = dc.SelectPen({PenStyle::Solid, DevicePixels(t, 2), kBlack});
  if (points.size() >= 2) dc.Polyline(points);
  dc.SelectPen(before);
  const int mark = DevicePixels(t, kMarkPixels);
  for (const DevicePoint& point : points)
    DrawRectOutline(dc, point.x - mark, point.y - mark, point.x + mark, point.y + mark,
                    PenStyle::Solid, DevicePixels(t, 1), kBlack);
}

}  // namespace qel
