// Where the level labels of isobars go: along their lines, clear of everything else on the
// figure, every level that has a line on the page labelled at least once.
#pragma once

#include <string>
#include <vector>

#include "view/figure_obstacles.h"

namespace qel {

// One isobar as it lies on the device.
struct DeviceIsobar {
  double level = 0.0;
  std::vector<DevicePoint> points;  // a closed line repeats its first point at the end
};

// A label: its text's box (the text drawn centred at its top) and the ground under it.
struct LevelLabel {
  std::string text;
  DeviceBox box;      // the text's own box
  DeviceBox ground;   // the box and NoteGroundMargin around it
  bool clear = true;  // false: no clear place was found, this is the least covered
  // A label set off its line, where the line had no clear place, points at it: a leader runs
  // from `to` on the line to `from` on the edge of the ground.
  bool leader = false;
  DevicePoint from, to;
};

// A line carries a label only when it is this many labels long on the device.
inline constexpr double kLabelledLength = 4.0;

// The labels of `lines`, each inside `window` and clear of `taken` (marks, outlines, notes, the
// caption and legend) and of the labels before it. Each line long enough gets one at the best
// of several places along it (the line through the label, at its middle or off it a little):
// clear, where the line runs flat, away from other lines and from the other labels of its
// level. A level whose lines found no place this way gets one on the best clear place of any
// of its lines; else, where its lines are crowded (hugging outlines), one set off a line in the
// nearest clear place with a leader to it; else the least covered place on a line.
std::vector<LevelLabel> PlaceLevelLabels(const std::vector<DeviceIsobar>& lines,
                                         const FigureObstacles& taken, const DeviceBox& window,
                                         int textHeight);

}  // namespace qel
