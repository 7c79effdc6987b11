// Small drawings of the load shapes beside the load lists: how a circle, a rectangle and the
// pieces of a strip load are entered. They scale with the font of their texts.
#pragma once

#include <QString>
#include <QWidget>

namespace qel {

class LoadShapeSketch : public QWidget {
  Q_OBJECT

 public:
  enum class Shape {
    Circle,          // centre and radius in plan
    PlanRectangle,   // corners R1 and R2 in plan
    StripTrapezoid,  // the basic strip piece: x1 < x2 <= x3 < x4, height h of unit weight γ
    StripTriangle,   // x2 = x3 = x4
    StripBlock,      // x1 = x2 and x3 = x4
  };

  explicit LoadShapeSketch(Shape shape, QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The label written under a strip piece: its x positions sit under the names in it.
  QString Label() const;
  // The horizontal centre of `name` within the label.
  qreal CentreOf(const QString& name) const;

  Shape shape_;
};

}  // namespace qel
