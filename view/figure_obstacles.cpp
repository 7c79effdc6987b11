// The marks, outlines and texts the labels of a figure keep clear of.
#include "view/figure_obstacles.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "document/circle_rows.h"
#include "document/lattice_points.h"
#include "document/rectangle_rows.h"
#include "document/strip_pieces.h"
#include "document/strip_points.h"
#include "view/drawing.h"

namespace qel {

namespace {

// The cell of a coordinate, rounding towards minus infinity.
int CellOf(int coordinate, int cell) {
  return coordinate >= 0 ? coordinate / cell : -((-coordinate + cell - 1) / cell);
}

// The part [t0, t1] of the segment a + t (b - a), 0 <= t <= 1, inside `box` (Liang-Barsky);
// false when none is.
bool ClipToBox(DevicePoint a, DevicePoint b, const DeviceBox& box, double& t0, double& t1) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  t0 = 0.0;
  t1 = 1.0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {static_cast<double>(a.x) - box.left, static_cast<double>(box.right) - a.x,
                       static_cast<double>(a.y) - box.top, static_cast<double>(box.bottom) - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0.0) {
      if (r > t1) return false;
      t0 = std::max(t0, r);
    } else {
      if (r < t0) return false;
      t1 = std::min(t1, r);
    }
  }
  return t0 <= t1;
}

// The part of `a` that `b` covers, in square units (0 when they do not overlap).
double OverlapArea(const DeviceBox& a, const DeviceBox& b) {
  const double w = std::min(a.right, b.right) - std::max(a.left, b.left);
  const double h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0.0;
}

// A cross of `reach` units each way around (x, y).
void AddMark(FigureObstacles& obstacles, int x, int y, int reach) {
  obstacles.AddBox({x - reach, y - reach, x + reach, y + reach});
}

// The outline of an ellipse as WorldEllipse draws it, as a closed polyline fine enough that no
// chord strays a unit from the curve.
std::vector<DevicePoint> EllipseOutline(int cx, int cy, int rx, int ry) {
  const double around = 2.0 * std::numbers::pi * std::max(std::abs(rx), std::abs(ry));
  const int steps = std::clamp(static_cast<int>(around / 6.0), 16, 720);
  std::vector<DevicePoint> points;
  points.reserve(steps + 1);
  for (int i = 0; i <= steps; ++i) {
    const double angle = 2.0 * std::numbers::pi * i / steps;
    points.push_back({cx + static_cast<int>(std::lround(rx * std::cos(angle))),
                      cy + static_cast<int>(std::lround(ry * std::sin(angle)))});
  }
  return points;
}

}  // namespace

DeviceBox BoxOf(const PlacedNote& note) {
  return {note.left, note.top, note.right, note.bottom};
}

void FigureObstacles::Index(const DeviceBox& bounds, int entry) {
  const int c0 = CellOf(bounds.left, kCell), c1 = CellOf(bounds.right, kCell);
  const int r0 = CellOf(bounds.top, kCell), r1 = CellOf(bounds.bottom, kCell);
  for (int c = c0; c <= c1; ++c)
    for (int r = r0; r <= r1; ++r)
      cells_[CellKey(c, r)].push_back(entry);
}

void FigureObstacles::AddBox(const DeviceBox& box) {
  const DeviceBox ordered{std::min(box.left, box.right), std::min(box.top, box.bottom),
                          std::max(box.left, box.right), std::max(box.top, box.bottom)};
  boxes_.push_back(ordered);
  Index(ordered, static_cast<int>(boxes_.size()) - 1);
}

void FigureObstacles::IndexStroke(const Stroke& s, int entry) {
  // Column by column, the rows the stroke passes in it: a long slanting outline takes the cells
  // along it, not those of its whole bounding box.
  const int x0 = std::min(s.a.x, s.b.x), x1 = std::max(s.a.x, s.b.x);
  const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
  auto yAt = [&](int x) {
    if (dx == 0.0) return std::pair<double, double>(std::min(s.a.y, s.b.y), std::max(s.a.y, s.b.y));
    const double y = s.a.y + dy * (std::clamp(x, x0, x1) - s.a.x) / dx;
    return std::pair<double, double>(y, y);
  };
  const int c0 = CellOf(x0 - s.half, kCell), c1 = CellOf(x1 + s.half, kCell);
  for (int c = c0; c <= c1; ++c) {
    const int from = std::max(x0, c * kCell), to = std::min(x1, c * kCell + kCell - 1);
    const auto [a0, a1] = yAt(from);
    const auto [b0, b1] = yAt(to);
    const double low = std::min({a0, a1, b0, b1}) - s.half,
                 high = std::max({a0, a1, b0, b1}) + s.half;
    const int r0 = CellOf(static_cast<int>(std::floor(low)), kCell);
    const int r1 = CellOf(static_cast<int>(std::ceil(high)), kCell);
    for (int r = r0; r <= r1; ++r)
      cells_[CellKey(c, r)].push_back(entry);
  }
}

void FigureObstacles::AddStroke(DevicePoint a, DevicePoint b, int width, int owner) {
  const int half = std::max(1, (width + 1) / 2);
  strokes_.push_back({a, b, half, owner});
  IndexStroke(strokes_.back(), ~static_cast<int>(strokes_.size() - 1));
}

void FigureObstacles::AddPolyline(const std::vector<DevicePoint>& points, int width, int owner) {
  for (std::size_t i = 1; i < points.size(); ++i)
    AddStroke(points[i - 1], points[i], width, owner);
}

void FigureObstacles::AddAll(const FigureObstacles& other) {
  for (const DeviceBox& box : other.boxes_)
    AddBox(box);
  for (const Stroke& s : other.strokes_) {
    strokes_.push_back(s);
    IndexStroke(s, ~static_cast<int>(strokes_.size() - 1));
  }
}

template <typename Visit>
bool FigureObstacles::VisitNear(const DeviceBox& box, Visit visit) const {
  const int c0 = CellOf(box.left, kCell), c1 = CellOf(box.right, kCell);
  const int r0 = CellOf(box.top, kCell), r1 = CellOf(box.bottom, kCell);
  for (int c = c0; c <= c1; ++c)
    for (int r = r0; r <= r1; ++r) {
      const auto found = cells_.find(CellKey(c, r));
      if (found == cells_.end()) continue;
      for (int entry : found->second)
        if (!visit(entry)) return false;
    }
  return true;
}

std::vector<int> FigureObstacles::Near(const DeviceBox& box) const {
  std::vector<int> entries;
  const int c0 = CellOf(box.left, kCell), c1 = CellOf(box.right, kCell);
  const int r0 = CellOf(box.top, kCell), r1 = CellOf(box.bottom, kCell);
  for (int c = c0; c <= c1; ++c)
    for (int r = r0; r <= r1; ++r) {
      const auto found = cells_.find(CellKey(c, r));
      if (found != cells_.end())
        entries.insert(entries.end(), found->second.begin(), found->second.end());
    }
  std::sort(entries.begin(), entries.end());
  entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
  return entries;
}

bool FigureObstacles::IsClear(const DeviceBox& box, int ignored) const {
  // Many places are tried for each label: this stops at the first thing in the way, and an
  // entry met twice costs only its test.
  return VisitNear(box, [&](int entry) {
    if (entry >= 0) return !boxes_[entry].Meets(box);
    const Stroke& s = strokes_[~entry];
    if (ignored != kNoOwner && s.owner == ignored) return true;
    double t0 = 0.0, t1 = 0.0;
    return !ClipToBox(s.a, s.b, box.Grown(s.half), t0, t1);
  });
}

double FigureObstacles::Cover(const DeviceBox& box, double textWeight) const {
  double cover = 0.0;
  for (int entry : Near(box)) {
    if (entry >= 0) {
      cover += textWeight * OverlapArea(box, boxes_[entry]);
      continue;
    }
    const Stroke& s = strokes_[~entry];
    cover += LengthInside(s.a, s.b, box.Grown(s.half)) * (2 * s.half);
  }
  return cover;
}

int FigureObstacles::Crossings(const DeviceBox& box, int ignored) const {
  int crossings = 0;
  for (int entry : Near(box)) {
    if (entry >= 0) continue;
    const Stroke& s = strokes_[~entry];
    if (s.owner == ignored) continue;
    double t0 = 0.0, t1 = 0.0;
    if (ClipToBox(s.a, s.b, box, t0, t1)) ++crossings;
  }
  return crossings;
}

std::vector<std::pair<double, double>> FigureObstacles::BoxSpans(DevicePoint a,
                                                                 DevicePoint b) const {
  std::vector<std::pair<double, double>> spans;
  const DeviceBox bounds{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                         std::max(a.y, b.y)};
  for (int entry : Near(bounds)) {
    if (entry < 0) continue;
    double t0 = 0.0, t1 = 0.0;
    if (ClipToBox(a, b, boxes_[entry], t0, t1)) spans.emplace_back(t0, t1);
  }
  std::sort(spans.begin(), spans.end());
  std::vector<std::pair<double, double>> merged;
  for (const auto& span : spans) {
    if (!merged.empty() && span.first <= merged.back().second)
      merged.back().second = std::max(merged.back().second, span.second);
    else
      merged.push_back(span);
  }
  return merged;
}

double LengthInside(DevicePoint a, DevicePoint b, const DeviceBox& box) {
  double t0 = 0.0, t1 = 0.0;
  if (!ClipToBox(a, b, box, t0, t1)) return 0.0;
  return (t1 - t0) * std::hypot(static_cast<double>(b.x - a.x), static_cast<double>(b.y - a.y));
}

int PointMarkReach(const RenderContext& ctx) {
  const WorldTransform& t = ctx.transform;
  return DevicePixels(t, ctx.settings.pointMarkSize) +
         (DevicePixels(t, ctx.settings.pointMarkWidth) + 1) / 2 + 1;
}

FigureObstacles StripFigureObstacles(const RenderContext& ctx) {
  const WorldTransform& t = ctx.transform;
  FigureObstacles obstacles;
  const int reach = PointMarkReach(ctx);
  ctx.document.strip().points.ForEach([&](const StripPoint& point) {
    AddMark(obstacles, ToDeviceX(t, point.x), ToDeviceY(t, -point.z), reach);
  });
  const int width = DevicePixels(t, ctx.settings.figureLineWidth);
  for (int set = 1; set <= kStripSets; ++set)
    for (const StripPieceRow& row : ctx.document.strip().set(set).calculated) {
      const StripPiece& p = row.piece;
      const int base = ToDeviceY(t, row.baseY), top = ToDeviceY(t, row.baseY + p.h);
      obstacles.AddPolyline({{ToDeviceX(t, p.x1), base},
                             {ToDeviceX(t, p.x2), top},
                             {ToDeviceX(t, p.x3), top},
                             {ToDeviceX(t, p.x4), base},
                             {ToDeviceX(t, p.x1), base}},
                            width);
    }
  return obstacles;
}

FigureObstacles PlanFigureObstacles(const RenderContext& ctx) {
  const WorldTransform& t = ctx.transform;
  FigureObstacles obstacles;
  const LatticePoints& lattice = ctx.document.plan().lattice;
  if (!lattice.depths().empty()) {
    const int reach = PointMarkReach(ctx);
    for (const PointValue& y : lattice.ys())
      for (const PointValue& x : lattice.xs())
        AddMark(obstacles, ToDeviceX(t, x.value), ToDeviceY(t, y.value), reach);
  }
  const int width = DevicePixels(t, ctx.settings.figureLineWidth);
  for (const RectangleRow& row : ctx.document.plan().rectangles.drawn) {
    const RectLoad& r = row.load;
    const int x1 = ToDeviceX(t, r.x1), x2 = ToDeviceX(t, r.x2);
    const int y1 = ToDeviceY(t, r.y1), y2 = ToDeviceY(t, r.y2);
    obstacles.AddPolyline({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}}, width);
  }
  for (const CircleRow& row : ctx.document.plan().circles.drawn) {
    const CircleLoad& c = row.load;
    const int cx = ToDeviceX(t, c.x), cy = ToDeviceY(t, c.y);
    obstacles.AddPolyline(
        EllipseOutline(cx, cy, ToDeviceX(t, c.x + c.r) - cx, ToDeviceY(t, c.y - c.r) - cy), width);
  }
  return obstacles;
}

}  // namespace qel
