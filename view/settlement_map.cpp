// The settlement along the strip section: the loads' outline above, and under it the final
// settlement and the settlement at the profile's times against x, at the strip figure's
// horizontal scale and paged by its print range.
#include <algorithm>
#include <cmath>

#include "analysis/settlement_map.h"
#include "base/c_locale.h"
#include "document/problem_common.h"
#include "document/strip_pieces.h"
#include "view/depth_section.h"
#include "view/drawing.h"
#include "view/figure_common.h"
#include "view/figure_notes.h"
#include "view/figure_pages.h"
#include "view/ground_band.h"
#include "view/page_furniture.h"
#include "view/renderers.h"
#include "view/settlement_cache.h"
#include "view/settlement_map_parts.h"

namespace qel {

namespace {

// The loads' outline takes this share of the height the page leaves for the drawing.
constexpr double kSectionShare = 0.2;
// Millimetres of a legend's line sample, and of the gap between its entries.
constexpr double kSampleMm = 12.0;
constexpr double kEntryGapMm = 6.0;
// Curves closer than this share of the settlement axis everywhere lie on one another.
constexpr double kApartShare = 0.005;

// The round scales a trough is drawn at when the figure's own would take more than one page.
constexpr int kRoundScales[] = {100,   200,   250,   300,   400,   500,   600,   800,   1000,
                                1200,  1500,  2000,  2500,  3000,  4000,  5000,  6000,  8000,
                                10000, 12000, 15000, 20000, 25000, 30000, 40000, 50000, 100000};

// The print range of the strip figure cut to the width the graph has at the figure's scale, so
// that one page of the profile holds what one page of the figure does where the paper allows.
// When the trough (from the figure's left x to `extent`) would not fit one page at that scale,
// its own round scale, the largest that holds it, and a page filled to the width.
FigureRange ProfileRange(const RenderContext& ctx, const PaperBox& box, double extent) {
  FigureRange range = ctx.document.problem(Problem::Strip).range;
  range.scaleX = std::max(range.scaleX, 1);
  const double widthMm = box.rightMm - box.leftMm;
  const double held = std::floor(widthMm * range.scaleX / 1000.0);
  range.rangeX = std::max(1, static_cast<int>(std::min<double>(range.rangeX, std::max(held, 1.0))));
  range.pageOverlap = std::max(range.pageOverlap, 0);
  if (FigurePageCount(extent, range) <= 1) return range;
  const double span = extent - range.leftX;
  for (const int scale : kRoundScales) {
    if (scale <= range.scaleX) continue;
    const double heldAtScale = std::floor(widthMm * scale / 1000.0);
    if (heldAtScale < span || heldAtScale < 1.0) continue;
    range.scaleX = scale;
    range.rangeX = static_cast<int>(heldAtScale);
    return range;
  }
  return range;  // wider than any round scale holds: paged at the figure's
}

double ProfileExtent(const RenderContext& ctx, const StripSettlementProfile& profile) {
  double extent = ctx.document.strip().piecesReach;
  if (!profile.xs.empty()) extent = std::max(extent, profile.xs.back());
  return extent;
}

int ProfilePages(const FigureRange& range, double extent) {
  return std::min(FigurePageCount(extent, range), kMostFigurePages);
}

// Where the section's ground line lies on the device, and the device units of a metre up.
struct SectionPlace {
  int groundY = 0;
  double unitsPerMetre = 0;
};

// The loads of both sets between `top` and `bottom` (device units): the ground line y = 0 and
// each piece's trapezoid, cut to the window, at the figure's vertical scale or flatter when the
// loads would not fit.
SectionPlace DrawLoadOutline(DeviceContext& dc, RenderContext& ctx, const GraphFrame& frame,
                             int top, int bottom) {
  std::vector<StripPieceRow> pieces;
  double high = 0.0, low = 0.0;
  for (int set = 1; set <= kStripSets; ++set)
    for (const StripPieceRow& row : ctx.document.strip().set(set).calculated) {
      const double topY = row.baseY + row.piece.h;
      if (!std::isfinite(topY) || !std::isfinite(row.baseY)) continue;
      high = std::max(high, topY);
      low = std::min(low, row.baseY);
      pieces.push_back(row);
    }
  const FigureRange range = ctx.document.problem(Problem::Strip).range;
  double unitsPerMetre = 1000.0 / std::max(range.scaleY, 1) * ctx.geometry.pixelsPerMmY;
  if (high - low > 0.0) unitsPerMetre = std::min(unitsPerMetre, (bottom - top) / (high - low));
  const double groundY = top + high * unitsPerMetre;
  auto toY = [&](double y) { return ClampToDevice(std::round(groundY - y * unitsPerMetre)); };
  const int width = DevicePixels(ctx.transform, ctx.settings.figureLineWidth);
  auto line = [&](double x0, double y0, double x1, double y1) {
    const std::optional<WorldSegment> cut =
        CutToSpan({x0, y0, x1, y1}, frame.across.from, frame.across.to);
    if (cut)
      DrawLine(dc, frame.AcrossToX(cut->x0), toY(cut->y0), frame.AcrossToX(cut->x1), toY(cut->y1),
               PenStyle::Solid, width, 0x000000);
  };
  line(frame.across.from, 0.0, frame.across.to, 0.0);
  for (const StripPieceRow& row : pieces) {
    const StripPiece& p = row.piece;
    const double y = row.baseY, h = row.piece.h;
    line(p.x1, y, p.x2, y + h);
    line(p.x2, y + h, p.x3, y + h);
    line(p.x3, y + h, p.x4, y);
  }
  return {toY(0.0), unitsPerMetre};
}

// The vertical scale (1/n) of the ground band under the section: the figure's, or the largest
// round one that keeps the ground shown within kMostGroundBandMm when it reaches deeper.
constexpr double kMostGroundBandMm = 40.0;
double GroundBandScale(const RenderContext& ctx, double depth) {
  const double figure = std::max(ctx.document.problem(Problem::Strip).range.scaleY, 1);
  return depth * 1000.0 / figure <= kMostGroundBandMm ? figure
                                                      : RoundScaleFor(depth, kMostGroundBandMm);
}

AxisRange SettlementRange(const StripSettlementProfile& profile) {
  double low = 0.0, high = 0.0;
  auto take = [&](const std::optional<double>& s) {
    if (s && std::isfinite(*s)) low = std::min(low, *s * 100.0), high = std::max(high, *s * 100.0);
  };
  for (const std::optional<double>& s : profile.totals)
    take(s);
  for (const TimeCurve& curve : profile.curves)
    for (const std::optional<double>& s : curve.values)
      take(s);
  return high > low ? RoundAxisRange(low, high, 5) : RoundAxisRange(0.0, 1.0, 5);
}

// One curve through the columns, broken where a column has no value, cut to the frame's span.
std::vector<std::vector<DevicePoint>> CurvePieces(const GraphFrame& frame,
                                                  const std::vector<double>& xs,
                                                  const std::vector<std::optional<double>>& s) {
  std::vector<std::vector<DevicePoint>> pieces;
  for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
    if (!s[i] || !s[i + 1]) continue;
    const std::optional<WorldSegment> cut = CutToSpan(
        {xs[i], *s[i] * 100.0, xs[i + 1], *s[i + 1] * 100.0}, frame.across.from, frame.across.to);
    if (!cut) continue;
    pieces.push_back({{frame.AcrossToX(cut->x0), frame.DepthToY(cut->y0)},
                      {frame.AcrossToX(cut->x1), frame.DepthToY(cut->y1)}});
  }
  return pieces;
}

struct LegendEntry {
  std::string text;
  CurveStyle style;
  int width = 1;
  bool marked = false;
};

std::vector<LegendEntry> LegendOf(const RenderContext& ctx, const StripSettlementProfile& profile) {
  const bool monochrome = IsMonochrome(ctx.settings);
  const int thin = CurveLineWidth(ctx.transform);
  std::vector<LegendEntry> entries;
  entries.push_back({"最終沈下量",
                     {PenStyle::Solid, CurveMarker::Square, MapColoursOf(ctx.settings).final},
                     2 * thin,
                     true});
  // A curve that lies on the final one, or on an earlier one, within what the eye tells apart
  // says so, so that the curve under it is not taken for missing.
  const AxisRange axis = SettlementRange(profile);
  const double apartCm = kApartShare * (axis.to - axis.from);
  auto lieOnOneAnother = [&](const std::vector<std::optional<double>>& a,
                             const std::vector<std::optional<double>>& b) {
    bool any = false;
    for (std::size_t k = 0; k < a.size() && k < b.size(); ++k) {
      if (!a[k] || !b[k]) continue;
      if (!(std::fabs(*a[k] - *b[k]) * 100.0 <= apartCm)) return false;
      any = true;
    }
    return any;
  };
  for (std::size_t i = 0; i < profile.curves.size(); ++i) {
    std::string text = FormatC("t = %g 日", profile.curves[i].days);
    if (lieOnOneAnother(profile.curves[i].values, profile.totals)) {
      text += "（最終沈下量と重なる）";
    } else {
      for (std::size_t j = 0; j < i; ++j) {
        if (!lieOnOneAnother(profile.curves[i].values, profile.curves[j].values)) continue;
        text += FormatC("（t = %g 日と重なる）", profile.curves[j].days);
        break;
      }
    }
    entries.push_back({text, CurveStyleOf(static_cast<int>(i), monochrome), thin, false});
  }
  return entries;
}

// The entries side by side from (left, top), wrapped at `right`; returns the height they take.
int DrawLegend(DeviceContext& dc, RenderContext& ctx, const std::vector<LegendEntry>& entries,
               int left, int top, int right, bool draw) {
  const int h = NoteTextHeight(ctx);
  const int pitch = h + h / 2;
  const int sample = ClampToDevice(kSampleMm * ctx.geometry.pixelsPerMmX);
  const int gap = ClampToDevice(kEntryGapMm * ctx.geometry.pixelsPerMmX);
  if (draw) UseMapFont(dc, ctx);
  int x = left, y = top;
  for (const LegendEntry& entry : entries) {
    const int width = sample + h / 2 + NoteTextWidth(entry.text, h);
    if (x > left && x + width > right) x = left, y += pitch;
    if (draw) {
      DrawLine(dc, x, y + h / 2, x + sample, y + h / 2, entry.style.dash, entry.width,
               entry.style.colour);
      if (entry.marked)
        DrawColumnMark(dc, ctx.transform, {x + sample / 2, y + h / 2}, entry.style.colour, true);
      dc.TextOut(x + sample + h / 2, y, entry.text);
    }
    x += width + gap;
  }
  return y + pitch - top;
}

std::vector<std::string> ProfileNotes(const StripSettlementProfile& profile) {
  std::vector<std::string> notes;
  const std::optional<std::size_t> largest = LargestValueAt(profile.totals);
  notes.push_back(largest ? "最大沈下量 S = " + CentimetreText(*profile.totals[*largest]) +
                                " cm（x = " + MetreText(profile.xs[*largest]) + " m）"
                          : std::string("最大沈下量: 沈下量を求められた計算点がありません"));
  if (std::any_of(profile.totals.begin(), profile.totals.end(),
                  [](const std::optional<double>& s) { return !s; }))
    notes.push_back("□: 沈下量を求められない計算点（曲線から除外）");
  if (profile.timesLeftOut > 0)
    notes.push_back(FormatC("時間 %zu 個のうち先頭の %zu 個の曲線を描きます",
                            profile.curves.size() + profile.timesLeftOut, profile.curves.size()));
  return notes;
}

void DrawProfilePage(DeviceContext& dc, RenderContext& ctx, const StripSettlementProfile& profile,
                     PaperBox box, const FigureRange& range, int page, int pages) {
  const DeviceGeometry& g = ctx.geometry;
  const int h = NoteTextHeight(ctx);
  const double left = PrintedPageLeft(range, page);
  box.rightMm = box.leftMm + range.rangeX * 1000.0 / range.scaleX;
  DrawGraphHeading(dc, ctx, box,
                   FormatC("帯状荷重 沈下量分布　縮尺 1/%d", range.scaleX) +
                       (pages > 1 ? FormatC("　(%d/%d)", page, pages) : std::string()));
  const std::vector<LegendEntry> legend = LegendOf(ctx, profile);
  // With a soil profile, the ground stands under the ground line (the drains' label under it);
  // a band flatter than the figure says so.
  const std::optional<double> groundDepth = GroundBandDepth(ctx);
  const double groundScale = groundDepth ? GroundBandScale(ctx, *groundDepth) : 0.0;
  std::vector<std::string> notes = ProfileNotes(profile);
  if (groundDepth && groundScale != std::max(ctx.document.problem(Problem::Strip).range.scaleY, 1))
    notes.push_back(FormatC("断面下の地盤：縦縮尺 1/%g（荷重の断面と異なる）", groundScale));
  const int boxLeft = ClampToDevice(box.leftMm * g.pixelsPerMmX);
  const int boxRight = ClampToDevice(box.rightMm * g.pixelsPerMmX);
  const int legendHeight = DrawLegend(dc, ctx, legend, boxLeft, 0, boxRight, false);
  const int below = legendHeight + static_cast<int>(notes.size()) * (h + h / 3) + h;
  const double sectionMm = (box.bottomMm - box.topMm) * kSectionShare;
  const double axisMm = 3.0 * (h + h / 3) / g.pixelsPerMmY;
  const double zoneMm = groundDepth ? *groundDepth * 1000.0 / groundScale : 0.0;
  const double zoneRoomMm = groundDepth ? zoneMm + 2.0 * h / g.pixelsPerMmY : 0.0;
  PaperBox graphBox = box;
  graphBox.topMm = box.topMm + sectionMm + zoneRoomMm + axisMm;
  graphBox.bottomMm = std::max(graphBox.topMm + 20.0, box.bottomMm - below / g.pixelsPerMmY);
  const GraphFrame frame = FrameOnDevice(
      ctx, graphBox, {left, left + range.rangeX, RoundAxisRange(left, left + range.rangeX, 8).step},
      SettlementRange(profile));
  const SectionPlace section =
      DrawLoadOutline(dc, ctx, frame, ClampToDevice(box.topMm * g.pixelsPerMmY),
                      ClampToDevice((box.topMm + sectionMm) * g.pixelsPerMmY));
  if (groundDepth) {
    dc.IntersectClipRect(0, section.groundY - 2 * h, frame.right + 1,
                         ClampToDevice((box.topMm + sectionMm + zoneRoomMm) * g.pixelsPerMmY) + h);
    DrawGroundBand(dc, ctx,
                   {frame.left, frame.right, frame.across.from, frame.across.to, section.groundY,
                    zoneMm * g.pixelsPerMmY / *groundDepth});
    dc.RemoveClip();
  }
  std::vector<PlacedNote> taken;
  DrawGraphAxes(dc, ctx, frame, "x (m)", taken, "S (cm)");

  // The time curves under the final one, then the final one with its marks.
  FigureObstacles obstacles;
  dc.IntersectClipRect(frame.left, frame.top, frame.right + 1, frame.bottom + 1);
  for (std::size_t i = 0; i < profile.curves.size(); ++i) {
    const LegendEntry& entry = legend[i + 1];
    const Pen before = dc.SelectPen({entry.style.dash, entry.width, entry.style.colour});
    for (const std::vector<DevicePoint>& piece :
         CurvePieces(frame, profile.xs, profile.curves[i].values)) {
      dc.Polyline(piece);
      obstacles.AddPolyline(piece, entry.width);
    }
    dc.SelectPen(before);
  }
  const LegendEntry& final = legend.front();
  const Pen before = dc.SelectPen({PenStyle::Solid, final.width, final.style.colour});
  for (const std::vector<DevicePoint>& piece : CurvePieces(frame, profile.xs, profile.totals)) {
    dc.Polyline(piece);
    obstacles.AddPolyline(piece, final.width);
  }
  dc.SelectPen(before);
  // The marks stand whole on the frame's edge where the settlement is 0.
  dc.RemoveClip();
  const int reach = ColumnMarkReach(ctx.transform);
  const Colour missing = MapColoursOf(ctx.settings).missing;
  std::vector<std::size_t> shown;
  for (std::size_t i = 0; i < profile.xs.size(); ++i) {
    if (profile.xs[i] < left || profile.xs[i] > left + range.rangeX) continue;
    const std::optional<double>& s = profile.totals[i];
    const DevicePoint at{frame.AcrossToX(profile.xs[i]), frame.DepthToY(s ? *s * 100.0 : 0.0)};
    DrawColumnMark(dc, ctx.transform, at, s ? final.style.colour : missing, s.has_value());
    obstacles.AddBox(DeviceBox{at.x, at.y, at.x, at.y}.Grown(reach));
    if (s) shown.push_back(i);
  }
  std::vector<PlacedNote> labels;
  const DeviceBox inside{frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1};
  for (const std::size_t i : shown) {
    const DevicePoint at{frame.AcrossToX(profile.xs[i]),
                         frame.DepthToY(*profile.totals[i] * 100.0)};
    if (const std::optional<PlacedNote> label =
            PlaceValueLabel(CentimetreText(*profile.totals[i]), at, reach, h, inside, obstacles))
      labels.push_back(*label);
  }
  DrawValueLabels(dc, ctx, labels);
  const int legendTop = frame.bottom + h;
  DrawLegend(dc, ctx, legend, boxLeft, legendTop, boxRight, true);
  DrawNoteLines(dc, ctx, boxLeft, legendTop + legendHeight, notes);
}

}  // namespace

int RenderStripSettlementMap(RenderContext& ctx, DeviceContext* dc, bool draw) {
  const DocumentSettlement& settlement = SettlementOf(ctx);
  const PaperBox box = DepthGraphBox(ctx);
  StripSettlementProfile profile;
  if (settlement.status == DocumentSettlement::Status::kComputed && settlement.courseModel)
    profile = StripProfile(*settlement.courseModel, settlement.columns, settlement.courses);
  const double extent = ProfileExtent(ctx, profile);
  const FigureRange range = ProfileRange(ctx, box, extent);
  const int pages = profile.xs.empty() ? 1 : ProfilePages(range, extent);
  if (dc == nullptr || !draw) return pages;
  DrawDisplayTitle(*dc, ctx, Problem::Strip, DisplayKind::SettlementMap);
  if (DrawUncomputedNote(*dc, ctx, settlement, box)) return pages;
  if (profile.xs.empty()) {
    DrawNoteLines(*dc, ctx,
                  ClampToDevice((box.leftMm - kDepthValuesRoomMm) * ctx.geometry.pixelsPerMmX),
                  ClampToDevice(box.topMm * ctx.geometry.pixelsPerMmY),
                  {"帯状荷重の沈下量を求める計算点がありません"});
    return pages;
  }
  DrawProfilePage(*dc, ctx, profile, box, range, std::clamp(ctx.view.currentPage, 1, pages), pages);
  return pages;
}

}  // namespace qel
