// Cutting the settling layers into slices, and the effective overburden at their middles.
#include "engine/soil_slices.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace qel {

double EffectiveOverburden(const SoilProfile& profile, double z) {
  const double water = profile.waterDepth.value_or(INFINITY);
  double sigma = 0.0;
  for (std::size_t i = 0; i < profile.layers.size(); ++i) {
    const SoilLayer& layer = profile.layers[i];
    const double top = LayerTop(profile, i);
    if (z <= top) break;
    const double bottom = i + 1 == profile.layers.size() ? z : std::min(layer.bottom, z);
    const double dry = std::max(0.0, std::min(bottom, water) - top);
    const double wet = std::max(0.0, bottom - std::max(top, water));
    sigma += layer.gammaT * dry + (layer.gammaSat - profile.gammaW) * wet;
  }
  return sigma;
}

long SliceCount(double h, double largest) {
  const double quotient = h / largest;
  // Anything beyond the bound (or not a number) is only ever refused, so its exact count does
  // not matter.
  if (!(quotient <= 2.0 * kMaxSlicesPerColumn)) return 2L * kMaxSlicesPerColumn;
  const double whole = std::round(quotient);
  const double count =
      quotient > whole && quotient - whole <= 1e-9 * whole ? whole : std::ceil(quotient);
  return std::max(1L, static_cast<long>(count));
}

namespace {

void AddPart(const SoilProfile& profile, int layer, double top, double bottom, long count,
             int& number, std::vector<SoilSlice>& slices) {
  const double step = (bottom - top) / static_cast<double>(count);
  for (long i = 0; i < count; ++i) {
    SoilSlice slice;
    slice.layer = layer;
    slice.number = ++number;
    slice.top = top + step * static_cast<double>(i);
    slice.bottom = i + 1 == count ? bottom : top + step * static_cast<double>(i + 1);
    slice.thickness = step;
    slice.middle = top + step * (static_cast<double>(i) + 0.5);
    slice.sigma0 = EffectiveOverburden(profile, slice.middle);
    slices.push_back(slice);
  }
}

}  // namespace

std::vector<SoilSlice> CutIntoSlices(const SoilProfile& profile) {
  if (!(profile.sliceThickness > 0.0) || !std::isfinite(profile.sliceThickness))
    throw std::invalid_argument("slice thickness must be a positive finite number");
  struct Part {
    int layer;
    double top, bottom;
    long count;
  };
  std::vector<Part> parts;
  long total = 0;
  for (std::size_t i = 0; i < profile.layers.size(); ++i) {
    const SoilLayer& layer = profile.layers[i];
    if (layer.method == SettlementMethod::kNone) continue;
    const double top = LayerTop(profile, i);
    if (!(layer.bottom > top)) throw std::invalid_argument("layer bottoms must deepen");
    std::vector<double> cuts{top};
    if (profile.waterDepth && *profile.waterDepth > top && *profile.waterDepth < layer.bottom)
      cuts.push_back(*profile.waterDepth);
    cuts.push_back(layer.bottom);
    for (std::size_t c = 0; c + 1 < cuts.size(); ++c) {
      const long count = SliceCount(cuts[c + 1] - cuts[c], profile.sliceThickness);
      total += count;
      if (total > kMaxSlicesPerColumn) throw std::length_error("too many slices in a column");
      parts.push_back({static_cast<int>(i), cuts[c], cuts[c + 1], count});
    }
  }
  std::vector<SoilSlice> slices;
  slices.reserve(static_cast<std::size_t>(total));
  int number = 0;
  for (std::size_t p = 0; p < parts.size(); ++p) {
    if (p == 0 || parts[p].layer != parts[p - 1].layer) number = 0;
    AddPart(profile, parts[p].layer, parts[p].top, parts[p].bottom, parts[p].count, number, slices);
  }
  return slices;
}

}  // namespace qel
