// The settlement of the columns laid out for the settlement maps: the profile along the strip
// section with its curves in time, the lattice as a grid with its lines of equal settlement, and
// the largest differential settlement and angular distortion between neighbouring columns.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "analysis/contour_lines.h"
#include "analysis/settlement_columns.h"
#include "analysis/settlement_course.h"

namespace qel {

// The most time curves a profile carries: more no longer read apart on one graph.
inline constexpr std::size_t kMostTimeCurves = 6;

// The settlement at the profile's times, one value per column (m, positive down).
struct TimeCurve {
  double days = 0.0;
  std::vector<std::optional<double>> values;
};

// The strip columns ordered by x (those at a position that is not a finite number left out).
struct StripSettlementProfile {
  std::vector<double> xs;
  std::vector<std::optional<double>> totals;  // m; none where the column has no total
  std::vector<TimeCurve> curves;              // the profile's first times, in its order
  std::size_t timesLeftOut = 0;               // the profile's times beyond `mostTimes`
};

// The settlement at the times is the columns' course as built (`courses`, in the order of
// `columns`): primary and secondary together.
StripSettlementProfile StripProfile(const SettlementCourseModel& model,
                                    const std::vector<SettlementColumnResult>& columns,
                                    const std::vector<SettlementCourse>& courses,
                                    std::size_t mostTimes = kMostTimeCurves);

// The index of the largest value, the first of equal ones; none when no value is given.
std::optional<std::size_t> LargestValueAt(const std::vector<std::optional<double>>& values);

// The lattice columns on a grid of distinct ascending xs and ys. A column whose position repeats
// one before it is left out (it stands where that one does).
struct SettlementGrid {
  std::vector<double> xs, ys;
  std::vector<std::optional<double>> totals;  // m, at [iy * xs.size() + ix]
  std::optional<double> At(std::size_t ix, std::size_t iy) const {
    return totals[iy * xs.size() + ix];
  }
};

SettlementGrid LatticeGrid(const std::vector<SettlementColumnResult>& columns);

// Two columns next to each other along x or along y, by their grid cells (iy * xs.size() + ix).
struct NeighbourPair {
  std::size_t a = 0, b = 0;
  double difference = 0.0;  // |S_a - S_b|, m
  double distance = 0.0;    // m, always positive
  double Distortion() const { return difference / distance; }
};

// The pair of neighbours whose settlement differs most, and the pair whose difference over
// their distance does, among the pairs where both columns have a total; the first of equal
// pairs, scanning along x row by row, then along y.
struct GridDistortion {
  std::optional<NeighbourPair> largestDifference;
  std::optional<NeighbourPair> largestDistortion;
};

GridDistortion LargestDistortion(const SettlementGrid& grid);

// Round levels for lines of equal settlement strictly between `low` and `high` (cm): the
// multiples of the smallest step of 1, 2 or 5 times a power of ten that leaves at most `most`
// of them. None for a range that is empty or not finite.
std::vector<double> SettlementLevels(double low, double high, int most = 8);

// For each level (in the unit of the totals), the lines of equal settlement over the grid:
// straight between crossings on the edges of its cells, where settlement is taken as linear
// between neighbouring columns; a cell with a corner without a total has none. u is x, v is y.
std::vector<std::vector<ContourLine>> GridContours(const SettlementGrid& grid,
                                                   const std::vector<double>& levels);

}  // namespace qel
