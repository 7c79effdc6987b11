// The lattice sketch of the point dialog: its direction names stay clear of its points.
#include "dialogs/qt/lattice_sketch.h"

#include <gtest/gtest.h>

#include <QFont>

namespace qel {
namespace {

TEST(LatticeSketchTest, DirectionNamesStayClearOfThePointsAndInsideTheSketch) {
  for (int pixels : {10, 13, 24}) {
    SCOPED_TRACE(pixels);
    QFont font;
    font.setPixelSize(pixels);
    const LatticeSketchLayout layout = LatticeSketchLayout::For(QFontMetricsF(font));
    const QRectF sketch(QPointF(0, 0), layout.size);
    ASSERT_EQ(layout.labels.size(), 3u);
    ASSERT_EQ(layout.points.size(), 27u);
    for (std::size_t i = 0; i < layout.labels.size(); ++i) {
      const LatticeSketchLayout::Label& label = layout.labels[i];
      SCOPED_TRACE(label.text.toStdString());
      EXPECT_TRUE(sketch.contains(label.box));
      const double clearance = layout.pointRadius + 1;
      const QRectF keepOut = label.box.adjusted(-clearance, -clearance, clearance, clearance);
      for (const QPointF& point : layout.points)
        EXPECT_FALSE(keepOut.contains(point)) << point.x() << ", " << point.y();
      for (std::size_t j = i + 1; j < layout.labels.size(); ++j)
        EXPECT_FALSE(label.box.intersects(layout.labels[j].box));
    }
    for (const QPointF& point : layout.points)
      EXPECT_TRUE(sketch.contains(point));
  }
}

}  // namespace
}  // namespace qel
