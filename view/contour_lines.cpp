// Marching squares on an adaptively refined quadtree, every vertex polished on the field itself.
#include "view/contour_lines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "engine/worker_threads.h"
#include "view/contour_graph.h"

namespace qel {
namespace {

// A leaf of the quadtree: its lower-left corner and its side, in finest lattice units.
struct Leaf {
  int i = 0, j = 0, size = 1;
};

// The finest lattice over the window: coarse cells of `unit` units each.
class Lattice {
 public:
  Lattice(const ContourWindow& window, const ContourOptions& options) : window_(window) {
    const double width = window.u1 - window.u0, height = window.v1 - window.v0;
    const double longer = std::max(width, height);
    const int coarse = std::clamp(options.coarseCells, 1, 4096);
    cellsU_ = std::clamp(static_cast<int>(std::ceil(width / longer * coarse - 1e-9)), 1, coarse);
    cellsV_ = std::clamp(static_cast<int>(std::ceil(height / longer * coarse - 1e-9)), 1, coarse);
    // At most 2^31 units along a side, so that every coordinate is an int.
    const int halvings = std::clamp(options.maxRefinement, 0, 30 - 12);
    unit_ = 1 << halvings;
    unitsU_ = cellsU_ * unit_;
    unitsV_ = cellsV_ * unit_;
  }

  int cellsU() const { return cellsU_; }
  double LongerSide() const { return std::max(window_.u1 - window_.u0, window_.v1 - window_.v0); }
  int cellsV() const { return cellsV_; }
  int unit() const { return unit_; }
  PointKey Key(int i, int j) const {
    return static_cast<PointKey>(i) * static_cast<PointKey>(unitsV_ + 1) + static_cast<PointKey>(j);
  }
  // Window coordinates of lattice position (i, j), which may be a half unit.
  double U(double i) const {
    return i >= unitsU_ ? window_.u1 : window_.u0 + (window_.u1 - window_.u0) * i / unitsU_;
  }
  double V(double j) const {
    return j >= unitsV_ ? window_.v1 : window_.v0 + (window_.v1 - window_.v0) * j / unitsV_;
  }
  ContourPoint Point(PointKey key) const {
    const PointKey rows = static_cast<PointKey>(unitsV_ + 1);
    return {U(static_cast<double>(key / rows)), V(static_cast<double>(key % rows))};
  }

 private:
  ContourWindow window_;
  int cellsU_ = 1, cellsV_ = 1, unit_ = 1, unitsU_ = 1, unitsV_ = 1;
};

// The samples and leaves of one coarse cell.
struct CellHarvest {
  std::unordered_map<PointKey, double> samples;
  std::vector<Leaf> leaves;
};

// Halves the cells of one coarse cell where a level passes near and the field bends.
class CellRefiner {
 public:
  CellRefiner(const ScalarField& field, const Lattice& lattice, const std::vector<double>& sorted,
              const ContourOptions& options, CellHarvest& harvest)
      : field_(field),
        lattice_(lattice),
        sortedLevels_(sorted),
        options_(options),
        harvest_(harvest),
        positionLimit_(options.positionTolerance * lattice.LongerSide()) {}

  void Refine(int i, int j, int size, int depth) {
    const double c00 = Sample(i, j), c10 = Sample(i + size, j);
    const double c01 = Sample(i, j + size), c11 = Sample(i + size, j + size);
    if (size == 1) {
      harvest_.leaves.push_back({i, j, size});
      return;
    }
    const int h = size / 2;
    const double bottom = Sample(i + h, j), top = Sample(i + h, j + size);
    const double left = Sample(i, j + h), right = Sample(i + size, j + h);
    const double centre = Sample(i + h, j + h);
    const std::array<double, 9> all = {c00, c10, c01, c11, bottom, top, left, right, centre};
    const auto [lo, hi] = std::minmax_element(all.begin(), all.end());
    if (!NearLevel(*lo, *hi)) {
      harvest_.leaves.push_back({i, j, size});
      return;
    }
    const double bend =
        std::max({std::abs(bottom - 0.5 * (c00 + c10)), std::abs(top - 0.5 * (c01 + c11)),
                  std::abs(left - 0.5 * (c00 + c01)), std::abs(right - 0.5 * (c10 + c11)),
                  std::abs(centre - 0.25 * (c00 + c10 + c01 + c11))});
    const double width = lattice_.U(i + size) - lattice_.U(i);
    const double height = lattice_.V(j + size) - lattice_.V(j);
    const double slope =
        std::hypot(0.5 * (c10 - c00 + c11 - c01) / width, 0.5 * (c01 - c00 + c11 - c10) / height);
    const double offset = slope > 0.0 ? bend / slope : (bend > 0.0 ? HUGE_VAL : 0.0);
    // A line cannot leave its cell, so a cell no larger than the tolerance is small enough
    // however the field bends in it (at a load's edge on the surface, it jumps). NaN (a field
    // that cannot be evaluated) never asks for refinement.
    const bool large = std::max(width, height) > positionLimit_;
    if (depth < options_.minRefinementNearLevel || (large && offset > positionLimit_)) {
      Refine(i, j, h, depth + 1);
      Refine(i + h, j, h, depth + 1);
      Refine(i, j + h, h, depth + 1);
      Refine(i + h, j + h, h, depth + 1);
      return;
    }
    harvest_.leaves.push_back({i, j, size});
  }

 private:
  double Sample(int i, int j) {
    auto [it, fresh] = harvest_.samples.try_emplace(lattice_.Key(i, j), 0.0);
    if (fresh) it->second = field_(lattice_.U(i), lattice_.V(j));
    return it->second;
  }

  // A level lies within the cell's sampled range widened by half of it on each side: a line
  // may pass between samples where the field peaks or dips.
  bool NearLevel(double lo, double hi) const {
    const double pad = 0.5 * (hi - lo);
    auto first = std::lower_bound(sortedLevels_.begin(), sortedLevels_.end(), lo - pad);
    return first != sortedLevels_.end() && *first <= hi + pad;
  }

  const ScalarField& field_;
  const Lattice& lattice_;
  const std::vector<double>& sortedLevels_;
  const ContourOptions& options_;
  CellHarvest& harvest_;
  double positionLimit_;
};

// The field along one segment, from its end at or above the levels crossing it (t = 0) to its
// end below them (t = 1). Every level that crosses the segment is found on it, the later ones
// starting from the tightest bracket the earlier evaluations left: where a load's edge meets
// the surface all levels cross within a hair of each other, and share most of the work.
class SegmentRoots {
 public:
  SegmentRoots(const ScalarField& field, const ContourPoint& above, double fAbove,
               const ContourPoint& below, double fBelow)
      : field_(field), a_(above), b_(below), samples_{{0.0, fAbove}, {1.0, fBelow}} {}

  // A point where the field is within `tolerance` of `level` (or the best the bracket gave),
  // by the Illinois variant of regula falsi, which keeps its bracket and converges fast on
  // smooth fields.
  ContourPoint Root(double level, double tolerance) {
    std::size_t k = 0;
    while (k + 2 < samples_.size() && !(samples_[k + 1].f < level))
      ++k;
    double ta = samples_[k].t, ga = samples_[k].f - level;
    double tb = samples_[k + 1].t, gb = samples_[k + 1].f - level;
    double bestT = std::abs(ga) <= std::abs(gb) ? ta : tb;
    double bestG = std::min(std::abs(ga), std::abs(gb));
    int side = 0;
    for (int iteration = 0; iteration < 80 && bestG > tolerance; ++iteration) {
      double t = ga != gb ? ta - ga * (tb - ta) / (gb - ga) : 0.5 * (ta + tb);
      if (!(t > ta && t < tb)) t = 0.5 * (ta + tb);
      const double g = Evaluate(t) - level;
      if (std::abs(g) < bestG) {
        bestG = std::abs(g);
        bestT = t;
      }
      if (g >= 0.0) {
        ta = t;
        ga = g;
        if (side == 1) gb *= 0.5;
        side = 1;
      } else {
        tb = t;
        gb = g;
        if (side == -1) ga *= 0.5;
        side = -1;
      }
      if (!(tb - ta > 1e-15)) break;
    }
    return At(bestT);
  }

 private:
  struct Sample {
    double t, f;
  };
  ContourPoint At(double t) const { return {a_.u + (b_.u - a_.u) * t, a_.v + (b_.v - a_.v) * t}; }
  double Evaluate(double t) {
    const ContourPoint p = At(t);
    const double f = field_(p.u, p.v);
    auto place = std::lower_bound(samples_.begin(), samples_.end(), t,
                                  [](const Sample& s, double value) { return s.t < value; });
    samples_.insert(place, {t, f});
    return f;
  }

  const ScalarField& field_;
  ContourPoint a_, b_;
  std::vector<Sample> samples_;  // ascending t
};

// Walks the points of a leaf's edge from (i, j) towards (i + di * size, j + dj * size),
// stopping short of the end: the leaf's corner and every corner of smaller neighbours on it.
void AppendEdgePoints(const Lattice& lattice, const std::unordered_set<PointKey>& corners, int i,
                      int j, int di, int dj, int size, std::vector<PointKey>& out) {
  if (size > 1) {
    const int h = size / 2;
    if (corners.count(lattice.Key(i + di * h, j + dj * h))) {
      AppendEdgePoints(lattice, corners, i, j, di, dj, h, out);
      AppendEdgePoints(lattice, corners, i + di * h, j + dj * h, di, dj, h, out);
      return;
    }
  }
  out.push_back(lattice.Key(i, j));
}

}  // namespace

std::vector<std::vector<ContourLine>> TraceContours(const ScalarField& field,
                                                    const ContourWindow& window,
                                                    const std::vector<double>& levels,
                                                    const ContourOptions& options) {
  std::vector<std::vector<ContourLine>> result(levels.size());
  if (levels.empty() || !(window.u1 > window.u0) || !(window.v1 > window.v0)) return result;
  // A side of infinite length (a depth of 1e308 times the window's factor) has no lattice.
  if (!std::isfinite(window.u1 - window.u0) || !std::isfinite(window.v1 - window.v0)) return result;
  const Lattice lattice(window, options);
  std::vector<double> sorted = levels;
  std::sort(sorted.begin(), sorted.end());
  const int threads = std::max(options.threads, 1);

  // Refine every coarse cell on its own; neighbours evaluate their shared edge each, to the same
  // values, so the cells need no locking.
  const std::size_t cellCount = static_cast<std::size_t>(lattice.cellsU()) * lattice.cellsV();
  std::vector<CellHarvest> harvests(cellCount);
  {
    ChunkQueue cells(cellCount);
    RunWorkers(threads, [&] {
      while (std::optional<std::size_t> cell = cells.Next()) {
        const int ci = static_cast<int>(*cell % lattice.cellsU());
        const int cj = static_cast<int>(*cell / lattice.cellsU());
        CellRefiner refiner(field, lattice, sorted, options, harvests[*cell]);
        refiner.Refine(ci * lattice.unit(), cj * lattice.unit(), lattice.unit(), 0);
      }
    });
  }
  std::unordered_map<PointKey, double> values;
  std::unordered_set<PointKey> corners;
  std::vector<Leaf> leaves;
  for (CellHarvest& harvest : harvests) {
    values.merge(harvest.samples);
    for (const Leaf& leaf : harvest.leaves) {
      leaves.push_back(leaf);
      corners.insert(lattice.Key(leaf.i, leaf.j));
      corners.insert(lattice.Key(leaf.i + leaf.size, leaf.j));
      corners.insert(lattice.Key(leaf.i, leaf.j + leaf.size));
      corners.insert(lattice.Key(leaf.i + leaf.size, leaf.j + leaf.size));
    }
  }

  // Marching squares on each leaf, its boundary running counter-clockwise through its corners
  // and the corners of smaller neighbours.
  std::vector<LevelGraph> graphs(levels.size());
  std::vector<PointKey> boundary;
  std::vector<int> crossingIds;
  std::vector<bool> aboveAfter;
  for (const Leaf& leaf : leaves) {
    boundary.clear();
    const int s = leaf.size;
    AppendEdgePoints(lattice, corners, leaf.i, leaf.j, 1, 0, s, boundary);
    AppendEdgePoints(lattice, corners, leaf.i + s, leaf.j, 0, 1, s, boundary);
    AppendEdgePoints(lattice, corners, leaf.i + s, leaf.j + s, -1, 0, s, boundary);
    AppendEdgePoints(lattice, corners, leaf.i, leaf.j + s, 0, -1, s, boundary);
    std::optional<double> centre;
    for (std::size_t l = 0; l < levels.size(); ++l) {
      const double level = levels[l];
      crossingIds.clear();
      aboveAfter.clear();
      for (std::size_t k = 0; k < boundary.size(); ++k) {
        const PointKey from = boundary[k], to = boundary[(k + 1) % boundary.size()];
        const bool fromAbove = values.at(from) >= level, toAbove = values.at(to) >= level;
        if (fromAbove == toAbove) continue;
        crossingIds.push_back(fromAbove ? graphs[l].CrossingOn(from, to)
                                        : graphs[l].CrossingOn(to, from));
        aboveAfter.push_back(toAbove);
      }
      const std::size_t count = crossingIds.size();
      if (count == 0) continue;
      // Around the boundary the sides alternate; cutting off every stretch on the side the
      // centre is not on joins the crossings without lines crossing, and decides a saddle the
      // same way from whichever neighbour it is seen.
      std::size_t first = 0;
      if (count > 2) {
        if (!centre) {
          const double half = 0.5 * s;
          auto it = values.find(lattice.Key(leaf.i + s / 2, leaf.j + s / 2));
          centre = s > 1 && it != values.end()
                       ? it->second
                       : field(lattice.U(leaf.i + half), lattice.V(leaf.j + half));
        }
        const bool centreAbove = *centre >= level;
        while (first < count && aboveAfter[first] == centreAbove)
          ++first;
        if (first == count) first = 0;
      }
      for (std::size_t k = 0; k + 1 < count; k += 2)
        graphs[l].Join(crossingIds[(first + k) % count], crossingIds[(first + k + 1) % count]);
    }
  }

  // Polish every crossing on the field, the crossings of one segment together, segments in
  // parallel.
  struct Pending {
    std::size_t level;
    int crossing;
  };
  std::vector<std::vector<Pending>> segments;
  {
    std::unordered_map<std::pair<PointKey, PointKey>, std::size_t, SegmentHash> segmentIndex;
    for (std::size_t l = 0; l < graphs.size(); ++l) {
      for (std::size_t c = 0; c < graphs[l].crossings.size(); ++c) {
        const Crossing& crossing = graphs[l].crossings[c];
        auto [it, fresh] =
            segmentIndex.try_emplace({crossing.above, crossing.below}, segments.size());
        if (fresh) segments.emplace_back();
        segments[it->second].push_back({l, static_cast<int>(c)});
      }
    }
  }
  const double tolerance = options.rootTolerance * std::abs(options.valueScale);
  constexpr std::size_t kSegmentsPerChunk = 16;
  ChunkQueue chunks((segments.size() + kSegmentsPerChunk - 1) / kSegmentsPerChunk);
  RunWorkers(threads, [&] {
    while (std::optional<std::size_t> chunk = chunks.Next()) {
      const std::size_t end = std::min(segments.size(), (*chunk + 1) * kSegmentsPerChunk);
      for (std::size_t n = *chunk * kSegmentsPerChunk; n < end; ++n) {
        const Crossing& first = graphs[segments[n][0].level].crossings[segments[n][0].crossing];
        SegmentRoots roots(field, lattice.Point(first.above), values.at(first.above),
                           lattice.Point(first.below), values.at(first.below));
        for (const Pending& p : segments[n]) {
          graphs[p.level].crossings[p.crossing].at = roots.Root(levels[p.level], tolerance);
        }
      }
    }
  });

  for (std::size_t l = 0; l < graphs.size(); ++l)
    result[l] = ChainLines(graphs[l]);
  return result;
}

}  // namespace qel
