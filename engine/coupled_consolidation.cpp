// Finite volumes over sub-cells graded towards the drained faces, the modes of the semi-discrete
// system, and Richardson's extrapolation of two nested grids.
#include "engine/coupled_consolidation.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

#include "engine/tridiagonal_eigen.h"

namespace qel {

namespace {

// Sub-cells grow by this factor away from a drained face until they reach the regular size.
constexpr double kGrowth = 1.1;

void CheckGroup(const ConsolidationGroup& group) {
  if (group.cells.empty()) throw std::invalid_argument("a consolidation group needs cells");
  if (group.cells.size() > kMaxCoupledCells)
    throw std::length_error("too many cells in a consolidation group");
  for (const ConsolidationCell& cell : group.cells) {
    const bool positive = cell.thickness > 0.0 && std::isfinite(cell.thickness) && cell.cv > 0.0 &&
                          std::isfinite(cell.cv) && cell.mv > 0.0 && std::isfinite(cell.mv);
    if (!positive || !(cell.radialRate >= 0.0) || !std::isfinite(cell.radialRate) ||
        !std::isfinite(cell.deltaP))
      throw std::invalid_argument(
          "a consolidation cell needs positive finite thickness, cv and mv, a finite load and a "
          "finite radial rate that is not negative");
  }
}

// The position through the group measured in zeta = integral of dz / sqrt(cv) (the unit in which
// every layer consolidates alike) mapped to a grid coordinate xi in which the sub-cells are even:
// the sub-cell size in zeta is the regular one, or smaller near a drained face, growing
// geometrically away from it (size = finest + (kGrowth - 1) distance).
class GridMap {
 public:
  GridMap(double total, bool topDrained, bool bottomDrained, const CoupledRefinement& refinement)
      : total_(total), top_(topDrained), bottom_(bottomDrained) {
    const double path = topDrained && bottomDrained ? total / 2.0 : total;
    regular_ = path / std::max(1, refinement.subcells);
    finest_ = std::min(regular_, std::max(refinement.finestAtDrainedFace, 1e-9) * path);
    slope_ = kGrowth - 1.0;
    graded_ = (regular_ - finest_) / slope_;
  }

  double Forward(double zeta) const {
    if (top_ && bottom_) {
      const double middle = total_ / 2.0;
      return zeta <= middle ? FromFace(zeta) : 2.0 * FromFace(middle) - FromFace(total_ - zeta);
    }
    if (top_) return FromFace(zeta);
    if (bottom_) return FromFace(total_) - FromFace(total_ - zeta);
    return zeta / regular_;
  }

  double Inverse(double xi) const {
    if (top_ && bottom_) {
      const double middle = FromFace(total_ / 2.0);
      return xi <= middle ? ToFace(xi) : total_ - ToFace(2.0 * middle - xi);
    }
    if (top_) return ToFace(xi);
    if (bottom_) return total_ - ToFace(FromFace(total_) - xi);
    return xi * regular_;
  }

 private:
  double total_;
  bool top_, bottom_;
  double regular_, finest_, slope_;
  double graded_;  // the distance from a drained face over which the sub-cells grow

  // The grid coordinate at a distance from a drained face: the integral of 1 / size.
  double FromFace(double distance) const {
    if (distance <= graded_) return std::log1p(slope_ * distance / finest_) / slope_;
    return std::log1p(slope_ * graded_ / finest_) / slope_ + (distance - graded_) / regular_;
  }
  double ToFace(double xi) const {
    const double gradedXi = std::log1p(slope_ * graded_ / finest_) / slope_;
    if (xi <= gradedXi) return finest_ * std::expm1(slope_ * xi) / slope_;
    return graded_ + (xi - gradedXi) * regular_;
  }
};

// The sub-cells of each cell, as thicknesses in metres: on the coarser grid (split 1) a whole
// number of even steps of the grid coordinate per cell, on the finer one (split 2) half steps.
std::vector<std::vector<double>> Subcells(const ConsolidationGroup& group,
                                          const CoupledRefinement& refinement, int split) {
  std::vector<double> bounds{0.0};  // zeta at the cells' faces
  for (const ConsolidationCell& cell : group.cells)
    bounds.push_back(bounds.back() + cell.thickness / std::sqrt(cell.cv));
  const GridMap map(bounds.back(), group.topDrained, group.bottomDrained, refinement);
  std::vector<std::vector<double>> subcells;
  double total = 0.0;  // coarse sub-cells so far
  for (std::size_t i = 0; i < group.cells.size(); ++i) {
    const double from = map.Forward(bounds[i]), to = map.Forward(bounds[i + 1]);
    const double steps = std::ceil(to - from - 1e-9);
    total += std::max(1.0, steps);
    if (total > static_cast<double>(kMaxCoupledSubcells))
      throw std::length_error("a consolidation group cut into too many sub-cells");
    const int count = split * std::max(1, static_cast<int>(steps));
    const double root = std::sqrt(group.cells[i].cv);
    std::vector<double> sizes;
    double previous = bounds[i];
    for (int j = 1; j <= count; ++j) {
      const double next = j == count ? bounds[i + 1] : map.Inverse(from + (to - from) * j / count);
      sizes.push_back((next - previous) * root);
      previous = next;
    }
    subcells.push_back(std::move(sizes));
  }
  return subcells;
}

// The modes of one grid: rates ascending and, per cell, its weight of each mode.
struct GridModes {
  std::vector<double> rates;
  std::vector<double> weights;  // [cell * rates.size() + k]
};

struct Sub {
  std::size_t cell;
  double thickness, capacity, conductance;  // mv dz, cv mv
};

// The sub-cells of the grid with mv divided by the first cell's: the modes depend on the ratios
// of mv alone, so that a group of one layer gives the same sub-cells, bit for bit, under every
// load and every secant mv.
std::vector<Sub> GridSubs(const ConsolidationGroup& group,
                          const std::vector<std::vector<double>>& subcells) {
  const double reference = group.cells.front().mv;
  std::vector<Sub> subs;
  for (std::size_t i = 0; i < group.cells.size(); ++i) {
    const ConsolidationCell& cell = group.cells[i];
    const double mv = cell.mv / reference;
    for (double dz : subcells[i])
      subs.push_back({i, dz, mv * dz, cell.cv * mv});
  }
  return subs;
}

// Everything the modes of a grid depend on: the sub-cells with their cells, each cell's
// thickness and radial rate, and the drained faces.
std::vector<double> GridKey(const ConsolidationGroup& group, const std::vector<Sub>& subs) {
  std::vector<double> key{group.topDrained ? 1.0 : 0.0, group.bottomDrained ? 1.0 : 0.0};
  for (const ConsolidationCell& cell : group.cells) {
    key.push_back(cell.thickness);
    key.push_back(cell.radialRate);
  }
  for (const Sub& sub : subs) {
    key.push_back(static_cast<double>(sub.cell));
    key.push_back(sub.thickness);
    key.push_back(sub.capacity);
    key.push_back(sub.conductance);
  }
  return key;
}

}  // namespace

// The modes of a grid apart from the load: with q_k the unit eigenvectors of the symmetric form
// and c_j = sqrt(capacity of sub-cell j), mode k's projection of the load is the sum over the
// cells of deltaP_i toLoad[k][i] (toLoad = sum over the cell's sub-cells of q_kj c_j), and cell
// i's weight of it that projection times toMean[k][i] / deltaP_i (toMean = sum of
// dz_j q_kj / (h_i c_j)).
struct GridShape {
  std::size_t cells = 0;
  std::vector<double> rates;
  std::vector<double> toLoad, toMean;  // [k * cells + i]
};

namespace {

std::shared_ptr<const GridShape> SolveShape(const ConsolidationGroup& group,
                                            const std::vector<Sub>& subs) {
  const std::size_t n = subs.size();
  // C du/dt = -A u + C b g'(t) with C = diag(capacity); A's faces conduct 1 / (sum of the two
  // half-sub-cell resistances), a drained face through half a sub-cell to u = 0. The symmetric
  // form C^-1/2 A C^-1/2 has the same modes.
  SymmetricTridiagonal matrix;
  matrix.diagonal.assign(n, 0.0);
  matrix.offDiagonal.assign(n - 1, 0.0);
  for (std::size_t j = 0; j + 1 < n; ++j) {
    const double resistance = subs[j].thickness / (2.0 * subs[j].conductance) +
                              subs[j + 1].thickness / (2.0 * subs[j + 1].conductance);
    const double face = 1.0 / resistance;
    matrix.diagonal[j] += face / subs[j].capacity;
    matrix.diagonal[j + 1] += face / subs[j + 1].capacity;
    matrix.offDiagonal[j] = -face / std::sqrt(subs[j].capacity * subs[j + 1].capacity);
  }
  if (group.topDrained)
    matrix.diagonal[0] += 2.0 * subs[0].conductance / subs[0].thickness / subs[0].capacity;
  if (group.bottomDrained)
    matrix.diagonal[n - 1] +=
        2.0 * subs[n - 1].conductance / subs[n - 1].thickness / subs[n - 1].capacity;
  for (std::size_t j = 0; j < n; ++j)
    matrix.diagonal[j] += group.cells[subs[j].cell].radialRate;

  auto shape = std::make_shared<GridShape>();
  const std::size_t cells = group.cells.size();
  shape->cells = cells;
  shape->rates = TridiagonalEigenvalues(matrix);
  // Rounding may leave the smallest rate of a closed group a hair below 0.
  for (double& rate : shape->rates)
    rate = std::max(rate, 0.0);
  std::vector<double> root(n), mean(n);
  for (std::size_t j = 0; j < n; ++j) {
    root[j] = std::sqrt(subs[j].capacity);
    mean[j] = subs[j].thickness / (group.cells[subs[j].cell].thickness * root[j]);
  }
  shape->toLoad.assign(shape->rates.size() * cells, 0.0);
  shape->toMean.assign(shape->rates.size() * cells, 0.0);
  // Plain pointers, so that the loops need not reload them after every store.
  const double* roots = root.data();
  const double* means = mean.data();
  const Sub* sub = subs.data();
  double* toLoad = shape->toLoad.data();
  double* toMean = shape->toMean.data();
  ForEachTridiagonalEigenvector(matrix, shape->rates,
                                [=](std::size_t k, std::span<const double> vector) {
                                  const double* q = vector.data();
                                  double* load = toLoad + k * cells;
                                  double* toCellMean = toMean + k * cells;
                                  for (std::size_t j = 0; j < n; ++j) {
                                    load[sub[j].cell] += q[j] * roots[j];
                                    toCellMean[sub[j].cell] += q[j] * means[j];
                                  }
                                });
  return shape;
}

GridModes SolveGrid(const ConsolidationGroup& group,
                    const std::vector<std::vector<double>>& subcells, CoupledModeCache* cache) {
  const std::vector<Sub> subs = GridSubs(group, subcells);
  std::shared_ptr<const GridShape> shape;
  std::vector<double> key;
  if (cache) {
    key = GridKey(group, subs);
    shape = cache->Find(key);
  }
  if (!shape) {
    shape = SolveShape(group, subs);
    if (cache) cache->Keep(std::move(key), shape);
  }
  const std::size_t cells = shape->cells, count = shape->rates.size();
  GridModes modes;
  modes.rates = shape->rates;
  modes.weights.assign(cells * count, 0.0);
  for (std::size_t k = 0; k < count; ++k) {
    const double* load = shape->toLoad.data() + k * cells;
    const double* mean = shape->toMean.data() + k * cells;
    double projection = 0.0;
    for (std::size_t i = 0; i < cells; ++i)
      projection += group.cells[i].deltaP * load[i];
    for (std::size_t i = 0; i < cells; ++i) {
      if (group.cells[i].deltaP != 0.0)
        modes.weights[i * count + k] = mean[i] * projection / group.cells[i].deltaP;
    }
  }
  return modes;
}

}  // namespace

std::shared_ptr<const GridShape> CoupledModeCache::Find(const std::vector<double>& key) const {
  const std::lock_guard<std::mutex> lock(mutex_);
  for (const Entry& entry : entries_)
    if (entry.key == key) return entry.shape;
  return nullptr;
}

void CoupledModeCache::Keep(std::vector<double> key, std::shared_ptr<const GridShape> shape) {
  const std::lock_guard<std::mutex> lock(mutex_);
  for (const Entry& entry : entries_)
    if (entry.key == key) return;  // another thread solved it meanwhile
  if (capacity_ == 0) return;
  if (entries_.size() >= capacity_) entries_.erase(entries_.begin());
  entries_.push_back({std::move(key), std::move(shape)});
}

std::size_t CoupledModeCache::size() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return entries_.size();
}

CoupledConsolidation::CoupledConsolidation(const ConsolidationGroup& group,
                                           CoupledRefinement refinement, CoupledModeCache* cache)
    : cellCount_(group.cells.size()) {
  CheckGroup(group);
  std::vector<GridModes> grids;
  std::vector<double> factors;
  grids.reserve(2);
  if (refinement.extrapolate) {
    // Errors of c h^2: (4 U(h/2) - U(h)) / 3 cancels them.
    grids.push_back(SolveGrid(group, Subcells(group, refinement, 1), cache));
    factors.push_back(-1.0 / 3.0);
  }
  grids.push_back(SolveGrid(group, Subcells(group, refinement, 2), cache));
  factors.push_back(refinement.extrapolate ? 4.0 / 3.0 : 1.0);
  // Merge the grids' modes into one ascending list.
  struct Mode {
    double rate;
    std::size_t grid, index;
  };
  std::vector<Mode> modes;
  for (std::size_t g = 0; g < grids.size(); ++g)
    for (std::size_t k = 0; k < grids[g].rates.size(); ++k)
      modes.push_back({grids[g].rates[k], g, k});
  std::stable_sort(modes.begin(), modes.end(),
                   [](const Mode& a, const Mode& b) { return a.rate < b.rate; });
  const std::size_t count = modes.size();
  rates_.resize(count);
  weights_.assign(cellCount_ * count, 0.0);
  for (std::size_t m = 0; m < count; ++m) {
    rates_[m] = modes[m].rate;
    const GridModes& grid = grids[modes[m].grid];
    const std::size_t size = grid.rates.size();
    for (std::size_t i = 0; i < cellCount_; ++i)
      weights_[i * count + m] = factors[modes[m].grid] * grid.weights[i * size + modes[m].index];
  }
  // A loaded cell's weights add up to 1 (its degree at the end) but for rounding in the
  // eigenvectors: scaled so that they do exactly.
  for (std::size_t i = 0; i < cellCount_; ++i) {
    double* row = weights_.data() + i * count;
    const double sum = std::accumulate(row, row + count, 0.0);
    if (group.cells[i].deltaP == 0.0 || !(sum > 0.0)) continue;
    for (std::size_t m = 0; m < count; ++m)
      row[m] /= sum;
  }
}

ModeSum CoupledConsolidation::Cell(std::size_t cell) const {
  if (cell >= cellCount_) throw std::out_of_range("no such consolidation cell");
  const auto first = weights_.begin() + static_cast<std::ptrdiff_t>(cell * rates_.size());
  return ModeSum(rates_,
                 std::vector<double>(first, first + static_cast<std::ptrdiff_t>(rates_.size())));
}

ModeSum CoupledConsolidation::Combined(std::span<const double> coefficients) const {
  if (coefficients.size() != cellCount_)
    throw std::invalid_argument("one coefficient is needed for every cell");
  std::vector<double> weights(rates_.size(), 0.0);
  for (std::size_t i = 0; i < cellCount_; ++i) {
    if (coefficients[i] == 0.0) continue;
    const double* row = weights_.data() + i * rates_.size();
    for (std::size_t k = 0; k < rates_.size(); ++k)
      weights[k] += coefficients[i] * row[k];
  }
  return ModeSum(rates_, std::move(weights));
}

}  // namespace qel
