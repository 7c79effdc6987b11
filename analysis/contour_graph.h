// The crossings of one contour level and the pieces of line joining them, chained into lines.
#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "analysis/contour_lines.h"

namespace qel {

// A sample point by its position on the finest lattice the refinement can reach.
using PointKey = std::uint64_t;

// A point where a level crosses the segment between two lattice points: `above` has a value
// at or above the level, `below` a value under it.
struct Crossing {
  PointKey above = 0, below = 0;
  ContourPoint at;
};

// The crossings of one level and the pieces of line that join them, two per crossing inside
// the window and one on its edge.
struct LevelGraph {
  std::vector<Crossing> crossings;
  std::vector<std::array<int, 2>> links;
  std::vector<int> linkCount;

  // A new crossing on the segment from `above` to `below`.
  int Add(PointKey above, PointKey below) {
    crossings.push_back({above, below, {}});
    links.push_back({-1, -1});
    linkCount.push_back(0);
    return static_cast<int>(crossings.size()) - 1;
  }
  void Join(int a, int b) {
    if (linkCount[a] < 2) links[a][linkCount[a]++] = b;
    if (linkCount[b] < 2) links[b][linkCount[b]++] = a;
  }
};

// The lines of one level from its graph: first those that start and end on the window's edge,
// then the closed ones.
std::vector<ContourLine> ChainLines(const LevelGraph& graph);

}  // namespace qel
