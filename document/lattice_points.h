// The lattice of calculation points as numbers: the x, y and z values that hold numbers, and the
// points they make together.
#pragma once

#include <utility>
#include <vector>

#include "document/point_values.h"

namespace qel {

// One lattice point: the rows of its x, y and z fields and their numbers.
struct GridPoint {
  int xRow = 0, yRow = 0, zRow = 0;
  double x = 0.0, y = 0.0, z = 0.0;
};

class LatticePoints {
 public:
  explicit LatticePoints(const DocumentTables& tables)
      : xs_(PresentPointValues(tables, true, point_col::kGridX)),
        ys_(PresentPointValues(tables, true, point_col::kGridY)),
        depths_(PresentPointValues(tables, true, point_col::kGridZ)) {}

  // The values in row order. Called on a temporary they are handed over, so that a loop over
  // LatticePoints(tables).xs() does not outlive them.
  const std::vector<PointValue>& xs() const& { return xs_; }
  const std::vector<PointValue>& ys() const& { return ys_; }
  const std::vector<PointValue>& depths() const& { return depths_; }
  std::vector<PointValue> xs() && { return std::move(xs_); }
  std::vector<PointValue> ys() && { return std::move(ys_); }
  std::vector<PointValue> depths() && { return std::move(depths_); }

  // Every listed point, as the results table, the saved results and qel-cli list them: each
  // depth, then each y, then each x, in row order, negative depths included.
  template <class Visit>
  void ForEachListed(Visit&& visit) const {
    for (const PointValue& z : depths_)
      for (const PointValue& y : ys_)
        for (const PointValue& x : xs_)
          visit(GridPoint{x.row, y.row, z.row, x.value, y.value, z.value});
  }

  // The listed points the calculation computes: those whose depth it can use.
  template <class Visit>
  void ForEachComputed(Visit&& visit) const {
    ForEachListed([&](const GridPoint& point) {
      if (IsUsableDepth(point.z)) visit(point);
    });
  }

 private:
  std::vector<PointValue> xs_, ys_, depths_;
};

}  // namespace qel
