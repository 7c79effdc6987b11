// The lowest and highest value a field takes over a window, for saying what range a figure's
// isobars were looked for in.
#pragma once

#include <vector>

#include "analysis/contour_lines.h"
#include "engine/rect_circle_influence.h"
#include "engine/strip_influence.h"

namespace qel {

struct FieldRange {
  double low = 0.0, high = 0.0;
};

// The range of `field` over `window`: sampled on a lattice of about kRangeCells cells along the
// longer side and at `seeds` (where the extremes are likely: under the loads), then each
// extreme polished by a pattern search from the best few samples, as far as the field moves.
// Points outside the window are moved onto its edge. Only finite values count; none at all
// gives {0, 0}.
FieldRange SampleFieldRange(const ScalarField& field, const ContourWindow& window,
                            const std::vector<ContourPoint>& seeds = {});

inline constexpr int kRangeCells = 32;

// Where the extremes of a field are likely, as seeds for SampleFieldRange: a strip section's
// under the middle of each piece at the surface (v = 0); a plan's at the centre of each
// rectangle and circle; a vertical section's (along x when `atY`, else along y) under each
// centre at the surface.
std::vector<ContourPoint> StripRangeSeeds(const StripLoadSets& loads);
std::vector<ContourPoint> PlanRangeSeeds(const PlanLoads& loads);
std::vector<ContourPoint> SectionRangeSeeds(const PlanLoads& loads, bool atY);

}  // namespace qel
