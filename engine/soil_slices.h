// The slices of a soil profile's settling layers and the effective overburden at a depth.
#pragma once

#include <vector>

#include "engine/soil_profile.h"

namespace qel {

// One slice of a settling layer.
struct SoilSlice {
  int layer = 0;   // index into SoilProfile::layers
  int number = 0;  // 1, 2, ... from the top within its layer (across the water-table cut)
  double top = 0;  // m below the surface
  double bottom = 0;
  double middle = 0;  // zm
  double thickness = 0;
  double sigma0 = 0;  // sigma'v0 at the middle
};

// sigma'v0 at depth z: gammaT * h above the water table and (gammaSat - gammaW) * h below it,
// summed over the ground above z. Below the deepest layer its weight continues.
double EffectiveOverburden(const SoilProfile& profile, double z);

// How many equal slices a part of thickness h is cut into: ceil(h / largest), at least 1. A
// quotient within 1e-9 (relative) above a whole number counts as that number, so that 2.2 m cut
// at 1.1 m gives two slices although 2.2 / 1.1 rounds to a little above 2.
long SliceCount(double h, double largest);

// Every settling layer (method other than none), top down, cut at the water table where it lies
// inside the layer and each part into SliceCount equal slices. Throws std::invalid_argument for a
// slice thickness that is not a positive finite number, and std::length_error when the slices
// would be more than kMaxSlicesPerColumn.
std::vector<SoilSlice> CutIntoSlices(const SoilProfile& profile);

}  // namespace qel
