// The largest soil section the program accepts, for the tests of the soil pages.
#pragma once

#include <string>
#include <vector>

namespace qel {

// 50 layers of 1 m, each named with 20 full-width characters, settling by every method in turn
// (the e-log p layers on 20 curves of 30 points each), the water table at 1 m, 0.5 m slices;
// unit weights in kN/m3.
std::vector<std::string> WorstSoilProfileLines();

}  // namespace qel
