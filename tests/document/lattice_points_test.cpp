// The lattice points as numbers and the order they are visited in.
#include "document/lattice_points.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qel {
namespace {

std::string Visited(const std::vector<GridPoint>& points) {
  std::string text;
  for (const GridPoint& p : points)
    text += "(" + std::to_string(p.xRow) + std::to_string(p.yRow) + std::to_string(p.zRow) + ")";
  return text;
}

// Depth outermost, then y, then x, each in row order; fields without a number are skipped
// wherever they stand, and the calculation leaves out the negative depths.
TEST(LatticePoints, ListedPointsRunByDepthThenYThenXAndTheComputedSkipNegativeDepths) {
  DocumentTables t;
  t.gridPoints[1][point_col::kGridX] = "0";
  t.gridPoints[2][point_col::kGridX] = "abc";
  t.gridPoints[3][point_col::kGridX] = "5";
  t.gridPoints[2][point_col::kGridY] = "1.5";
  t.gridPoints[4][point_col::kGridY] = "-2";
  t.gridPoints[1][point_col::kGridZ] = "-1";
  t.gridPoints[3][point_col::kGridZ] = "2";
  const LatticePoints lattice(t);
  std::vector<GridPoint> listed, computed;
  lattice.ForEachListed([&](const GridPoint& p) { listed.push_back(p); });
  lattice.ForEachComputed([&](const GridPoint& p) { computed.push_back(p); });
  EXPECT_EQ(Visited(listed), "(121)(321)(141)(341)(123)(323)(143)(343)");
  EXPECT_EQ(Visited(computed), "(123)(323)(143)(343)");
  EXPECT_EQ(listed[5].x, 5.0);
  EXPECT_EQ(listed[5].y, 1.5);
  EXPECT_EQ(listed[5].z, 2.0);
  EXPECT_EQ(listed[2].y, -2.0);
  EXPECT_EQ(listed[2].z, -1.0);
}

}  // namespace
}  // namespace qel
