// The strokes of a figure grid on one page, worked out in device units: only what can reach the
// page is drawn, and a grid finer than the device can show costs no more than the page has
// pixels.
#pragma once

#include <cstddef>
#include <vector>

#include "view/drawing.h"

namespace qel {

// A rectangle of device units, corners as given (left <= right, top <= bottom).
struct DeviceRect {
  int left = -32767, top = -32767, right = 32767, bottom = 32767;
};

// The grid values of one direction: from, from + step, ... up to to (from <= to, step >= 1).
struct GridAxis {
  long long from = 0, to = 0, step = 1;
};

struct GridStroke {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const GridStroke&) const = default;
};

struct GridPlanInput {
  GridAxis x, y;
  bool lines = false;  // lines, or crosses at the grid points
  int penWidth = 1;    // device units
  int markSize = 1;    // half-length of a cross arm, device units
  DeviceRect visible;  // what the page shows (its clip rectangle)
};

// The most strokes a grid draws on one page. A grid that needs more after the rules below is
// finer than any page can show, and is thinned evenly to fit.
inline constexpr std::size_t kMostGridStrokes = 50000;

// The strokes of the grid in drawing order, each from its first point to its second, as the
// straightforward drawing would give them (lines: horizontal ones bottom to top, then vertical
// ones left to right; crosses: row by row, each cross's horizontal arm then its vertical one),
// with what cannot change the picture left out:
//  - values whose marks cannot reach `visible` (the pen's width and the arms counted);
//  - values that fall on the device row or column of the value before them (drawn once);
//  - lines of one direction closer together than the pen is wide: each lies under its two
//    neighbours once those are at most a pen width apart, so only those are drawn (the band
//    they make is the same; only the round ends of the lines left out could differ);
//  - cross arms of one row (column) that touch or overlap, pen included: drawn as one stroke;
//  - everything after a stroke that covers all of `visible` (the grid has one colour).
std::vector<GridStroke> PlanGridStrokes(const GridPlanInput& input, const WorldTransform& t);

}  // namespace qel
