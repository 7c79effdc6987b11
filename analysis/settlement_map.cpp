// The settlement profile, grid, distortion and lines of equal settlement of the settlement maps.
#include "analysis/settlement_map.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <utility>

#include "analysis/contour_graph.h"

namespace qel {

StripSettlementProfile StripProfile(const SettlementCourseModel& model,
                                    const std::vector<SettlementColumnResult>& columns,
                                    const std::vector<SettlementCourse>& courses,
                                    std::size_t mostTimes) {
  std::vector<std::size_t> strip;
  for (std::size_t i = 0; i < columns.size() && i < courses.size(); ++i)
    if (columns[i].site.problem == Problem::Strip && std::isfinite(columns[i].site.x))
      strip.push_back(i);
  std::stable_sort(strip.begin(), strip.end(), [&](std::size_t a, std::size_t b) {
    return columns[a].site.x < columns[b].site.x;
  });
  StripSettlementProfile profile;
  for (const std::size_t i : strip) {
    profile.xs.push_back(columns[i].site.x);
    profile.totals.push_back(columns[i].values.total);
  }
  const std::vector<double>& times = model.profile().times;
  const std::size_t kept = std::min(times.size(), mostTimes);
  profile.timesLeftOut = times.size() - kept;
  for (std::size_t t = 0; t < kept; ++t) {
    TimeCurve curve{times[t], {}};
    for (const std::size_t i : strip) {
      const std::optional<CoursePoint> point = model.At(courses[i], times[t]);
      curve.values.push_back(point && std::isfinite(point->total())
                                 ? std::optional<double>(point->total())
                                 : std::nullopt);
    }
    profile.curves.push_back(std::move(curve));
  }
  return profile;
}

std::optional<std::size_t> LargestValueAt(const std::vector<std::optional<double>>& values) {
  std::optional<std::size_t> at;
  for (std::size_t i = 0; i < values.size(); ++i)
    if (values[i] && std::isfinite(*values[i]) && (!at || *values[i] > *values[*at])) at = i;
  return at;
}

namespace {

// The distinct finite values, ascending.
std::vector<double> DistinctAscending(std::vector<double> values) {
  std::erase_if(values, [](double v) { return !std::isfinite(v); });
  std::sort(values.begin(), values.end());
  values.erase(std::unique(values.begin(), values.end()), values.end());
  return values;
}

std::size_t IndexOf(const std::vector<double>& sorted, double value) {
  return static_cast<std::size_t>(std::lower_bound(sorted.begin(), sorted.end(), value) -
                                  sorted.begin());
}

}  // namespace

SettlementGrid LatticeGrid(const std::vector<SettlementColumnResult>& columns) {
  std::vector<double> xs, ys;
  for (const SettlementColumnResult& column : columns)
    if (column.site.problem == Problem::RectCircle)
      xs.push_back(column.site.x), ys.push_back(column.site.y);
  SettlementGrid grid;
  grid.xs = DistinctAscending(std::move(xs));
  grid.ys = DistinctAscending(std::move(ys));
  grid.totals.assign(grid.xs.size() * grid.ys.size(), std::nullopt);
  std::vector<bool> filled(grid.totals.size(), false);
  for (const SettlementColumnResult& column : columns) {
    const SettlementSite& site = column.site;
    if (site.problem != Problem::RectCircle || !std::isfinite(site.x) || !std::isfinite(site.y))
      continue;
    const std::size_t cell = IndexOf(grid.ys, site.y) * grid.xs.size() + IndexOf(grid.xs, site.x);
    if (filled[cell]) continue;
    filled[cell] = true;
    const std::optional<double>& total = column.values.total;
    if (total && std::isfinite(*total)) grid.totals[cell] = total;
  }
  return grid;
}

GridDistortion LargestDistortion(const SettlementGrid& grid) {
  GridDistortion result;
  const std::size_t nx = grid.xs.size();
  auto consider = [&](std::size_t a, std::size_t b, double distance) {
    const std::optional<double> sa = grid.totals[a], sb = grid.totals[b];
    if (!sa || !sb || !(distance > 0.0)) return;
    const NeighbourPair pair{a, b, std::fabs(*sa - *sb), distance};
    if (!result.largestDifference || pair.difference > result.largestDifference->difference)
      result.largestDifference = pair;
    if (!result.largestDistortion || pair.Distortion() > result.largestDistortion->Distortion())
      result.largestDistortion = pair;
  };
  for (std::size_t iy = 0; iy < grid.ys.size(); ++iy)
    for (std::size_t ix = 0; ix + 1 < nx; ++ix)
      consider(iy * nx + ix, iy * nx + ix + 1, grid.xs[ix + 1] - grid.xs[ix]);
  for (std::size_t iy = 0; iy + 1 < grid.ys.size(); ++iy)
    for (std::size_t ix = 0; ix < nx; ++ix)
      consider(iy * nx + ix, (iy + 1) * nx + ix, grid.ys[iy + 1] - grid.ys[iy]);
  return result;
}

std::vector<double> SettlementLevels(double low, double high, int most) {
  std::vector<double> levels;
  if (!std::isfinite(low) || !std::isfinite(high) || !(high > low) || most < 1) return levels;
  const double raw = (high - low) / most;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  double step = 10.0 * magnitude;
  for (const double factor : {1.0, 2.0, 5.0})
    if (factor * magnitude >= raw * (1 - 1e-9)) {
      step = factor * magnitude;
      break;
    }
  // A range far from 0 against its width has multiples that do not move: none then.
  if (!(step > 0.0) || !std::isfinite(step) || low + step == low || high - step == high)
    return levels;
  double k = std::floor(low / step) + 1;
  for (int tried = 0; tried <= most + 2 && levels.size() < static_cast<std::size_t>(most);
       ++tried, k += 1.0) {
    const double level = k * step;
    if (!(level < high)) break;
    if (level > low) levels.push_back(level == 0.0 ? 0.0 : level);
  }
  return levels;
}

namespace {

// One level's crossings on the grid's cell edges, each made once and shared by both cells.
class LevelTracer {
 public:
  LevelTracer(const SettlementGrid& grid, double level) : grid_(grid), level_(level) {}

  void TraceCell(std::size_t ix, std::size_t iy) {
    const std::size_t nx = grid_.xs.size();
    // The corners counter-clockwise from the lower left.
    const std::size_t corners[4] = {iy * nx + ix, iy * nx + ix + 1, (iy + 1) * nx + ix + 1,
                                    (iy + 1) * nx + ix};
    double values[4];
    for (int c = 0; c < 4; ++c) {
      if (!grid_.totals[corners[c]]) return;
      values[c] = *grid_.totals[corners[c]];
    }
    int edges[4];
    int crossed = 0;
    for (int e = 0; e < 4; ++e) {
      const int next = (e + 1) % 4;
      edges[e] = -1;
      if ((values[e] >= level_) != (values[next] >= level_)) {
        edges[e] = CrossingOn(corners[e], corners[next], values[e], values[next]);
        ++crossed;
      }
    }
    if (crossed == 2) {
      int ends[2], n = 0;
      for (const int id : edges)
        if (id >= 0) ends[n++] = id;
      graph_.Join(ends[0], ends[1]);
    } else if (crossed == 4) {
      // A saddle: the centre, taken as the corners' mean, says which opposite corners connect.
      const double centre = (values[0] + values[1] + values[2] + values[3]) / 4.0;
      if ((centre >= level_) == (values[0] >= level_)) {
        graph_.Join(edges[0], edges[1]);
        graph_.Join(edges[2], edges[3]);
      } else {
        graph_.Join(edges[3], edges[0]);
        graph_.Join(edges[1], edges[2]);
      }
    }
  }

  std::vector<ContourLine> Lines() const { return ChainLines(graph_); }

 private:
  ContourPoint Position(std::size_t cell) const {
    const std::size_t nx = grid_.xs.size();
    return {grid_.xs[cell % nx], grid_.ys[cell / nx]};
  }

  int CrossingOn(std::size_t a, std::size_t b, double va, double vb) {
    const std::pair<std::size_t, std::size_t> key = std::minmax(a, b);
    const auto found = crossings_.find(key);
    if (found != crossings_.end()) return found->second;
    const bool aAbove = va >= level_;
    const int id = graph_.Add(aAbove ? a : b, aAbove ? b : a);
    const double t = (va - level_) / (va - vb);
    const ContourPoint pa = Position(a), pb = Position(b);
    graph_.crossings[static_cast<std::size_t>(id)].at = {pa.u + t * (pb.u - pa.u),
                                                         pa.v + t * (pb.v - pa.v)};
    crossings_.emplace(key, id);
    return id;
  }

  const SettlementGrid& grid_;
  double level_;
  LevelGraph graph_;
  std::map<std::pair<std::size_t, std::size_t>, int> crossings_;
};

}  // namespace

std::vector<std::vector<ContourLine>> GridContours(const SettlementGrid& grid,
                                                   const std::vector<double>& levels) {
  std::vector<std::vector<ContourLine>> lines(levels.size());
  if (grid.xs.size() < 2 || grid.ys.size() < 2) return lines;
  for (std::size_t l = 0; l < levels.size(); ++l) {
    if (!std::isfinite(levels[l])) continue;
    LevelTracer tracer(grid, levels[l]);
    for (std::size_t iy = 0; iy + 1 < grid.ys.size(); ++iy)
      for (std::size_t ix = 0; ix + 1 < grid.xs.size(); ++ix)
        tracer.TraceCell(ix, iy);
    lines[l] = tracer.Lines();
  }
  return lines;
}

}  // namespace qel
