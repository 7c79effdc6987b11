// Reads the straight strokes back out of a recorded drawing, each with the pen it was drawn with,
// so figure tests can compare device coordinates.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "test_support/recording_device_context.h"

namespace qel::test {

struct Stroke {
  int x1, y1, x2, y2;
  int width;
  unsigned colour;
  bool operator==(const Stroke&) const = default;
};

// Every MoveTo/LineTo pair of the log, with the pen selected at that moment.
inline std::vector<Stroke> StrokesOf(const RecordingDeviceContext& dc) {
  std::vector<Stroke> strokes;
  int width = 1, x = 0, y = 0;
  unsigned colour = 0;
  for (const std::string& line : dc.lines()) {
    int a = 0, b = 0;
    char style[16];
    if (std::sscanf(line.c_str(), "pen %15s %d %x", style, &a, &colour) == 3) {
      width = a;
    } else if (std::sscanf(line.c_str(), "moveto %d %d", &a, &b) == 2) {
      x = a;
      y = b;
    } else if (std::sscanf(line.c_str(), "lineto %d %d", &a, &b) == 2) {
      strokes.push_back({x, y, a, b, width, colour});
      x = a;
      y = b;
    }
  }
  return strokes;
}

// The strokes drawn with one colour.
inline std::vector<Stroke> StrokesIn(const RecordingDeviceContext& dc, unsigned colour) {
  std::vector<Stroke> matching;
  for (const Stroke& s : StrokesOf(dc)) {
    if (s.colour == colour) matching.push_back(s);
  }
  return matching;
}

// Position of the first log line starting with `prefix` at or after `from`; -1 when none.
inline int IndexOf(const RecordingDeviceContext& dc, const std::string& prefix, int from = 0) {
  const std::vector<std::string>& lines = dc.lines();
  for (int i = from; i < static_cast<int>(lines.size()); ++i) {
    if (lines[i].rfind(prefix, 0) == 0) return i;
  }
  return -1;
}

}  // namespace qel::test
