// Joining a level's open lines along the window's edge into the rings of the area beyond it.
#include "analysis/contour_fill.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace qel {

namespace {

// Positions along the window's edge, counter-clockwise from the corner (u0, v0): along v0 to
// u1, up u1 to v1, back along v1 to u0 and down u0.
class Perimeter {
 public:
  explicit Perimeter(const ContourWindow& w) : w_(w), width_(w.u1 - w.u0), height_(w.v1 - w.v0) {}

  double length() const { return 2 * (width_ + height_); }

  // The position of the edge point nearest `p`.
  double PositionOf(const ContourPoint& p) const {
    const std::array<double, 4> off = {std::fabs(p.v - w_.v0), std::fabs(w_.u1 - p.u),
                                       std::fabs(w_.v1 - p.v), std::fabs(p.u - w_.u0)};
    const auto edge = std::min_element(off.begin(), off.end()) - off.begin();
    switch (edge) {
      case 0:
        return std::clamp(p.u - w_.u0, 0.0, width_);
      case 1:
        return width_ + std::clamp(p.v - w_.v0, 0.0, height_);
      case 2:
        return width_ + height_ + std::clamp(w_.u1 - p.u, 0.0, width_);
      default:
        return 2 * width_ + height_ + std::clamp(w_.v1 - p.v, 0.0, height_);
    }
  }

  ContourPoint PointAt(double t) const {
    t = Wrap(t);
    if (t <= width_) return {w_.u0 + t, w_.v0};
    t -= width_;
    if (t <= height_) return {w_.u1, w_.v0 + t};
    t -= height_;
    if (t <= width_) return {w_.u1 - t, w_.v1};
    t -= width_;
    return {w_.u0, w_.v1 - std::min(t, height_)};
  }

  double Wrap(double t) const {
    const double l = length();
    t = std::fmod(t, l);
    return t < 0 ? t + l : t;
  }

  // The corners passed going from `from` to `to` forwards (or backwards), in that order.
  std::vector<ContourPoint> CornersBetween(double from, double to, bool forwards) const {
    const double corners[] = {0.0, width_, width_ + height_, 2 * width_ + height_};
    const double span = forwards ? Wrap(to - from) : Wrap(from - to);
    std::vector<std::pair<double, ContourPoint>> passed;
    for (double c : corners) {
      const double along = forwards ? Wrap(c - from) : Wrap(from - c);
      if (along > 0 && along < span) passed.emplace_back(along, PointAt(c));
    }
    std::sort(passed.begin(), passed.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ContourPoint> points;
    for (const auto& [along, point] : passed)
      points.push_back(point);
    return points;
  }

 private:
  ContourWindow w_;
  double width_, height_;
};

// One end of an open line on the window's edge.
struct LineEnd {
  std::size_t line = 0;
  bool start = false;  // the line's first point, else its last
  double position = 0.0;
};

}  // namespace

bool IsBeyondLevel(double value, double level) {
  return level < 0 ? value <= level : value >= level;
}

std::vector<std::vector<ContourPoint>> ContourRegionRings(const std::vector<ContourLine>& lines,
                                                          const ContourWindow& window,
                                                          const ScalarField& field, double level) {
  std::vector<std::vector<ContourPoint>> rings;
  if (!(window.u1 > window.u0) || !(window.v1 > window.v0)) return rings;
  const Perimeter perimeter(window);
  std::vector<LineEnd> ends;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const ContourLine& line = lines[i];
    if (line.points.size() < 2) continue;
    if (line.closed) {
      rings.push_back(line.points);
      continue;
    }
    ends.push_back({i, true, perimeter.PositionOf(line.points.front())});
    ends.push_back({i, false, perimeter.PositionOf(line.points.back())});
  }
  auto beyondAt = [&](double t) {
    const ContourPoint p = perimeter.PointAt(t);
    return IsBeyondLevel(field(p.u, p.v), level);
  };
  if (ends.empty()) {
    // No line reaches the edge: the edge lies wholly beyond the level or wholly short of it.
    if (beyondAt(perimeter.length() / 8))
      rings.push_back({{window.u0, window.v0},
                       {window.u1, window.v0},
                       {window.u1, window.v1},
                       {window.u0, window.v1}});
    return rings;
  }
  std::sort(ends.begin(), ends.end(),
            [](const LineEnd& a, const LineEnd& b) { return a.position < b.position; });
  const std::size_t n = ends.size();
  // Whether the stretch of edge from end k to end k + 1 lies beyond the level, judged at its
  // middle.
  std::vector<bool> beyond(n);
  for (std::size_t k = 0; k < n; ++k) {
    const double from = ends[k].position;
    const double to = ends[(k + 1) % n].position;
    beyond[k] = beyondAt(from + perimeter.Wrap(to - from) / 2);
  }
  // Where each line's two ends stand in `ends`.
  std::vector<std::array<std::size_t, 2>> endOf(lines.size(), {n, n});
  for (std::size_t k = 0; k < n; ++k)
    endOf[ends[k].line][ends[k].start ? 0 : 1] = k;

  std::vector<bool> used(lines.size(), false);
  for (std::size_t first = 0; first < n; ++first) {
    if (used[ends[first].line]) continue;
    std::vector<ContourPoint> ring;
    std::size_t at = first;  // the end the walk enters a line by
    for (std::size_t steps = 0; steps <= n && !used[ends[at].line]; ++steps) {
      const LineEnd& in = ends[at];
      const std::vector<ContourPoint>& points = lines[in.line].points;
      used[in.line] = true;
      if (in.start)
        ring.insert(ring.end(), points.begin(), points.end());
      else
        ring.insert(ring.end(), points.rbegin(), points.rend());
      // Out by the line's other end, then along the stretch of edge beyond the level there.
      const std::size_t out = endOf[in.line][in.start ? 1 : 0];
      const std::size_t ahead = (out + 1) % n, behind = (out + n - 1) % n;
      std::size_t next;
      bool forwards;
      if (beyond[out]) {
        next = ahead;
        forwards = true;
      } else if (beyond[behind]) {
        next = behind;
        forwards = false;
      } else {
        break;  // no stretch beyond the level meets this end: the ring closes straight
      }
      const std::vector<ContourPoint> corners =
          perimeter.CornersBetween(ends[out].position, ends[next].position, forwards);
      ring.insert(ring.end(), corners.begin(), corners.end());
      at = next;
    }
    if (ring.size() >= 3) rings.push_back(std::move(ring));
  }
  return rings;
}

}  // namespace qel
