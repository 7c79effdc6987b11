// A small drawing of the lattice of calculation points.
#include "dialogs/qt/lattice_sketch.h"

#include <QPainter>
#include <cmath>

namespace qel {

namespace {

constexpr int kPoints = 3;  // points drawn along each axis

}  // namespace

LatticeSketchLayout LatticeSketchLayout::For(const QFontMetricsF& metrics) {
  LatticeSketchLayout layout;
  const qreal line = metrics.height();
  // An oblique view: x to the right, y into the picture (up and right), z downwards.
  const QPointF origin(line * 1.4, line * 2.0);
  const QPointF stepX(line * 1.6, 0), stepY(line * 0.8, -line * 0.6), stepZ(0, line * 2.0);
  auto at = [&](double x, double y, double z) {
    return origin + stepX * x + stepY * y + stepZ * z;
  };
  const int last = kPoints - 1;
  for (int z = 0; z < kPoints; ++z) {
    for (int i = 0; i < kPoints; ++i) {
      layout.gridLines.push_back({at(0, i, z), at(last, i, z)});
      layout.gridLines.push_back({at(i, 0, z), at(i, last, z)});
    }
    for (int y = 0; y < kPoints; ++y)
      for (int x = 0; x < kPoints; ++x)
        layout.points.push_back(at(x, y, z));
  }
  // Each direction is named beside the middle of an outer edge of the lattice, on the side away
  // from the points: x under the front row of the deepest layer, y above the left edge of the
  // top layer, z left of the front left column.
  auto label = [&](const QString& text, QPointF centre) {
    const QSizeF size(metrics.horizontalAdvance(text), metrics.ascent());
    const QRectF box(centre - QPointF(size.width() / 2, size.height() / 2), size);
    layout.labels.push_back({text, QPointF(box.left(), box.bottom()), box});
  };
  label("x", at(1, 0, last) + QPointF(0, line * 0.8));
  const QPointF normalY = QPointF(-stepY.y(), stepY.x()) / std::hypot(stepY.x(), stepY.y());
  label("y", at(0, 0.5 * last, 0) - normalY * (line * 0.9));
  label("z", at(0, 0, 0.5 * last) - QPointF(line * 0.6, 0));
  layout.size = QSizeF(line * 7, line * 7.6);
  return layout;
}

LatticeSketch::LatticeSketch(QWidget* parent) : QWidget(parent) {
  setAccessibleName(QString::fromUtf8("x, y, z の格子"));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize LatticeSketch::sizeHint() const {
  return LatticeSketchLayout::For(QFontMetricsF(font())).size.toSize();
}

void LatticeSketch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor ink = palette().color(QPalette::WindowText);
  const LatticeSketchLayout layout = LatticeSketchLayout::For(QFontMetricsF(font()));
  painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
  for (const auto& [from, to] : layout.gridLines)
    painter.drawLine(from, to);
  painter.setPen(Qt::NoPen);
  painter.setBrush(ink);
  for (const QPointF& point : layout.points)
    painter.drawEllipse(point, layout.pointRadius, layout.pointRadius);
  painter.setPen(QPen(ink, 1));
  for (const LatticeSketchLayout::Label& label : layout.labels)
    painter.drawText(label.baseline, label.text);
}

}  // namespace qel
