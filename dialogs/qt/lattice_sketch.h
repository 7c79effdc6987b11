// A small drawing of the lattice of calculation points beside the lattice fields: every x with
// every y at every depth z.
#pragma once

#include <QFontMetricsF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <vector>

namespace qel {

// Where the sketch puts its points and the names of its three directions, for a font.
struct LatticeSketchLayout {
  struct Label {
    QString text;
    QPointF baseline;  // where the text is drawn
    QRectF box;        // the space the text takes
  };
  std::vector<QPointF> points;
  std::vector<std::pair<QPointF, QPointF>> gridLines;
  std::vector<Label> labels;
  double pointRadius = 2.2;
  QSizeF size;

  static LatticeSketchLayout For(const QFontMetricsF& metrics);
};

class LatticeSketch : public QWidget {
  Q_OBJECT

 public:
  explicit LatticeSketch(QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
