// The equivalent thickness of a group of layers with different cv, which consolidates as one
// layer of the reference layer's cv.
#pragma once

#include <span>

namespace qel {

struct LayerThicknessAndCv {
  double thickness = 0;  // m
  double cv = 0;         // cm2/day
};

// H' = sum of h_i sqrt(cv_ref / cv_i) in metres, the layer at `reference` giving cv_ref. NaN for
// no layers, a reference out of range, or a thickness or cv that is not a positive number.
double EquivalentThickness(std::span<const LayerThicknessAndCv> layers, std::size_t reference);

// The group's vertical rate (1/day) for the consolidation modes: cv_ref 1e-4 / Hd^2 with
// Hd = H' / 2 when both outer faces drain, else H'. It does not depend on the reference layer:
// it equals 1e-4 / (sum of h_i / sqrt(cv_i))^2, times 4 with both faces drained. NaN where
// EquivalentThickness is.
double EquivalentVerticalRate(std::span<const LayerThicknessAndCv> layers, bool bothFacesDrained);

}  // namespace qel
