// The largest documents the program accepts, and the settings of a fresh installation, for the
// tests and the benchmarks of the displays.
#pragma once

#include <string>
#include <vector>

#include "view/application_state.h"

namespace qel {

// 20 + 20 strip pieces with 10 x 10 points, and a 12 x 12 x 12 lattice under 40 rectangles and
// 40 circles spread over 50 m; `listCourse`: both list the calculation course.
void FillWorstDocument(ApplicationState& state, bool listCourse);

// The soil profile of the settlement speed checks: 30 m of five settling layers of 6 m by every
// method that settles, the water table at 1 m, cut into 0.5 m slices.
extern const std::vector<std::string> kSpeedCheckProfile;

// Settings of a fresh installation on a 96 dpi screen with A4 paper.
void UseStandardSettings(ApplicationState& state);

}  // namespace qel
