// One-dimensional consolidation of a group of layers solved as one: pore pressure and flow
// continuous through the group, drained or closed at its two outer faces, with an optional sink
// for radial drainage in each cell.
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "engine/load_ramp.h"
#include "engine/mode_sum.h"

namespace qel {

// A cell of the group (a slice): uniform soil and load inside it.
struct ConsolidationCell {
  double thickness = 0;   // m
  double cv = 0;          // m2/day
  double mv = 0;          // > 0, in any unit shared by the group's cells
  double deltaP = 0;      // the full load's stress increase in the cell
  double radialRate = 0;  // 1/day, the sink of radial drainage (0 without drains)
};

struct ConsolidationGroup {
  std::vector<ConsolidationCell> cells;  // from the top down
  bool topDrained = true;
  bool bottomDrained = true;
};

// Bounds on a group, so that the work (O(n^2) in the sub-cells) and the memory of the modes (cells
// times modes) stay bounded whatever the input: at most this many cells, and sub-cells on the
// coarser grid.
inline constexpr std::size_t kMaxCoupledCells = 1000;
inline constexpr std::size_t kMaxCoupledSubcells = 1500;

// How finely the cells are cut. The defaults hold one homogeneous layer to Terzaghi's series
// within 1e-6 in U from Tv = 0.001 on.
struct CoupledRefinement {
  // Sub-cells over the group's equivalent drainage path on the coarser of the two grids, spread
  // evenly in h / sqrt(cv) (each cell gets at least one); the finer grid halves every sub-cell.
  int subcells = 12;
  // Cells next to a drained face are cut further, geometrically towards the face, down to this
  // fraction of the group's equivalent drainage path.
  double finestAtDrainedFace = 0.01;
  // Richardson's extrapolation of the two grids (their second-order errors cancel); off: the
  // finer grid alone.
  bool extrapolate = true;
};

// mv du/dt = d/dz (cv mv du/dz) + mv dsigma/dt - radialRate mv u, with sigma(z, t) = g(t) deltaP
// of the cell, u = 0 on drained faces and no flow through the others. Solved by finite volumes
// in space and exactly in time: the semi-discrete system's modes are the eigenpairs of a
// symmetric tridiagonal matrix, and a step or a ramp load is then a ModeSum per cell.
struct GridShape;

// The modes of the grids solved so far, for the groups of one profile under many loads (the
// columns of a document): a grid whose sub-cells, soil (mv up to a factor common to the group),
// radial rates and drained faces are those of an earlier one takes that one's modes, whatever
// its load, instead of solving the eigenproblem again. Every group of one layer is such a grid
// in every column. Keeps the last `capacity` grids; safe to use from several threads at once.
class CoupledModeCache {
 public:
  explicit CoupledModeCache(std::size_t capacity = 64) : capacity_(capacity) {}

  // The grid solved under `key`, or null.
  std::shared_ptr<const GridShape> Find(const std::vector<double>& key) const;
  void Keep(std::vector<double> key, std::shared_ptr<const GridShape> shape);
  // How many grids it keeps.
  std::size_t size() const;

 private:
  struct Entry {
    std::vector<double> key;
    std::shared_ptr<const GridShape> shape;
  };
  std::size_t capacity_;
  mutable std::mutex mutex_;    // guards entries_
  std::vector<Entry> entries_;  // the oldest first
};

class CoupledConsolidation {
 public:
  // Throws std::invalid_argument for no cells or a cell whose thickness, cv or mv is not a
  // positive finite number, whose radial rate is negative or not finite, or whose deltaP is not
  // finite; std::length_error for more cells than kMaxCoupledCells or a refinement that would cut
  // them into more than kMaxCoupledSubcells.
  // With `cache`, grids solved before are taken from it and new ones kept in it; the modes are
  // the same as without, but for rounding.
  explicit CoupledConsolidation(const ConsolidationGroup& group, CoupledRefinement refinement = {},
                                CoupledModeCache* cache = nullptr);

  std::size_t cellCount() const { return cellCount_; }
  // The rates of the modes (1/day), ascending.
  const std::vector<double>& rates() const { return rates_; }

  // U of cell i = (g(t) deltaP - mean excess pore pressure) / deltaP, as modes. A cell without
  // load (deltaP = 0) has no degree: its pore pressure, driven by its neighbours only, is not a
  // share of any load of its own, and its U is 0 at every time (its settlement share is 0 too).
  ModeSum Cell(std::size_t cell) const;
  // The sum over the cells of coefficients[i] U_i as one ModeSum (e.g. a settlement, with the
  // cells' final settlements as coefficients); one coefficient per cell.
  ModeSum Combined(std::span<const double> coefficients) const;

 private:
  std::size_t cellCount_ = 0;
  std::vector<double> rates_;
  std::vector<double> weights_;  // cell i's weight of mode k at [i * modes + k]
};

}  // namespace qel
