// Tests of lines broken around the texts they would cross.
#include "view/line_gaps.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

using Runs = std::vector<std::vector<std::pair<int, int>>>;

Runs RunsOf(const std::vector<std::vector<DevicePoint>>& runs) {
  Runs out;
  for (const std::vector<DevicePoint>& run : runs) {
    out.emplace_back();
    for (const DevicePoint& p : run)
      out.back().emplace_back(p.x, p.y);
  }
  return out;
}

TEST(LineOutsideBoxes, KeepsThePartsOutsideEveryBox) {
  const DeviceBox box{40, -10, 60, 10};
  struct Case {
    const char* what;
    std::vector<DevicePoint> line;
    std::vector<DeviceBox> boxes;
    Runs runs;
  };
  const Case cases[] = {
      {"no box", {{0, 0}, {100, 0}}, {}, {{{0, 0}, {100, 0}}}},
      {"across", {{0, 0}, {100, 0}}, {box}, {{{0, 0}, {40, 0}}, {{60, 0}, {100, 0}}}},
      {"past", {{0, 20}, {100, 20}}, {box}, {{{0, 20}, {100, 20}}}},
      {"from inside", {{50, 0}, {50, 50}}, {box}, {{{50, 10}, {50, 50}}}},
      {"bends inside",
       {{0, 0}, {50, 0}, {50, 50}},
       {box},
       {{{0, 0}, {40, 0}}, {{50, 10}, {50, 50}}}},
      {"two boxes",
       {{0, 0}, {100, 0}},
       {{10, -5, 20, 5}, {15, -5, 30, 5}},
       {{{0, 0}, {10, 0}}, {{30, 0}, {100, 0}}}},
      {"whole inside", {{45, 0}, {55, 0}}, {box}, {}},
      {"runs on", {{0, 20}, {50, 20}, {100, 20}}, {box}, {{{0, 20}, {50, 20}, {100, 20}}}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RunsOf(LineOutsideBoxes(c.line, c.boxes)), c.runs) << c.what;
}

}  // namespace
}  // namespace qel
