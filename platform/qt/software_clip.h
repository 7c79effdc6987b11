// Clipping of lines and arcs to a rectangle in the drawing layer, for paint devices that
// ignore the painter's clip (the SVG generator writes no clip paths).
#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <optional>
#include <utility>
#include <vector>

namespace qel {

// The part of the segment a-b inside `clip` (edges included), by Liang-Barsky; nothing when the
// segment misses the rectangle.
std::optional<std::pair<QPointF, QPointF>> ClipSegment(QPointF a, QPointF b, const QRectF& clip);

// The runs of `line` inside `clip`: consecutive visible segments are joined into one polyline.
std::vector<QPolygonF> ClipPolyline(const QPolygonF& line, const QRectF& clip);

// Points along the arc of the ellipse inscribed in `ellipse` from the parametric angle
// `startDegrees` over `sweepDegrees` (counter-clockwise on a y-down surface, as
// QPainterPath::arcTo measures them), close enough that the chords stay within a fraction of a
// pixel of the curve.
QPolygonF SampleArc(const QRectF& ellipse, double startDegrees, double sweepDegrees);

}  // namespace qel
