// The settlement core checked against hand calculations, textbook values and quadrature.
#pragma once

#include <vector>

#include "engine/verification.h"

namespace qel {

// The slice methods (Cc normally consolidated and across p'c, e0 to e1, mv), Terzaghi's U and a
// consolidation in time, the effective overburden with a water table, and whole columns under a
// strip load against quadrature. Each family's errors are in the unit of its reference: metres
// of settlement, stress, or none for the degree of consolidation and the time factor.
std::vector<VerificationFamily> SettlementVerificationFamilies();

}  // namespace qel
