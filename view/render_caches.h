// Results and laid-out table lines kept between paints, page counts and printed pages, reused
// while what they depend on is unchanged.
#pragma once

#include "view/table_layout.h"

namespace qel {

struct RenderCaches {
  // The lines of each table and where they fell on pages.
  TableLayoutCache stripData;
  TableLayoutCache stripResults;
  TableLayoutCache rectCircleData;
  TableLayoutCache rectCircleResults;
  // dP of the strip points, [x row 1..10][z row 1..10] row-major, and of the lattice points,
  // [x 1..12][y 1..12][z 1..12] row-major, for the loads and points they were computed from.
  ResultsCache stripResultValues;
  ResultsCache latticeResultValues;
};

}  // namespace qel
