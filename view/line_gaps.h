// Lines broken where they would cross texts: the parts of a polyline outside a set of boxes.
#pragma once

#include <vector>

#include "platform/device_context.h"
#include "view/figure_obstacles.h"

namespace qel {

// The runs of `line` that lie outside every box of `gaps`, in the line's order: a run ends where
// the line enters a box and the next begins where it leaves it. A line that meets no box is one
// run, itself.
std::vector<std::vector<DevicePoint>> LineOutsideBoxes(const std::vector<DevicePoint>& line,
                                                       const std::vector<DeviceBox>& gaps);

}  // namespace qel
