// Clipping of segments, polylines and sampled arcs to a rectangle.
#include "platform/qt/software_clip.h"

#include <gtest/gtest.h>

#include <QLineF>

namespace qel {
namespace {

const QRectF kClip(10, 20, 30, 40);  // x 10..40, y 20..60

TEST(ClipSegment, KeepsInsidePartsAndCutsAtTheEdges) {
  auto inside = ClipSegment({15, 25}, {35, 55}, kClip);
  ASSERT_TRUE(inside);
  EXPECT_EQ(inside->first, QPointF(15, 25));
  EXPECT_EQ(inside->second, QPointF(35, 55));

  auto across = ClipSegment({0, 30}, {100, 30}, kClip);
  ASSERT_TRUE(across);
  EXPECT_EQ(across->first, QPointF(10, 30));
  EXPECT_EQ(across->second, QPointF(40, 30));

  // The diagonal y = x + 10 comes in over the right edge at (40, 50) and leaves through the
  // corner (10, 20).
  auto diagonal = ClipSegment({60, 70}, {0, 10}, kClip);
  ASSERT_TRUE(diagonal);
  EXPECT_EQ(diagonal->first, QPointF(40, 50));
  EXPECT_EQ(diagonal->second, QPointF(10, 20));

  auto onEdge = ClipSegment({10, 0}, {10, 100}, kClip);
  ASSERT_TRUE(onEdge);
  EXPECT_EQ(onEdge->first, QPointF(10, 20));
  EXPECT_EQ(onEdge->second, QPointF(10, 60));
}

TEST(ClipSegment, MissesGiveNothing) {
  EXPECT_FALSE(ClipSegment({0, 0}, {100, 0}, kClip));    // above, parallel to the top
  EXPECT_FALSE(ClipSegment({0, 30}, {9, 30}, kClip));    // stops short of the left edge
  EXPECT_FALSE(ClipSegment({0, 55}, {20, 100}, kClip));  // passes the lower left corner
  EXPECT_FALSE(ClipSegment({50, 50}, {50, 50}, kClip));  // a point outside
  EXPECT_TRUE(ClipSegment({20, 30}, {20, 30}, kClip));   // a point inside
}

TEST(ClipPolyline, JoinsVisibleSegmentsAndSplitsWhereTheLineLeaves) {
  // In, across the inside, out over the right edge, back in, and out at the bottom.
  const QPolygonF line{{0, 30}, {20, 30}, {20, 40}, {50, 40}, {30, 50}, {30, 70}};
  const std::vector<QPolygonF> runs = ClipPolyline(line, kClip);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0], (QPolygonF{{10, 30}, {20, 30}, {20, 40}, {40, 40}}));
  EXPECT_EQ(runs[1], (QPolygonF{{40, 45}, {30, 50}, {30, 60}}));
  EXPECT_TRUE(ClipPolyline({{0, 0}, {100, 0}, {100, 100}}, kClip).empty());
}

TEST(ClipPolyline, AClosedLineCutOnceStaysOneRun) {
  // A rectangle that starts inside the clip, goes out over the right edge and comes back.
  const QPolygonF closed{{25, 30}, {60, 30}, {60, 50}, {25, 50}, {25, 30}};
  const std::vector<QPolygonF> runs = ClipPolyline(closed, kClip);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0], (QPolygonF{{40, 50}, {25, 50}, {25, 30}, {40, 30}}));
}

TEST(SampleArc, PointsLieOnTheEllipseFromStartToEnd) {
  const QRectF ellipse(0, 0, 200, 100);                  // centre (100, 50), radii 100 and 50
  const QPolygonF points = SampleArc(ellipse, 90, 180);  // the left half, top to bottom
  ASSERT_GT(points.size(), 20);
  EXPECT_NEAR(points.front().x(), 100, 1e-9);
  EXPECT_NEAR(points.front().y(), 0, 1e-9);
  EXPECT_NEAR(points.back().x(), 100, 1e-9);
  EXPECT_NEAR(points.back().y(), 100, 1e-9);
  for (const QPointF& p : points) {
    const double u = (p.x() - 100) / 100, v = (p.y() - 50) / 50;
    EXPECT_NEAR(u * u + v * v, 1.0, 1e-9);
    EXPECT_LE(p.x(), 100 + 1e-9);
  }
  // Neighbouring points are close enough for the chords to follow the curve.
  for (qsizetype i = 1; i < points.size(); ++i) {
    EXPECT_LT(QLineF(points[i - 1], points[i]).length(), 10.0);
  }
}

}  // namespace
}  // namespace qel
