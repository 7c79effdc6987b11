// A small drawing of the lattice of calculation points beside the lattice fields: every x with
// every y at every depth z.
#pragma once

#include <QWidget>

namespace qel {

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
