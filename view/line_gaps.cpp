// The parts of a polyline outside a set of boxes.
#include "view/line_gaps.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace qel {

namespace {

using Span = std::pair<double, double>;  // parameters along a segment, 0 at its start, 1 at its end

// The part of the segment a-b inside `box` (its edges included), as a span of its parameter.
std::optional<Span> InsideBox(DevicePoint a, DevicePoint b, const DeviceBox& box) {
  double low = 0.0, high = 1.0;
  const double d[2] = {static_cast<double>(b.x) - a.x, static_cast<double>(b.y) - a.y};
  const double from[2] = {static_cast<double>(a.x), static_cast<double>(a.y)};
  const double lower[2] = {static_cast<double>(box.left), static_cast<double>(box.top)};
  const double upper[2] = {static_cast<double>(box.right), static_cast<double>(box.bottom)};
  for (int axis = 0; axis < 2; ++axis) {
    if (d[axis] == 0.0) {
      if (from[axis] < lower[axis] || from[axis] > upper[axis]) return std::nullopt;
      continue;
    }
    double t0 = (lower[axis] - from[axis]) / d[axis], t1 = (upper[axis] - from[axis]) / d[axis];
    if (t0 > t1) std::swap(t0, t1);
    low = std::max(low, t0), high = std::min(high, t1);
    if (low > high) return std::nullopt;
  }
  return Span{low, high};
}

DevicePoint Along(DevicePoint a, DevicePoint b, double t) {
  return {static_cast<int>(std::lround(a.x + (b.x - a.x) * t)),
          static_cast<int>(std::lround(a.y + (b.y - a.y) * t))};
}

}  // namespace

std::vector<std::vector<DevicePoint>> LineOutsideBoxes(const std::vector<DevicePoint>& line,
                                                       const std::vector<DeviceBox>& gaps) {
  std::vector<std::vector<DevicePoint>> runs;
  std::vector<DevicePoint> run;
  auto end = [&] {
    if (run.size() >= 2) runs.push_back(std::move(run));
    run.clear();
  };
  if (line.size() == 1) return {line};
  for (std::size_t i = 0; i + 1 < line.size(); ++i) {
    const DevicePoint a = line[i], b = line[i + 1];
    std::vector<Span> hidden;
    for (const DeviceBox& box : gaps)
      if (const std::optional<Span> span = InsideBox(a, b, box)) hidden.push_back(*span);
    std::sort(hidden.begin(), hidden.end());
    // Walk the segment, drawing between the hidden spans.
    double at = 0.0;
    for (const Span& span : hidden) {
      if (span.first > at) {
        if (run.empty()) run.push_back(Along(a, b, at));
        run.push_back(Along(a, b, span.first));
        end();
      } else if (at == 0.0) {
        end();  // the segment starts inside a box
      }
      at = std::max(at, span.second);
    }
    if (at < 1.0) {
      if (run.empty()) run.push_back(Along(a, b, at));
      run.push_back(b);
    }
  }
  end();
  return runs;
}

}  // namespace qel
