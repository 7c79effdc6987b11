// Vertical drains and the settlement fits checked against published values and exact curves.
#pragma once

#include <vector>

#include "engine/verification.h"

namespace qel {

// The ideal drain's and the smeared drain's mu, the well resistance, the combined vertical and
// radial degree against the mode sum, and the three fits recovering the curves they assume, plus
// Asaoka's method on Terzaghi's curve.
std::vector<VerificationFamily> DrainFitVerificationFamilies();

}  // namespace qel
