// A small drawing of the lattice of calculation points.
#include "dialogs/qt/lattice_sketch.h"

#include <QPainter>

namespace qel {

namespace {

constexpr int kPoints = 3;  // points drawn along each axis

}  // namespace

LatticeSketch::LatticeSketch(QWidget* parent) : QWidget(parent) {
  setAccessibleName(QString::fromUtf8("x, y, z の格子"));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize LatticeSketch::sizeHint() const {
  const int line = fontMetrics().height();
  return {line * 8, line * 8};
}

void LatticeSketch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor ink = palette().color(QPalette::WindowText);
  const QFontMetricsF metrics(font());
  const qreal line = metrics.height();
  // An oblique view: x to the right, y into the picture (up and right), z downwards.
  const QPointF origin(line * 0.8, line * 2.2);
  const QPointF stepX(line * 1.6, 0), stepY(line * 0.8, -line * 0.6), stepZ(0, line * 2.0);
  auto at = [&](int x, int y, int z) { return origin + stepX * x + stepY * y + stepZ * z; };

  painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
  for (int z = 0; z < kPoints; ++z)
    for (int i = 0; i < kPoints; ++i) {
      painter.drawLine(at(0, i, z), at(kPoints - 1, i, z));
      painter.drawLine(at(i, 0, z), at(i, kPoints - 1, z));
    }
  painter.setPen(Qt::NoPen);
  painter.setBrush(ink);
  for (int z = 0; z < kPoints; ++z)
    for (int y = 0; y < kPoints; ++y)
      for (int x = 0; x < kPoints; ++x)
        painter.drawEllipse(at(x, y, z), 2.2, 2.2);

  // The names of the three directions at the far ends of the lattice's edges.
  painter.setPen(QPen(ink, 1));
  const QPointF half(metrics.horizontalAdvance('x') / 2, -metrics.ascent() / 2);
  painter.drawText(at(kPoints - 1, 0, 0) + QPointF(line * 0.5, 0) - QPointF(0, half.y()), "x");
  painter.drawText(at(0, kPoints - 1, 0) - QPointF(line * 0.5 + half.x() * 2, half.y()), "y");
  painter.drawText(at(0, 0, kPoints - 1) + QPointF(0, line * 0.4 + metrics.ascent()) - half, "z");
}

}  // namespace qel
