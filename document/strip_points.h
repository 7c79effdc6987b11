// The strip calculation points as numbers: the x values and depths that hold numbers, and the
// points they make together.
#pragma once

#include <utility>
#include <vector>

#include "document/point_values.h"

namespace qel {

// One strip calculation point: the rows of its x and z fields and their numbers.
struct StripPoint {
  int xRow = 0, zRow = 0;
  double x = 0.0, z = 0.0;
};

class StripPoints {
 public:
  explicit StripPoints(const DocumentTables& tables)
      : xs_(PresentPointValues(tables, false, point_col::kX)),
        depths_(PresentPointValues(tables, false, point_col::kZ)) {}

  // The values in row order. Called on a temporary they are handed over, so that a loop over
  // StripPoints(tables).xs() does not outlive them.
  const std::vector<PointValue>& xs() const& { return xs_; }
  const std::vector<PointValue>& depths() const& { return depths_; }
  std::vector<PointValue> xs() && { return std::move(xs_); }
  std::vector<PointValue> depths() && { return std::move(depths_); }

  // Every pair of a depth and an x value, depths outermost, each in row order: the points the
  // calculation, the figure and the tables all go through. Negative depths are included.
  template <class Visit>
  void ForEach(Visit&& visit) const {
    for (const PointValue& z : depths_)
      for (const PointValue& x : xs_)
        visit(StripPoint{x.row, z.row, x.value, z.value});
  }

 private:
  std::vector<PointValue> xs_, depths_;
};

}  // namespace qel
