// The column and curve sketches of the soil dialogs, painted from their computed geometry.
#include "dialogs/qt/soil_sketch_widgets.h"

#include <QPainter>
#include <QPainterPath>

namespace qel {

namespace {

QRect RectOf(const SketchBox& box) {
  return QRect(QPoint(box.left, box.top), QPoint(box.right, box.bottom));
}

}  // namespace

SoilColumnView::SoilColumnView(QWidget* parent) : QWidget(parent) {
  setObjectName("columnSketch");
  setAccessibleName(QString::fromUtf8("地盤の柱状図"));
  setMinimumSize(180, 240);
}

void SoilColumnView::SetInput(const SoilSketchInput& input) {
  input_ = input;
  update();
}

void SoilColumnView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  const int column = std::min(90, width() / 3);
  const SketchBox area{8, 8, 8 + column, height() - 8};
  const SoilColumnSketch sketch = SketchSoilColumn(input_, area);
  if (sketch.layers.empty()) {
    painter.drawText(rect(), Qt::AlignCenter, QString::fromUtf8("土層がありません"));
    return;
  }
  for (const SoilColumnSketch::Layer& layer : sketch.layers) {
    const QRect box = RectOf(layer.box);
    painter.fillRect(box, layer.settles ? QColor(222, 205, 170) : QColor(240, 232, 200));
    painter.setPen(palette().text().color());
    painter.drawRect(box);
    painter.drawText(QRect(box.right() + 6, box.top(), width() - box.right() - 8, box.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                     QString::fromStdString(layer.label));
  }
  painter.setPen(QPen(QColor(120, 100, 70), 1, Qt::DotLine));
  for (int y : sketch.sliceLines)
    painter.drawLine(area.left, y, area.right, y);
  if (sketch.waterY) {
    const int y = *sketch.waterY;
    painter.setPen(QPen(QColor(0, 90, 200), 2));
    painter.drawLine(area.left - 4, y, area.right + 4, y);
    // The water table's mark: a small triangle pointing down onto the line.
    QPainterPath mark;
    mark.moveTo(area.right - 14, y - 9);
    mark.lineTo(area.right - 4, y - 9);
    mark.lineTo(area.right - 9, y - 1);
    mark.closeSubpath();
    painter.fillPath(mark, QColor(0, 90, 200));
  }
}

SoilCurveView::SoilCurveView(QWidget* parent) : QWidget(parent) {
  setObjectName("curveSketch");
  setAccessibleName(QString::fromUtf8("e-log p 曲線の図"));
  setMinimumSize(240, 200);
}

void SoilCurveView::SetPoints(const std::vector<SoilCurveGraphPoint>& points) {
  points_ = points;
  update();
}

void SoilCurveView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  const SketchBox area{44, 10, width() - 26, height() - 30};
  const SoilCurveSketch sketch = SketchSoilCurve(points_, area);
  painter.setPen(palette().text().color());
  painter.drawRect(RectOf(area));
  painter.drawText(QRect(area.left, area.bottom + 14, area.right - area.left, 16), Qt::AlignRight,
                   QString::fromUtf8("p (log)"));
  painter.drawText(QRect(0, area.top, 40, 16), Qt::AlignRight, QString::fromUtf8("e"));
  if (sketch.points.empty()) {
    painter.drawText(RectOf(area), Qt::AlignCenter, QString::fromUtf8("点がありません"));
    return;
  }
  double p = sketch.pLow;
  for (int x : sketch.decadeX) {
    painter.setPen(QPen(Qt::lightGray, 1, Qt::DotLine));
    painter.drawLine(x, area.top, x, area.bottom);
    painter.setPen(palette().text().color());
    painter.drawText(QRect(x - 30, area.bottom + 2, 60, 14), Qt::AlignCenter,
                     QString::number(p, 'g', 4));
    p *= 10.0;
  }
  painter.drawText(QRect(0, area.top + 14, 40, 16), Qt::AlignRight,
                   QString::number(sketch.eHigh, 'f', 2));
  painter.drawText(QRect(0, area.bottom - 16, 40, 16), Qt::AlignRight,
                   QString::number(sketch.eLow, 'f', 2));
  // The frame again over the grid lines that fall on its edges.
  painter.setPen(palette().text().color());
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(RectOf(area));
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(180, 40, 40), 2));
  for (std::size_t i = 1; i < sketch.points.size(); ++i)
    painter.drawLine(sketch.points[i - 1].first, sketch.points[i - 1].second,
                     sketch.points[i].first, sketch.points[i].second);
  painter.setBrush(QColor(180, 40, 40));
  for (const auto& [x, y] : sketch.points)
    painter.drawEllipse(QPoint(x, y), 3, 3);
}

}  // namespace qel
