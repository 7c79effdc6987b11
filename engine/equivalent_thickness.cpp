// The equivalent thickness and the rate of consolidation of a group of layers.
#include "engine/equivalent_thickness.h"

#include <cmath>

namespace qel {

namespace {

bool Valid(std::span<const LayerThicknessAndCv> layers) {
  if (layers.empty()) return false;
  for (const LayerThicknessAndCv& layer : layers) {
    if (!(layer.thickness > 0.0) || !(layer.cv > 0.0) || !std::isfinite(layer.thickness) ||
        !std::isfinite(layer.cv))
      return false;
  }
  return true;
}

}  // namespace

double EquivalentThickness(std::span<const LayerThicknessAndCv> layers, std::size_t reference) {
  if (!Valid(layers) || reference >= layers.size()) return NAN;
  const double cvReference = layers[reference].cv;
  double thickness = 0.0;
  for (const LayerThicknessAndCv& layer : layers)
    thickness += layer.thickness * std::sqrt(cvReference / layer.cv);
  return thickness;
}

double EquivalentVerticalRate(std::span<const LayerThicknessAndCv> layers, bool bothFacesDrained) {
  if (!Valid(layers)) return NAN;
  // H' = sqrt(cv_ref) sum h_i / sqrt(cv_i), so cv_ref / H'^2 leaves cv_ref out.
  double slowness = 0.0;  // sum of h_i / sqrt(cv_i)
  for (const LayerThicknessAndCv& layer : layers)
    slowness += layer.thickness / std::sqrt(layer.cv);
  const double path = bothFacesDrained ? slowness / 2.0 : slowness;
  return 1e-4 / (path * path);
}

}  // namespace qel
