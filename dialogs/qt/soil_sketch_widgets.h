// The sketches beside the soil dialogs' tables: the column of layers and an e-log p curve,
// drawn from the geometry that dialogs/soil_sketch computes.
#pragma once

#include <QWidget>

#include "dialogs/soil_sketch.h"

namespace qel {

class SoilColumnView : public QWidget {
  Q_OBJECT

 public:
  explicit SoilColumnView(QWidget* parent = nullptr);
  void SetInput(const SoilSketchInput& input);
  QSize sizeHint() const override { return {220, 360}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  SoilSketchInput input_;
};

class SoilCurveView : public QWidget {
  Q_OBJECT

 public:
  explicit SoilCurveView(QWidget* parent = nullptr);
  void SetPoints(const std::vector<SoilCurveGraphPoint>& points);
  QSize sizeHint() const override { return {300, 260}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<SoilCurveGraphPoint> points_;
};

}  // namespace qel
