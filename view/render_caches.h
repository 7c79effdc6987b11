// Laid-out table lines kept between paints, page counts and printed pages, reused while what
// they depend on is unchanged.
#pragma once

#include "view/isobar_cache.h"
#include "view/table_layout.h"

namespace qel {

struct RenderCaches {
  // The lines of each table and where they fell on pages.
  TableLayoutCache stripData;
  TableLayoutCache stripResults;
  TableLayoutCache rectCircleData;
  TableLayoutCache rectCircleResults;
  // The isobars of the figures' page windows.
  IsobarCache isobars;
};

}  // namespace qel
