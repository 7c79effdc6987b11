// The strip calculation points as numbers and the order they are visited in.
#include "document/strip_points.h"

#include <gtest/gtest.h>

#include <string>

namespace qel {
namespace {

TEST(StripPoints, DepthsOutermostWithNegativeDepthsIncluded) {
  DocumentTables t;
  t.stripPoints[2][point_col::kX] = "-5";
  t.stripPoints[4][point_col::kX] = "7.5";
  t.stripPoints[5][point_col::kX] = "x";
  t.stripPoints[1][point_col::kZ] = "3";
  t.stripPoints[3][point_col::kZ] = "-1";
  std::string visited;
  StripPoints(t).ForEach([&](const StripPoint& p) {
    visited += "(" + std::to_string(p.xRow) + std::to_string(p.zRow) + " " +
               std::to_string(static_cast<int>(p.x * 10)) + "," +
               std::to_string(static_cast<int>(p.z)) + ")";
  });
  EXPECT_EQ(visited, "(21 -50,3)(41 75,3)(23 -50,-1)(43 75,-1)");
}

}  // namespace
}  // namespace qel
