// dP fields of the strip and the rectangle/circle problems, and their largest intensities.
#include "view/isobar_fields.h"

#include <algorithm>

#include "document/load_lists.h"

namespace qel {

ScalarField StripStressField(StripLoadSets loads) {
  return [loads = std::move(loads)](double x, double z) { return StripPointStress(loads, x, z); };
}

ScalarField PlanStressField(PlanLoads loads, double z) {
  return [loads = std::move(loads), depth = FlooredLatticeDepth(z)](double x, double y) {
    return LatticePointStress(loads, x, y, depth);
  };
}

ScalarField SectionStressField(PlanLoads loads, bool sectionAtY, double at) {
  if (sectionAtY) {
    return [loads = std::move(loads), at](double x, double z) {
      return LatticePointStress(loads, x, at, FlooredLatticeDepth(z));
    };
  }
  return [loads = std::move(loads), at](double y, double z) {
    return LatticePointStress(loads, at, y, FlooredLatticeDepth(z));
  };
}

static void Include(LoadIntensities& intensities, double q) {
  intensities.positive = std::max(intensities.positive, q);
  intensities.negative = std::min(intensities.negative, q);
}

LoadIntensities StripIntensities(const StripLoadSets& loads) {
  LoadIntensities intensities;
  for (const std::vector<StripPiece>& set : loads.sets) {
    for (const StripPiece& piece : set)
      Include(intensities, piece.h * piece.gamma);
  }
  return intensities;
}

LoadIntensities PlanIntensities(const PlanLoads& loads) {
  LoadIntensities intensities;
  for (const RectLoad& rect : loads.rectangles)
    Include(intensities, rect.q);
  for (const CircleLoad& circle : loads.circles) {
    if (circle.r > 0.0) Include(intensities, circle.q);
  }
  return intensities;
}

}  // namespace qel
