// Clipping of lines and arcs to a rectangle in the drawing layer.
#include "platform/qt/software_clip.h"

#include <algorithm>
#include <cmath>

namespace qel {

std::optional<std::pair<QPointF, QPointF>> ClipSegment(QPointF a, QPointF b, const QRectF& clip) {
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  double enter = 0.0, leave = 1.0;
  // Each edge as p * t <= q: the segment's parameter range shrinks to the inside of all four.
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x() - clip.left(), clip.right() - a.x(), a.y() - clip.top(),
                       clip.bottom() - a.y()};
  for (int edge = 0; edge < 4; ++edge) {
    if (p[edge] == 0.0) {
      if (q[edge] < 0.0) return std::nullopt;  // parallel to the edge and outside it
      continue;
    }
    const double t = q[edge] / p[edge];
    if (p[edge] < 0.0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
    if (enter > leave) return std::nullopt;
  }
  return std::make_pair(QPointF(a.x() + enter * dx, a.y() + enter * dy),
                        QPointF(a.x() + leave * dx, a.y() + leave * dy));
}

std::vector<QPolygonF> ClipPolyline(const QPolygonF& line, const QRectF& clip) {
  std::vector<QPolygonF> runs;
  if (line.size() == 1 && clip.contains(line.front())) runs.push_back(line);
  QPolygonF run;
  for (qsizetype i = 1; i < line.size(); ++i) {
    const auto visible = ClipSegment(line[i - 1], line[i], clip);
    if (!visible) {
      if (!run.isEmpty()) runs.push_back(std::exchange(run, {}));
      continue;
    }
    // A segment continues the run when it starts where the run ends (it was not cut at its
    // start); otherwise a new run begins.
    if (!run.isEmpty() && run.back() != visible->first) runs.push_back(std::exchange(run, {}));
    if (run.isEmpty()) run << visible->first;
    run << visible->second;
  }
  if (!run.isEmpty()) runs.push_back(run);
  // A closed line (a whole ellipse) cut by the clip: the run through its first point continues
  // the run that reaches its last.
  if (runs.size() >= 2 && line.front() == line.back() && runs.front().front() == line.front() &&
      runs.back().back() == line.back()) {
    runs.back() << runs.front().mid(1);
    runs.erase(runs.begin());
  }
  return runs;
}

QPolygonF SampleArc(const QRectF& ellipse, double startDegrees, double sweepDegrees) {
  const double rx = ellipse.width() / 2, ry = ellipse.height() / 2;
  const QPointF centre = ellipse.center();
  // A chord of angle step s on radius r strays r * (1 - cos(s / 2)) ~ r s^2 / 8 from the curve;
  // keep that below a tenth of a pixel, within sane bounds for the point count.
  const double radius = std::max({std::abs(rx), std::abs(ry), 1.0});
  const double step = std::sqrt(0.8 / radius);
  constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
  const double sweep = sweepDegrees * kRadiansPerDegree;
  const int segments = std::clamp(static_cast<int>(std::ceil(std::abs(sweep) / step)), 8, 100000);
  QPolygonF points;
  points.reserve(segments + 1);
  for (int i = 0; i <= segments; ++i) {
    const double angle = startDegrees * kRadiansPerDegree + sweep * i / segments;
    points << QPointF(centre.x() + rx * std::cos(angle), centre.y() - ry * std::sin(angle));
  }
  return points;
}

}  // namespace qel
