// The drawing device over a QPainter: screen widget, printer, PDF, image or SVG.
#include "platform/qt/qt_device_context.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "platform/qt/qt_font_factory.h"
#include "platform/qt/software_clip.h"

namespace qel {

namespace {

// How far from 0 a clip rectangle's edge may lie (2^24 device pixels).
constexpr int kFarthestClipEdge = 1 << 24;

QColor ToQColor(Colour colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// Dash patterns of the broken pen styles in pixels at 96 dpi, scaled to the device so that
// dashes keep their length on paper.
QList<qreal> DashPattern(PenStyle style) {
  switch (style) {
    case PenStyle::Dash:
      return {18, 6};
    case PenStyle::Dot:
      return {3, 3};
    case PenStyle::DashDot:
      return {9, 6, 3, 6};
    case PenStyle::LongDash:
      return {30, 8};
    case PenStyle::DashDotDot:
      return {12, 5, 3, 5, 3, 5};
    default:
      return {};
  }
}

QPen ToQPen(const Pen& pen, int dpi) {
  if (pen.style == PenStyle::Null) return QPen(Qt::NoPen);
  // Width 0 is the thinnest line the device can draw, whatever the transform.
  QPen qpen(ToQColor(pen.colour), std::max(0, pen.width));
  qpen.setCosmetic(pen.width <= 0);
  if (pen.style == PenStyle::Solid) {
    qpen.setCapStyle(Qt::RoundCap);
    qpen.setJoinStyle(Qt::RoundJoin);
    return qpen;
  }
  // Qt measures dash patterns in pen widths; these are in device pixels.
  const double scale = std::max(1, dpi) / 96.0 / std::max(1, pen.width);
  QList<qreal> pattern = DashPattern(pen.style);
  for (qreal& length : pattern)
    length *= scale;
  qpen.setDashPattern(pattern);
  qpen.setCapStyle(Qt::FlatCap);
  qpen.setJoinStyle(Qt::MiterJoin);
  return qpen;
}

// Twice the coordinate differences, so that the centre of a box with odd sides stays integral
// (and the tests below stay exact for any coordinate a page can hold).
struct Radial {
  double dx, dy;
};

Radial RadialThrough(int x, int y, int left, int top, int right, int bottom) {
  return {2.0 * x - left - right, 2.0 * y - top - bottom};
}

// The parametric angle, in degrees counter-clockwise on the y-down surface, at which the ray
// `radial` from the centre meets the ellipse of radii rx, ry.
double ParametricAngle(const Radial& radial, double rx, double ry) {
  if (radial.dx == 0 && radial.dy == 0) return 0.0;
  constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;
  // A point (rx cos t, ry sin t) lies on the ray (dx, -dy) when tan t = (rx / ry) * (-dy / dx).
  return std::atan2(-radial.dy * rx, radial.dx * ry) * kDegreesPerRadian;
}

// `font` as it reaches the device's pixels through the painter's transform and the device's
// pixel ratio, unhinted when that is smaller than kTrueShapeBelowPixels.
QFont TrueShapeWhenSmall(const QFont& font, const QPainter& painter) {
  const double scale = std::sqrt(std::abs(painter.worldTransform().determinant()));
  const double ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
  const double pixels = font.pixelSize() > 0 ? font.pixelSize() * scale * ratio : 0.0;
  if (pixels <= 0 || pixels >= QtDeviceContext::kTrueShapeBelowPixels) return font;
  QFont unhinted = font;
  unhinted.setHintingPreference(QFont::PreferNoHinting);
  return unhinted;
}

}  // namespace

QtDeviceContext::QtDeviceContext(QPainter& painter, int dpiX, int dpiY, bool clipInSoftware)
    : painter_(painter),
      dpiX_(dpiX),
      dpiY_(dpiY),
      clipInSoftware_(clipInSoftware),
      baseTransform_(painter.worldTransform()),
      font_(painter.font()) {
  painter_.setPen(ToQPen(pen_, std::max(dpiX_, dpiY_)));
  painter_.setBrush(Qt::NoBrush);
  painter_.setBackgroundMode(Qt::TransparentMode);
}

Pen QtDeviceContext::SelectPen(const Pen& pen) {
  Pen previous = pen_;
  pen_ = pen;
  painter_.setPen(ToQPen(pen_, std::max(dpiX_, dpiY_)));
  return previous;
}

QPointF QtDeviceContext::StrokePoint(int x, int y) const {
  // Pixel (x, y) is the unit square from (x, y) on the surface; strokes run through its centre.
  return QPointF(x + 0.5, y + 0.5);
}

QRectF QtDeviceContext::SoftwareClipRect() const {
  return softwareClip_->translated(origin_.x(), origin_.y());
}

void QtDeviceContext::StrokePolyline(const QPolygonF& points) {
  if (pen_.style == PenStyle::Null || points.size() < 2) return;
  if (!clipInSoftware_ || !softwareClip_) {
    painter_.drawPolyline(points);
    return;
  }
  if (softwareClip_->isEmpty()) return;
  // The stroke's centre line is kept within the pixels the clip rectangle covers.
  const QRectF clip = SoftwareClipRect().adjusted(0.5, 0.5, -0.5, -0.5);
  for (const QPolygonF& run : ClipPolyline(points, clip))
    painter_.drawPolyline(run);
}

void QtDeviceContext::MoveTo(int x, int y) {
  position_ = QPoint(x, y);
}

void QtDeviceContext::LineTo(int x, int y) {
  const QPoint from = position_;
  position_ = QPoint(x, y);
  // A line of no length covers no pixel: the end point is never part of a line.
  if (from == position_) return;
  StrokePolyline(QPolygonF({StrokePoint(from.x(), from.y()), StrokePoint(x, y)}));
}

void QtDeviceContext::Polyline(const std::vector<DevicePoint>& points) {
  QPolygonF line;
  line.reserve(static_cast<qsizetype>(points.size()));
  for (const DevicePoint& p : points)
    line << StrokePoint(p.x, p.y);
  StrokePolyline(line);
}

void QtDeviceContext::Arc(int left, int top, int right, int bottom, int xStart, int yStart,
                          int xEnd, int yEnd) {
  if (pen_.style == PenStyle::Null) return;
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  // The box covers the pixels left .. right - 1 and top .. bottom - 1; the curve runs through
  // the centres of its outermost pixels. Sizes in doubles: the sides of a box from one end of the
  // int range to the other do not fit an int.
  const QRectF ellipse(left + 0.5, top + 0.5, std::max(0.0, static_cast<double>(right) - left - 1),
                       std::max(0.0, static_cast<double>(bottom) - top - 1));
  const Radial start = RadialThrough(xStart, yStart, left, top, right, bottom);
  const Radial end = RadialThrough(xEnd, yEnd, left, top, right, bottom);
  const double rx = ellipse.width() / 2, ry = ellipse.height() / 2;
  const double startAngle = ParametricAngle(start, rx, ry);
  double sweep = ParametricAngle(end, rx, ry) - startAngle;
  // Radials in the same direction (or a point at the centre) close the ellipse.
  const bool sameRadial =
      start.dx * end.dy - start.dy * end.dx == 0 && start.dx * end.dx + start.dy * end.dy >= 0;
  if (sameRadial) {
    sweep = 360.0;
  } else if (sweep <= 0.0) {
    sweep += 360.0;
  }

  if (clipInSoftware_ && softwareClip_) {
    StrokePolyline(SampleArc(ellipse, startAngle, sweep));
  } else if (sameRadial) {
    painter_.drawEllipse(ellipse);
  } else {
    QPainterPath path;
    path.arcMoveTo(ellipse, startAngle);
    path.arcTo(ellipse, startAngle, sweep);
    painter_.drawPath(path);
  }
}

void QtDeviceContext::FillPolygons(const std::vector<std::vector<DevicePoint>>& rings,
                                   Colour colour) {
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  for (const std::vector<DevicePoint>& ring : rings) {
    if (ring.size() < 3) continue;
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(ring.size()) + 1);
    for (const DevicePoint& p : ring)
      polygon << QPointF(p.x, p.y);
    polygon << polygon.front();
    path.addPolygon(polygon);
  }
  if (path.isEmpty()) return;
  if (clipInSoftware_ && softwareClip_) {
    if (softwareClip_->isEmpty()) return;
    QPainterPath clip;
    clip.addRect(SoftwareClipRect());
    path = path.intersected(clip);
  }
  painter_.fillPath(path, ToQColor(colour));
}

void QtDeviceContext::IntersectClipRect(int left, int top, int right, int bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  // Far beyond any surface, and near enough that the painter's integer rectangles hold the
  // sides: a rectangle across the whole int range clips nothing a page can show.
  for (int* edge : {&left, &top, &right, &bottom})
    *edge = std::clamp(*edge, -kFarthestClipEdge, kFarthestClipEdge);
  // The rectangle covers the pixels left .. right - 1 and top .. bottom - 1.
  const QRectF rect(left, top, right - left, bottom - top);
  if (clipInSoftware_) {
    const QRectF surface = rect.translated(-origin_.x(), -origin_.y());
    softwareClip_ = softwareClip_ ? softwareClip_->intersected(surface) : surface;
    // Nothing is drawn through an empty clip, wherever QRectF places it.
    if (softwareClip_->isEmpty()) softwareClip_ = QRectF();
    return;
  }
  painter_.setClipRect(rect, painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void QtDeviceContext::RemoveClip() {
  softwareClip_.reset();
  painter_.setClipping(false);
}

bool QtDeviceContext::SelectFont(const FontSpec& request) {
  std::optional<QFont> font = MakeDeviceFont(request, painter_.device());
  if (!font) return false;
  font_ = *font;
  escapement_ = request.escapement;
  return true;
}

Colour QtDeviceContext::SetTextColour(Colour colour) {
  return std::exchange(textColour_, colour);
}

void QtDeviceContext::SetTextAlign(TextAlign align) {
  align_ = align;
}

void QtDeviceContext::SetTransparentBackground() {
  painter_.setBackgroundMode(Qt::TransparentMode);
}

void QtDeviceContext::TextOut(int x, int y, const std::string& text) {
  if (clipInSoftware_ && softwareClip_) {
    // A text is kept or dropped whole, by its reference point.
    const QRectF clip = SoftwareClipRect();
    if (!(x >= clip.left() && x < clip.right() && y >= clip.top() && y < clip.bottom())) return;
  }
  const QString line = QString::fromStdString(text);
  const QFontMetricsF metrics(font_, painter_.device());
  const double offsetX = align_ == TextAlign::CentreTop ? -metrics.horizontalAdvance(line) / 2 : 0;
  painter_.save();
  const QFont font = trueShapeSmallText_ ? TrueShapeWhenSmall(font_, painter_) : font_;
  painter_.setFont(font);
  painter_.setPen(ToQColor(textColour_));
  painter_.translate(x, y);
  // Escapement turns the baseline counter-clockwise about the reference point.
  if (escapement_ != 0) painter_.rotate(-escapement_ / 10.0);
  if (halo_ > 0) {
    // The glyphs' outlines stroked wide in the paper's colour, under the text itself.
    QPainterPath outline;
    outline.addText(QPointF(offsetX, metrics.ascent()), font, line);
    painter_.strokePath(outline, QPen(ToQColor(kPaperColour), 2.0 * halo_, Qt::SolidLine,
                                      Qt::RoundCap, Qt::RoundJoin));
  }
  painter_.drawText(QPointF(offsetX, metrics.ascent()), line);
  painter_.restore();
}

void QtDeviceContext::SetTextHalo(int width) {
  halo_ = std::max(0, width);
}

void QtDeviceContext::SetWindowOrigin(int x, int y) {
  origin_ = QPoint(x, y);
  painter_.setWorldTransform(QTransform::fromTranslate(-x, -y) * baseTransform_);
}

}  // namespace qel
