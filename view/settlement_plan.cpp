// The settlement over the plan of the lattice: lines of equal settlement through the columns,
// the loads' outlines, the value at each column, and the largest differential settlement and
// angular distortion between neighbouring columns.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "analysis/isobar_levels.h"
#include "analysis/settlement_map.h"
#include "base/c_locale.h"
#include "document/circle_rows.h"
#include "document/rectangle_rows.h"
#include "view/depth_section.h"
#include "view/drawing.h"
#include "view/figure_common.h"
#include "view/figure_notes.h"
#include "view/isobar_labels.h"
#include "view/line_gaps.h"
#include "view/page_furniture.h"
#include "view/renderers.h"
#include "view/settlement_cache.h"
#include "view/settlement_map_parts.h"
#include "view/settlement_plan_lines.h"

namespace qel {

namespace {

constexpr Colour kBlack = 0x000000;
constexpr Colour kTickColour = 0xC8C8C8;
// Sides of the polygon a circle's outline is taken as when texts keep clear of it.
constexpr int kCircleSides = 36;
// The most ticks along an edge of the plan.
constexpr int kMostTicks = 200;

// The world rectangle the plan shows: the columns and the loads with a margin around them. The
// settlement is sampled over all of it, so that its lines reach the frame.
PlanArea ExtentOf(const RenderContext& ctx, const SettlementGrid& grid) {
  double x0 = HUGE_VAL, x1 = -HUGE_VAL, y0 = HUGE_VAL, y1 = -HUGE_VAL;
  auto take = [&](double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
  };
  for (const double x : grid.xs)
    for (const double y : grid.ys)
      take(x, y);
  for (const RectangleRow& row : ctx.document.plan().rectangles.drawn)
    take(row.load.x1, row.load.y1), take(row.load.x2, row.load.y2);
  for (const CircleRow& row : ctx.document.plan().circles.drawn)
    take(row.load.x - row.load.r, row.load.y - row.load.r),
        take(row.load.x + row.load.r, row.load.y + row.load.r);
  if (!(x1 >= x0) || !(y1 >= y0)) return {0.0, 1.0, 0.0, 1.0};
  const double pad = std::max({0.05 * (x1 - x0), 0.05 * (y1 - y0), 1.0});
  return {x0 - pad, x1 + pad, y0 - pad, y1 + pad};
}

DevicePoint OnDevice(const WorldTransform& t, double x, double y) {
  return {ToDeviceX(t, x), ToDeviceY(t, y)};
}

// The multiples of a round step between `from` and `to`.
std::vector<double> TickValues(double from, double to) {
  std::vector<double> ticks;
  const double step = RoundAxisRange(from, to, 8).step;
  if (!(step > 0.0)) return ticks;
  for (double k = std::ceil(from / step - 1e-9); ticks.size() < kMostTicks; k += 1.0) {
    const double value = k * step;
    if (value > to + step * 1e-9 || (!ticks.empty() && !(value > ticks.back()))) break;
    ticks.push_back(value == 0.0 ? 0.0 : value);
  }
  return ticks;
}

// The frame, light lines at round x and y, and their values under and left of the frame.
void DrawPlanAxes(DeviceContext& dc, RenderContext& ctx, const PlanArea& e,
                  const DeviceBox& frame) {
  const WorldTransform& t = ctx.transform;
  const int h = NoteTextHeight(ctx);
  const int gap = h / 3;
  const int thin = std::max(1, DevicePixels(t, 1) / 2);
  UseMapFont(dc, ctx);
  // The captions first; a value that would meet a text before it is left out.
  std::vector<DeviceBox> taken;
  auto write = [&](int left, int top, const std::string& text) {
    const DeviceBox box{left, top, left + NoteTextWidth(text, h), top + h};
    if (std::any_of(taken.begin(), taken.end(),
                    [&box](const DeviceBox& other) { return box.Meets(other); }))
      return;
    taken.push_back(box);
    dc.TextOut(left, top, text);
  };
  write(frame.right - NoteTextWidth("x (m)", h), frame.bottom + 2 * gap + h, "x (m)");
  write(frame.left - gap - NoteTextWidth("y (m)", h), frame.top - 2 * h, "y (m)");
  for (const double x : TickValues(e.x0, e.x1)) {
    const int dx = ToDeviceX(t, x);
    DrawLine(dc, dx, frame.top, dx, frame.bottom, PenStyle::Solid, thin, kTickColour);
    const std::string text = FormatC("%g", x);
    write(dx - NoteTextWidth(text, h) / 2, frame.bottom + gap, text);
  }
  for (const double y : TickValues(e.y0, e.y1)) {
    const int dy = ToDeviceY(t, y);
    DrawLine(dc, frame.left, dy, frame.right, dy, PenStyle::Solid, thin, kTickColour);
    const std::string text = FormatC("%g", y);
    write(frame.left - gap - NoteTextWidth(text, h), dy - h / 2, text);
  }
  DrawRectOutline(dc, frame.left, frame.top, frame.right, frame.bottom, PenStyle::Solid,
                  DevicePixels(t, 1), kBlack);
}

// The loads' outlines as the plan figure draws them, and as strokes for the texts to keep off.
void DrawLoads(DeviceContext& dc, const RenderContext& ctx, FigureObstacles& obstacles) {
  const WorldTransform& t = ctx.transform;
  const int width = ctx.settings.figureLineWidth;
  const int stroke = DevicePixels(t, std::max(width, 1));
  for (const RectangleRow& row : ctx.document.plan().rectangles.drawn) {
    const RectLoad& r = row.load;
    WorldRect(dc, t, r.x1, r.y1, r.x2, r.y2, PenStyle::Solid, width, kBlack);
    obstacles.AddPolyline(
        {OnDevice(t, r.x1, r.y1), OnDevice(t, r.x2, r.y1), OnDevice(t, r.x2, r.y2),
         OnDevice(t, r.x1, r.y2), OnDevice(t, r.x1, r.y1)},
        stroke);
  }
  for (const CircleRow& row : ctx.document.plan().circles.drawn) {
    const CircleLoad& c = row.load;
    WorldEllipse(dc, t, c.x, c.y, c.r, c.r, PenStyle::Solid, width, kBlack);
    std::vector<DevicePoint> ring;
    for (int k = 0; k <= kCircleSides; ++k) {
      const double a = 2.0 * std::numbers::pi * k / kCircleSides;
      ring.push_back(OnDevice(t, c.x + c.r * std::cos(a), c.y + c.r * std::sin(a)));
    }
    obstacles.AddPolyline(ring, stroke);
  }
}

std::string PlaceText(const SettlementGrid& grid, std::size_t cell) {
  const std::size_t nx = grid.xs.size();
  return "(" + MetreText(grid.xs[cell % nx]) + ", " + MetreText(grid.ys[cell / nx]) + ")";
}

std::string BetweenText(const SettlementGrid& grid, const NeighbourPair& pair) {
  return "（(x, y) = " + PlaceText(grid, pair.a) + " と " + PlaceText(grid, pair.b) + " m の間）";
}

std::vector<std::string> PlanNotes(const SettlementGrid& grid, const SettlementGrid& field,
                                   const std::vector<double>& levels) {
  std::vector<std::string> notes;
  // Lines need cells: a field sampled along one line has none.
  const bool inLine = field.xs.size() < 2 || field.ys.size() < 2;
  const std::string sampled =
      FormatC("（%zu × %zu 点で求めた沈下量から）", field.xs.size(), field.ys.size());
  notes.push_back(
      inLine ? std::string("等沈下線：計算点が一列に並ぶため描きません")
      : levels.size() >= 2 ? FormatC("等沈下線 (cm)：%g cm 間隔", levels[1] - levels[0]) + sampled
      : levels.size() == 1 ? "等沈下線 (cm)：" + IsobarLevelText(levels[0]) + " cm" + sampled
                           : std::string("等沈下線：描ける線がありません"));
  const std::optional<std::size_t> largest = LargestValueAt(grid.totals);
  notes.push_back(largest ? "最大沈下量 S = " + CentimetreText(*grid.totals[*largest]) +
                                " cm（(x, y) = " + PlaceText(grid, *largest) + " m）"
                          : std::string("最大沈下量: 沈下量を求められた計算点がありません"));
  const GridDistortion d = LargestDistortion(grid);
  if (d.largestDifference) {
    notes.push_back("最大不同沈下量 ΔS = " + CentimetreText(d.largestDifference->difference) +
                    " cm" + BetweenText(grid, *d.largestDifference));
    const double angle = d.largestDistortion->Distortion();
    const double reciprocal = angle > 0.0 ? 1.0 / angle : 0.0;
    notes.push_back(
        FormatC("最大角変位 ΔS/L = %.5f", angle) +
        (angle > 0.0 && reciprocal < 1e9 ? FormatC(" (1/%.0f)", reciprocal) : std::string()) +
        BetweenText(grid, *d.largestDistortion));
  } else {
    notes.push_back("不同沈下量: 隣り合う計算点の組がありません");
  }
  if (std::any_of(grid.totals.begin(), grid.totals.end(),
                  [](const std::optional<double>& s) { return !s; }))
    notes.push_back("□: 沈下量を求められない計算点（等沈下線から除外）");
  return notes;
}

void DrawPlan(DeviceContext& dc, RenderContext& ctx, const DocumentSettlement& settlement,
              const SettlementGrid& grid, PaperBox box) {
  const DeviceGeometry& g = ctx.geometry;
  const int h = NoteTextHeight(ctx);
  // The lines follow the fine field; its range and the columns' set the levels.
  const PlanArea e = ExtentOf(ctx, grid);
  const SettlementGrid& field = SettlementPlanFieldOf(ctx, settlement, grid, e);
  double low = HUGE_VAL, high = -HUGE_VAL;
  for (const SettlementGrid* values : {&grid, &field})
    for (const std::optional<double>& s : values->totals)
      if (s) low = std::min(low, *s * 100.0), high = std::max(high, *s * 100.0);
  const std::vector<double> levels = SettlementLevels(low, high);
  const std::vector<std::string> notes = PlanNotes(grid, field, levels);
  const double notesMm = (static_cast<double>(notes.size()) + 3.0) * (h + h / 3) / g.pixelsPerMmY;
  const double widthMm = box.rightMm - box.leftMm;
  const double heightMm = std::max(box.bottomMm - box.topMm - notesMm, 10.0);
  // A round scale; a plan too wide for the roundest scale there is is fitted as it comes.
  const double mmPerMetre = std::min(
      {1000.0 / std::max(RoundScaleFor(e.x1 - e.x0, widthMm), RoundScaleFor(e.y1 - e.y0, heightMm)),
       widthMm / (e.x1 - e.x0), heightMm / (e.y1 - e.y0)});
  const double scale = 1000.0 / mmPerMetre;
  DrawGraphHeading(dc, ctx, box, FormatC("長方形円形荷重 沈下量分布　縮尺 1/%.6g", scale));

  SavedTransform restorer(ctx.transform);
  WorldTransform& t = ctx.transform;
  t.marginLeft = box.leftMm;
  t.marginTop = box.topMm;
  t.pixelsPerMetreX = mmPerMetre * g.pixelsPerMmX;
  t.pixelsPerMetreY = mmPerMetre * g.pixelsPerMmY;
  t.originX = -e.x0;
  t.originY = e.y1;
  const DeviceBox frame{ToDeviceX(t, e.x0), ToDeviceY(t, e.y1), ToDeviceX(t, e.x1),
                        ToDeviceY(t, e.y0)};
  DrawPlanAxes(dc, ctx, e, frame);

  // The marks and outlines first: the values keep clear of them, and the level labels of both.
  FigureObstacles obstacles;
  dc.IntersectClipRect(frame.left, frame.top, frame.right + 1, frame.bottom + 1);
  DrawLoads(dc, ctx, obstacles);
  const int reach = ColumnMarkReach(t);
  for (std::size_t cell = 0; cell < grid.totals.size(); ++cell) {
    const DevicePoint at =
        OnDevice(t, grid.xs[cell % grid.xs.size()], grid.ys[cell / grid.xs.size()]);
    obstacles.AddBox(DeviceBox{at.x, at.y, at.x, at.y}.Grown(reach));
  }
  const DeviceBox inside{frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1};
  std::vector<PlacedNote> values;
  for (std::size_t cell = 0; cell < grid.totals.size(); ++cell)
    if (grid.totals[cell]) {
      const DevicePoint at =
          OnDevice(t, grid.xs[cell % grid.xs.size()], grid.ys[cell / grid.xs.size()]);
      if (const std::optional<PlacedNote> label =
              PlaceValueLabel(CentimetreText(*grid.totals[cell]), at, reach, h, inside, obstacles))
        values.push_back(*label);
    }

  std::vector<double> metres;
  for (const double level : levels)
    metres.push_back(level / 100.0);
  const PlanLines& traced = SettlementPlanLinesOf(ctx, settlement, grid, e, metres);
  std::vector<DeviceIsobar> lines;
  for (std::size_t l = 0; l < traced.size(); ++l)
    for (const ContourLine& line : traced[l]) {
      DeviceIsobar isobar{levels[l], {}};
      for (const ContourPoint& p : line.points)
        isobar.points.push_back(OnDevice(t, p.u, p.v));
      if (line.closed && !isobar.points.empty()) isobar.points.push_back(isobar.points.front());
      if (isobar.points.size() >= 2) lines.push_back(std::move(isobar));
    }
  const MapColours colours = MapColoursOf(ctx.settings);
  // A line never runs through a column's value: it is broken around the value's box.
  std::vector<DeviceBox> valueBoxes;
  for (const PlacedNote& value : values)
    valueBoxes.push_back(BoxOf(value).Grown(std::max(1, h / 6)));
  const Pen before = dc.SelectPen({PenStyle::Solid, DevicePixels(t, 1), colours.levels});
  for (const DeviceIsobar& line : lines)
    for (const std::vector<DevicePoint>& run : LineOutsideBoxes(line.points, valueBoxes))
      dc.Polyline(run);
  dc.SelectPen(before);
  for (std::size_t cell = 0; cell < grid.totals.size(); ++cell) {
    const bool known = grid.totals[cell].has_value();
    DrawColumnMark(dc, t,
                   OnDevice(t, grid.xs[cell % grid.xs.size()], grid.ys[cell / grid.xs.size()]),
                   known ? colours.final : colours.missing, known);
  }
  dc.RemoveClip();

  const std::vector<LevelLabel> labels = PlaceLevelLabels(lines, obstacles, inside, h);
  dc.SetTextHalo(NoteGroundMargin(h));
  dc.SetTextAlign(TextAlign::CentreTop);
  if (!CreateTextFont(dc, colours.levels, h, ctx.fonts[kPageFont].faceName, 0, false))
    ++ctx.shortfalls.fontsNotMade;
  for (const LevelLabel& label : labels)
    if (label.clear && !label.leader)
      dc.TextOut((label.box.left + label.box.right) / 2, label.box.top, label.text);
  dc.SetTextHalo(0);
  DrawValueLabels(dc, ctx, values);
  DrawNoteLines(dc, ctx, ClampToDevice((box.leftMm - kDepthValuesRoomMm) * g.pixelsPerMmX),
                frame.bottom + 3 * (h + h / 3), notes);
}

}  // namespace

int RenderRectCircleSettlementMap(RenderContext& ctx, DeviceContext* dc, bool draw) {
  if (dc == nullptr || !draw) return 1;
  DrawDisplayTitle(*dc, ctx, Problem::RectCircle, DisplayKind::SettlementMap);
  const DocumentSettlement& settlement = SettlementOf(ctx);
  const PaperBox box = DepthGraphBox(ctx);
  if (DrawUncomputedNote(*dc, ctx, settlement, box)) return 1;
  const SettlementGrid grid = LatticeGrid(settlement.columns);
  if (grid.totals.empty()) {
    DrawNoteLines(*dc, ctx,
                  ClampToDevice((box.leftMm - kDepthValuesRoomMm) * ctx.geometry.pixelsPerMmX),
                  ClampToDevice(box.topMm * ctx.geometry.pixelsPerMmY),
                  {"長方形円形荷重の沈下量を求める計算点がありません"});
    return 1;
  }
  DrawPlan(*dc, ctx, settlement, grid, box);
  return 1;
}

}  // namespace qel
