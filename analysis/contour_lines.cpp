// Marching squares on an adaptively refined quadtree, every vertex polished on the field itself.
#include "analysis/contour_lines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <mutex>
#include <optional>
#include <utility>

#include "analysis/contour_graph.h"
#include "analysis/point_table.h"
#include "analysis/segment_roots.h"
#include "engine/worker_threads.h"

namespace qel {
namespace {

// A step of the finest lattice is at least this many spacings of doubles at the window's edge.
constexpr double kDistinctSteps = 16.0;
constexpr double kEpsilon = std::numeric_limits<double>::epsilon();

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
  // Keys of neighbours along v differ by 1, along u by this.
  PointKey Rows() const { return static_cast<PointKey>(unitsV_ + 1); }
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
  // The lattice point at `from` + t (`to` - `from`), if the lattice has it.
  std::optional<PointKey> Along(PointKey from, PointKey to, double t) const {
    const PointKey rows = static_cast<PointKey>(unitsV_ + 1);
    const double i0 = static_cast<double>(from / rows), j0 = static_cast<double>(from % rows);
    const double i = i0 + t * (static_cast<double>(to / rows) - i0);
    const double j = j0 + t * (static_cast<double>(to % rows) - j0);
    if (!(i >= 0 && i <= unitsU_ && j >= 0 && j <= unitsV_) || i != std::floor(i) ||
        j != std::floor(j))
      return std::nullopt;
    return Key(static_cast<int>(i), static_cast<int>(j));
  }
  ContourPoint Point(PointKey key) const {
    const PointKey rows = static_cast<PointKey>(unitsV_ + 1);
    return {U(static_cast<double>(key / rows)), V(static_cast<double>(key % rows))};
  }

 private:
  ContourWindow window_;
  int cellsU_ = 1, cellsV_ = 1, unit_ = 1, unitsU_ = 1, unitsV_ = 1;
};

// A sampled lattice point: its value, and whether it is a corner of a leaf.
struct Point {
  double value = 0.0;
  bool corner = false;
};

// The samples on the edges of coarse cells, which two or four cells need: each is evaluated
// once, whichever cell comes first (two threads may both evaluate one at the same moment, to the
// same value). Locked in shards, so that the threads seldom wait for each other.
class SharedSamples {
 public:
  // The value at `key`, evaluated by `evaluate` if no cell has it yet.
  template <class Evaluate>
  double Get(PointKey key, Evaluate evaluate) {
    Shard& shard = shards_[(key * 0x9E3779B97F4A7C15ull) >> 58];
    {
      const std::lock_guard<std::mutex> lock(shard.mutex);
      if (const double* value = shard.table.Find(key)) return *value;
    }
    const double value = evaluate();
    const std::lock_guard<std::mutex> lock(shard.mutex);
    return *shard.table.Insert(key, value).first;
  }
  template <class Visit>
  void ForEach(Visit visit) const {
    for (const Shard& shard : shards_)
      shard.table.ForEach(visit);
  }
  std::size_t size() const {
    std::size_t count = 0;
    for (const Shard& shard : shards_)
      count += shard.table.size();
    return count;
  }

 private:
  struct Shard {
    std::mutex mutex;
    PointTable<double> table;
  };
  std::array<Shard, 64> shards_;
};

// The samples and leaves of one coarse cell.
struct CellHarvest {
  PointTable<double> samples;
  std::vector<Leaf> leaves;
};

// Halves the cells of one coarse cell where a level passes near and the field bends.
class CellRefiner {
 public:
  CellRefiner(const ScalarField& field, const Lattice& lattice, const std::vector<double>& sorted,
              const ContourOptions& options, SharedSamples& shared, CellHarvest& harvest)
      : field_(field),
        lattice_(lattice),
        sortedLevels_(sorted),
        options_(options),
        shared_(shared),
        harvest_(harvest),
        positionLimit_(options.positionTolerance * lattice.LongerSide()) {}

  void Refine(int i, int j, int size, int depth) {
    Sample(i, j);
    Sample(i + size, j);
    Sample(i, j + size);
    Sample(i + size, j + size);
    // A cell that is never halved, whatever its samples say, is a leaf without sampling its
    // edge midpoints and centre: the marching needs only its corners (and its centre, at a
    // saddle, which it evaluates then).
    if (size == 1 || (depth >= options_.minRefinementNearLevel && !Large(i, j, size))) {
      harvest_.leaves.push_back({i, j, size});
      return;
    }
    const double c00 = Sample(i, j), c10 = Sample(i + size, j);
    const double c01 = Sample(i, j + size), c11 = Sample(i + size, j + size);
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
    // NaN (a field that cannot be evaluated) never asks for refinement.
    if (depth < options_.minRefinementNearLevel || (Large(i, j, size) && offset > positionLimit_)) {
      Refine(i, j, h, depth + 1);
      Refine(i + h, j, h, depth + 1);
      Refine(i, j + h, h, depth + 1);
      Refine(i + h, j + h, h, depth + 1);
      return;
    }
    harvest_.leaves.push_back({i, j, size});
  }

 private:
  // A line cannot leave its cell, so a cell no larger than the position tolerance is small
  // enough however the field bends in it (at a load's edge on the surface, it jumps).
  bool Large(int i, int j, int size) const {
    const double width = lattice_.U(i + size) - lattice_.U(i);
    const double height = lattice_.V(j + size) - lattice_.V(j);
    return std::max(width, height) > positionLimit_;
  }

  double Sample(int i, int j) {
    auto [value, fresh] = harvest_.samples.Insert(lattice_.Key(i, j), 0.0);
    if (!fresh) return *value;
    auto evaluate = [&] { return field_(lattice_.U(i), lattice_.V(j)); };
    const bool onCoarseEdge = i % lattice_.unit() == 0 || j % lattice_.unit() == 0;
    *value = onCoarseEdge ? shared_.Get(lattice_.Key(i, j), evaluate) : evaluate();
    return *value;
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
  SharedSamples& shared_;
  CellHarvest& harvest_;
  double positionLimit_;
};

// A segment between neighbouring points of leaf boundaries that levels cross: the levels of
// ranks firstRank .. firstRank + count - 1 (ascending), whose crossings are listed from `offset`.
struct SegmentCrossings {
  PointKey above = 0, below = 0;
  std::size_t firstRank = 0, count = 0, offset = 0;
};

// Walks the points of a leaf's edge from (i, j) towards (i + di * size, j + dj * size),
// stopping short of the end: the leaf's corner and every corner of smaller neighbours on it.
void AppendEdgePoints(const Lattice& lattice, const PointTable<Point>& points, int i, int j, int di,
                      int dj, int size, std::vector<PointKey>& out) {
  if (size > 1) {
    const int h = size / 2;
    const Point* middle = points.Find(lattice.Key(i + di * h, j + dj * h));
    if (middle && middle->corner) {
      AppendEdgePoints(lattice, points, i, j, di, dj, h, out);
      AppendEdgePoints(lattice, points, i + di * h, j + dj * h, di, dj, h, out);
      return;
    }
  }
  out.push_back(lattice.Key(i, j));
}

}  // namespace

bool TraceableWindow(const ContourWindow& window, const ContourOptions& options) {
  for (double edge : {window.u0, window.u1, window.v0, window.v1})
    if (!std::isfinite(edge)) return false;
  if (!(window.u1 > window.u0) || !(window.v1 > window.v0)) return false;
  const Lattice lattice(window, options);
  // The lattice's positions are edge + side * i / units: the side times the largest i must stay
  // finite, and a step must be several times the spacing of doubles at the window's far edge.
  const std::array<double, 2> sides = {window.u1 - window.u0, window.v1 - window.v0};
  const std::array<double, 2> units = {static_cast<double>(lattice.cellsU()) * lattice.unit(),
                                       static_cast<double>(lattice.cellsV()) * lattice.unit()};
  const std::array<double, 2> farthest = {std::max(std::fabs(window.u0), std::fabs(window.u1)),
                                          std::max(std::fabs(window.v0), std::fabs(window.v1))};
  for (std::size_t axis = 0; axis < 2; ++axis) {
    if (!std::isfinite(sides[axis] * units[axis])) return false;
    if (!(sides[axis] / units[axis] > kDistinctSteps * kEpsilon * farthest[axis])) return false;
  }
  return true;
}

std::vector<std::vector<ContourLine>> TraceContours(const ScalarField& field,
                                                    const ContourWindow& window,
                                                    const std::vector<double>& levels,
                                                    const ContourOptions& options) {
  std::vector<std::vector<ContourLine>> result(levels.size());
  if (levels.empty() || !TraceableWindow(window, options)) return result;
  const Lattice lattice(window, options);
  // A level that is not a finite number has no line.
  std::vector<double> sorted;
  for (double level : levels)
    if (std::isfinite(level)) sorted.push_back(level);
  std::sort(sorted.begin(), sorted.end());
  const int threads = options.threads;

  // Refine every coarse cell on its own, the points on their edges shared among them.
  const std::size_t cellCount = static_cast<std::size_t>(lattice.cellsU()) * lattice.cellsV();
  std::vector<CellHarvest> harvests(cellCount);
  SharedSamples shared;
  {
    ChunkQueue cells(cellCount);
    RunWorkers(threads, [&] {
      while (std::optional<std::size_t> cell = cells.Next()) {
        const int ci = static_cast<int>(*cell % lattice.cellsU());
        const int cj = static_cast<int>(*cell / lattice.cellsU());
        CellRefiner refiner(field, lattice, sorted, options, shared, harvests[*cell]);
        refiner.Refine(ci * lattice.unit(), cj * lattice.unit(), lattice.unit(), 0);
      }
    });
  }
  std::size_t sampleCount = 0;
  for (const CellHarvest& harvest : harvests)
    sampleCount += harvest.samples.size();
  PointTable<Point> points(sampleCount);
  std::vector<Leaf> leaves;
  for (const CellHarvest& harvest : harvests) {
    harvest.samples.ForEach([&points](PointKey key, double value) {
      points.Insert(key, {value, false});
    });
    for (const Leaf& leaf : harvest.leaves) {
      leaves.push_back(leaf);
      for (const auto& [i, j] : {std::pair{leaf.i, leaf.j}, std::pair{leaf.i + leaf.size, leaf.j},
                                 std::pair{leaf.i, leaf.j + leaf.size},
                                 std::pair{leaf.i + leaf.size, leaf.j + leaf.size}})
        points.Insert(lattice.Key(i, j), {}).first->corner = true;
    }
  }
  auto valueAt = [&points](PointKey key) { return points.Find(key)->value; };

  // Marching squares on each leaf, its boundary running counter-clockwise through its corners
  // and the corners of smaller neighbours.
  std::vector<LevelGraph> graphs(levels.size());
  // The levels' indices by ascending level: a leaf visits only those its values span, and the
  // levels that cross one segment are a run of them.
  std::vector<std::size_t> byLevel;
  for (std::size_t l = 0; l < levels.size(); ++l)
    if (std::isfinite(levels[l])) byLevel.push_back(l);
  std::stable_sort(byLevel.begin(), byLevel.end(),
                   [&levels](std::size_t a, std::size_t b) { return levels[a] < levels[b]; });
  std::vector<double> ranked;
  for (const std::size_t l : byLevel)
    ranked.push_back(levels[l]);
  // The rank of the first level above `value`; a NaN counts as below every level.
  auto firstAbove = [&ranked](double value) {
    if (std::isnan(value)) return std::size_t{0};
    return static_cast<std::size_t>(std::upper_bound(ranked.begin(), ranked.end(), value) -
                                    ranked.begin());
  };
  // Every segment that levels cross, with its crossings (one per level, by rank) made the first
  // time a leaf meets it, so that its other leaf finds them without a look-up per level.
  std::vector<SegmentCrossings> segments;
  std::vector<int> crossingOf;  // the crossings of segments[n] from segments[n].offset on
  // Segments by their lower key and direction: a leaf's boundary pieces end at every corner on
  // it, so from a point in one direction there is at most one.
  PointTable<std::size_t> segmentIndex(points.size());
  constexpr std::size_t kNoSegment = static_cast<std::size_t>(-1);
  std::vector<PointKey> boundary;
  std::vector<double> boundaryValues;
  std::vector<std::size_t> boundarySegments;
  std::vector<std::pair<std::size_t, std::size_t>> leafCrossings;  // (rank, boundary piece)
  std::vector<int> crossingIds;
  std::vector<bool> aboveAfter;
  for (const Leaf& leaf : leaves) {
    boundary.clear();
    const int s = leaf.size;
    AppendEdgePoints(lattice, points, leaf.i, leaf.j, 1, 0, s, boundary);
    AppendEdgePoints(lattice, points, leaf.i + s, leaf.j, 0, 1, s, boundary);
    AppendEdgePoints(lattice, points, leaf.i + s, leaf.j + s, -1, 0, s, boundary);
    AppendEdgePoints(lattice, points, leaf.i, leaf.j + s, 0, -1, s, boundary);
    boundaryValues.clear();
    for (const PointKey key : boundary)
      boundaryValues.push_back(valueAt(key));
    // Only the levels between the lowest and highest value on the boundary cross it.
    double lowest = HUGE_VAL, highest = -HUGE_VAL;
    for (const double value : boundaryValues) {
      lowest = std::isnan(value) ? -HUGE_VAL : std::min(lowest, value);
      highest = std::max(highest, value);
    }
    const std::size_t firstRank = firstAbove(lowest);
    const std::size_t endRank = firstAbove(highest);
    if (firstRank >= endRank) continue;
    boundarySegments.assign(boundary.size(), kNoSegment);
    for (std::size_t k = 0; k < boundary.size(); ++k) {
      const std::size_t next = (k + 1) % boundary.size();
      const double a = boundaryValues[k], b = boundaryValues[next];
      // The levels above the lower end and at or below the higher one cross the segment.
      const bool aIsAbove = std::isnan(b) || a >= b;
      const std::size_t from = firstAbove(aIsAbove ? b : a), to = firstAbove(aIsAbove ? a : b);
      if (from >= to) continue;
      const PointKey above = aIsAbove ? boundary[k] : boundary[next];
      const PointKey below = aIsAbove ? boundary[next] : boundary[k];
      const PointKey low = std::min(above, below), high = std::max(above, below);
      const auto [index, fresh] =
          segmentIndex.Insert(2 * low + (high - low < lattice.Rows() ? 1 : 0), segments.size());
      if (fresh) {
        segments.push_back({above, below, from, to - from, crossingOf.size()});
        for (std::size_t r = from; r < to; ++r)
          crossingOf.push_back(graphs[byLevel[r]].Add(above, below));
      }
      boundarySegments[k] = *index;
    }
    // The crossings of the leaf by level, each level's in the order of its boundary.
    leafCrossings.clear();
    for (std::size_t k = 0; k < boundary.size(); ++k) {
      if (boundarySegments[k] == kNoSegment) continue;
      const SegmentCrossings& segment = segments[boundarySegments[k]];
      for (std::size_t r = segment.firstRank; r < segment.firstRank + segment.count; ++r)
        leafCrossings.emplace_back(r, k);
    }
    std::sort(leafCrossings.begin(), leafCrossings.end());
    std::optional<double> centre;
    for (std::size_t n = 0; n < leafCrossings.size();) {
      const std::size_t r = leafCrossings[n].first;
      const std::size_t l = byLevel[r];
      const double level = levels[l];
      crossingIds.clear();
      aboveAfter.clear();
      for (; n < leafCrossings.size() && leafCrossings[n].first == r; ++n) {
        const std::size_t k = leafCrossings[n].second;
        const SegmentCrossings& segment = segments[boundarySegments[k]];
        crossingIds.push_back(crossingOf[segment.offset + (r - segment.firstRank)]);
        aboveAfter.push_back(boundaryValues[(k + 1) % boundary.size()] >= level);
      }
      const std::size_t count = crossingIds.size();
      // Around the boundary the sides alternate; cutting off every stretch on the side the
      // centre is not on joins the crossings without lines crossing, and decides a saddle the
      // same way from whichever neighbour it is seen.
      std::size_t first = 0;
      if (count > 2) {
        if (!centre) {
          const double half = 0.5 * s;
          const Point* middle = points.Find(lattice.Key(leaf.i + s / 2, leaf.j + s / 2));
          centre = s > 1 && middle ? middle->value
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

  // Polish every crossing on the field, the crossings of one segment together (from the lowest
  // level up), segments in parallel.
  const double tolerance = options.rootTolerance * std::abs(options.valueScale);
  const double bracket = options.rootBracket * lattice.LongerSide();
  constexpr std::size_t kSegmentsPerChunk = 16;
  ChunkQueue chunks((segments.size() + kSegmentsPerChunk - 1) / kSegmentsPerChunk);
  RunWorkers(threads, [&] {
    while (std::optional<std::size_t> chunk = chunks.Next()) {
      const std::size_t end = std::min(segments.size(), (*chunk + 1) * kSegmentsPerChunk);
      for (std::size_t n = *chunk * kSegmentsPerChunk; n < end; ++n) {
        const SegmentCrossings& segment = segments[n];
        const ContourPoint above = lattice.Point(segment.above);
        const ContourPoint below = lattice.Point(segment.below);
        SegmentRoots roots(field, above, valueAt(segment.above), below, valueAt(segment.below));
        // What the refinement sampled on the segment's line (its middle, where a leaf was
        // tested and kept whole, and a segment's length beyond each end) shapes the guesses.
        for (const double t : {-1.0, 0.5, 2.0}) {
          const std::optional<PointKey> key = lattice.Along(segment.above, segment.below, t);
          if (!key) continue;
          if (const Point* point = points.Find(*key)) roots.Know(t, point->value);
        }
        const double span =
            std::max(1e-15, bracket / std::hypot(below.u - above.u, below.v - above.v));
        for (std::size_t r = segment.firstRank; r < segment.firstRank + segment.count; ++r) {
          const std::size_t l = byLevel[r];
          graphs[l].crossings[crossingOf[segment.offset + (r - segment.firstRank)]].at =
              roots.Root(levels[l], tolerance, span);
        }
      }
    }
  });

  for (std::size_t l = 0; l < graphs.size(); ++l)
    result[l] = ChainLines(graphs[l]);
  return result;
}

}  // namespace qel
