// The settlement in time checked against published values and exact series.
#pragma once

#include <vector>

#include "engine/verification.h"

namespace qel {

// Olson's ramp loading and Terzaghi's construction correction of it, Schiffman and Stein's four
// layers consolidating together, the equivalent thickness of a layered group and its t90,
// secondary compression by Calpha, and the coupled solver against Terzaghi's series for one
// homogeneous layer.
std::vector<VerificationFamily> TimeVerificationFamilies();

}  // namespace qel
