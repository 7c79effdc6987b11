// Chaining the crossings of one contour level into lines.
#include "analysis/contour_graph.h"

namespace qel {

std::vector<ContourLine> ChainLines(const LevelGraph& graph) {
  std::vector<ContourLine> lines;
  std::vector<bool> used(graph.crossings.size(), false);
  auto walk = [&](int start, bool closed) {
    ContourLine line;
    line.closed = closed;
    int previous = -1, current = start;
    while (current >= 0 && !used[current]) {
      used[current] = true;
      line.points.push_back(graph.crossings[current].at);
      int next = -1;
      for (int k = 0; k < graph.linkCount[current]; ++k) {
        const int candidate = graph.links[current][k];
        if (candidate != previous && !used[candidate]) next = candidate;
      }
      previous = current;
      current = next;
    }
    lines.push_back(std::move(line));
  };
  for (std::size_t c = 0; c < graph.crossings.size(); ++c) {
    if (!used[c] && graph.linkCount[c] == 1) walk(static_cast<int>(c), false);
  }
  for (std::size_t c = 0; c < graph.crossings.size(); ++c) {
    if (!used[c]) walk(static_cast<int>(c), true);
  }
  return lines;
}

}  // namespace qel
