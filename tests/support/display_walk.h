// Showing a document the way a user does, on a recording device: every display, its page count,
// its first and last page on paper and its first page on screen, with how much each asked of
// the device. The hostile-input test and the rendering fuzz target bound that work.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/printer_info.h"
#include "view/application_state.h"

namespace qel {

namespace test {

struct DisplayWork {
  DisplayMode mode = DisplayMode::StripFigure;
  int pages = 0;                // printed page count
  std::size_t mostCalls = 0;    // device calls of the busiest page drawn
  std::size_t longestText = 0;  // characters of the longest text drawn
  std::size_t longestFace = 0;  // bytes of the longest font face asked for
  long long farthest = 0;       // the largest distance from 0 of a coordinate drawn
};

// The document in `state` shown on `paper`: for each of the six displays in order.
std::vector<DisplayWork> ShowEveryDisplay(ApplicationState& state, const PrinterPage& paper);

}  // namespace test
}  // namespace qel
