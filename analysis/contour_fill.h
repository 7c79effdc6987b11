// The area of a window where a field lies beyond a level, as rings to fill, built from the
// level's traced lines and the window's edge.
#pragma once

#include <vector>

#include "analysis/contour_lines.h"

namespace qel {

// Whether `value` lies beyond `level`: at or above a positive level, at or below a negative one
// (the area a stress of that sign reaches).
bool IsBeyondLevel(double value, double level);

// Rings whose even-odd fill is the part of `window` where `field` lies beyond `level`: the
// level's closed lines as they are, and its open lines joined along the window's edge where the
// field there lies beyond the level (the window's corners included); the whole window when no
// line crosses it and its edge lies beyond. `lines` are the lines TraceContours gave for the
// level over the same window.
std::vector<std::vector<ContourPoint>> ContourRegionRings(const std::vector<ContourLine>& lines,
                                                          const ContourWindow& window,
                                                          const ScalarField& field, double level);

}  // namespace qel
