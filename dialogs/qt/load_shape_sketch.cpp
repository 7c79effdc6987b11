// Small drawings of the load shapes beside the load lists.
#include "dialogs/qt/load_shape_sketch.h"

#include <QPainter>
#include <QPainterPath>

namespace qel {

namespace {

QString Utf8(const char* text) {
  return QString::fromUtf8(text);
}

}  // namespace

LoadShapeSketch::LoadShapeSketch(Shape shape, QWidget* parent) : QWidget(parent), shape_(shape) {
  setAccessibleName(Label());
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QString LoadShapeSketch::Label() const {
  switch (shape_) {
    case Shape::Circle:
      return Utf8("( X , Y )   r");
    case Shape::PlanRectangle:
      return Utf8("R1( x1,y1 ) R2( x2,y2 ) ");
    case Shape::StripTrapezoid:
      return Utf8("x1  x2     x3　x4 ");
    case Shape::StripTriangle:
      return Utf8(" x1   x2=x3=x4");
    case Shape::StripBlock:
      return Utf8("x1=x2    x3=x4");
  }
  return {};
}

qreal LoadShapeSketch::CentreOf(const QString& name) const {
  const QString label = Label();
  const int at = label.indexOf(name);
  const QFontMetricsF metrics(font());
  return metrics.horizontalAdvance(label.left(at)) + metrics.horizontalAdvance(name) / 2;
}

QSize LoadShapeSketch::sizeHint() const {
  const QFontMetrics metrics(font());
  const int line = metrics.height();
  switch (shape_) {
    case Shape::Circle:
      return {line * 7, line * 6};
    case Shape::PlanRectangle:
      return {metrics.horizontalAdvance(Utf8("R1( x1,y1 ) ")) * 2, line * 6};
    default:
      return {metrics.horizontalAdvance(Label()) + line, line * 3};
  }
}

void LoadShapeSketch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor ink = palette().color(QPalette::WindowText);
  painter.setPen(QPen(ink, 1));
  const QFontMetricsF metrics(font());
  const qreal line = metrics.height();
  const qreal w = width(), h = height();

  switch (shape_) {
    case Shape::Circle: {
      const QPointF centre(w / 2, h / 2);
      const qreal radius = std::min(w, h) / 2 - line * 0.6;
      painter.setBrush(palette().color(QPalette::Midlight));
      painter.drawEllipse(centre, radius, radius);
      painter.setBrush(ink);
      painter.drawEllipse(centre, 2, 2);
      painter.drawLine(centre, centre + QPointF(radius, 0));
      painter.drawText(QPointF(centre.x() + radius / 2 - metrics.horizontalAdvance("r") / 2,
                               centre.y() - metrics.descent() - 2),
                       "r");
      const QString at = Utf8("( X , Y )");
      painter.drawText(QPointF(centre.x() - metrics.horizontalAdvance(at) / 2,
                               centre.y() + metrics.ascent() + 2),
                       at);
      return;
    }
    case Shape::PlanRectangle: {
      const QString r1 = Utf8("R1( x1,y1 ) "), r2 = Utf8("R2( x2,y2 ) ");
      const QRectF box(metrics.horizontalAdvance(r1) / 2, line * 1.3,
                       w - metrics.horizontalAdvance(r1) / 2 - metrics.horizontalAdvance(r2) / 2,
                       h - line * 2.6);
      painter.setBrush(palette().color(QPalette::Midlight));
      painter.drawRect(box);
      painter.setBrush(ink);
      painter.drawEllipse(box.bottomLeft(), 2.5, 2.5);
      painter.drawEllipse(box.topRight(), 2.5, 2.5);
      painter.drawText(QPointF(0, h - metrics.descent()), r1);
      painter.drawText(QPointF(w - metrics.horizontalAdvance(r2), metrics.ascent()), r2);
      return;
    }
    default:
      break;
  }

  // A strip piece: its cross-section on the ground line, the x names under its corners.
  const qreal ground = h - line - 1, top = line * 0.6;
  const QString label = Label();
  QPolygonF outline;
  if (shape_ == Shape::StripTrapezoid) {
    outline << QPointF(CentreOf("x1"), ground) << QPointF(CentreOf("x2"), top)
            << QPointF(CentreOf("x3"), top) << QPointF(CentreOf("x4"), ground);
  } else if (shape_ == Shape::StripTriangle) {
    const qreal peak = CentreOf("x2=x3=x4");
    outline << QPointF(CentreOf("x1"), ground) << QPointF(peak, top) << QPointF(peak, ground);
  } else {
    const qreal left = CentreOf("x1=x2"), right = CentreOf("x3=x4");
    outline << QPointF(left, ground) << QPointF(left, top) << QPointF(right, top)
            << QPointF(right, ground);
  }
  painter.setBrush(palette().color(QPalette::Midlight));
  painter.drawPolygon(outline);
  painter.drawLine(QPointF(0, ground), QPointF(w, ground));
  if (shape_ == Shape::StripTrapezoid) {
    const QString gamma = Utf8("↓γ");
    const qreal middle = (CentreOf("x2") + CentreOf("x3")) / 2;
    painter.drawText(QPointF(middle - metrics.horizontalAdvance(gamma) / 2,
                             (top + ground) / 2 + metrics.ascent() / 2),
                     gamma);
  }
  painter.drawText(QPointF(0, h - metrics.descent()), label);
}

}  // namespace qel
