// Sampling a field's range over a window: a lattice, the seeds, then a pattern search.
#include "analysis/field_range.h"

#include <algorithm>
#include <cmath>

namespace qel {

namespace {

struct Sample {
  ContourPoint at;
  double value = 0.0;
};

// The pattern search of a compass: steps along u and v while one improves the value (larger
// for `highest`, smaller otherwise), halving the step when none does, until it is a millionth
// of the window or the evaluations run out.
Sample Polish(const ScalarField& field, const ContourWindow& w, Sample best, double step,
              bool highest) {
  const double smallest = 1e-6 * std::max(w.u1 - w.u0, w.v1 - w.v0);
  auto better = [highest](double a, double b) { return highest ? a > b : a < b; };
  for (int evaluations = 0; step > smallest && evaluations < 400;) {
    bool moved = false;
    for (const auto& [du, dv] : {std::pair{1.0, 0.0}, {-1.0, 0.0}, {0.0, 1.0}, {0.0, -1.0}}) {
      const ContourPoint next{std::clamp(best.at.u + du * step, w.u0, w.u1),
                              std::clamp(best.at.v + dv * step, w.v0, w.v1)};
      const double value = field(next.u, next.v);
      ++evaluations;
      if (std::isfinite(value) && better(value, best.value)) {
        best = {next, value};
        moved = true;
        break;
      }
    }
    if (!moved) step /= 2.0;
  }
  return best;
}

}  // namespace

FieldRange SampleFieldRange(const ScalarField& field, const ContourWindow& window,
                            const std::vector<ContourPoint>& seeds) {
  const double width = window.u1 - window.u0, height = window.v1 - window.v0;
  if (!(width > 0.0) || !(height > 0.0) || !std::isfinite(width) || !std::isfinite(height))
    return {};
  const double cell = std::max(width, height) / kRangeCells;
  const int across = std::clamp(static_cast<int>(std::ceil(width / cell)), 1, kRangeCells);
  const int down = std::clamp(static_cast<int>(std::ceil(height / cell)), 1, kRangeCells);
  std::vector<Sample> samples;
  samples.reserve((across + 1) * (down + 1) + seeds.size());
  auto sample = [&](double u, double v) {
    const ContourPoint at{std::clamp(u, window.u0, window.u1), std::clamp(v, window.v0, window.v1)};
    const double value = field(at.u, at.v);
    if (std::isfinite(value)) samples.push_back({at, value});
  };
  for (int j = 0; j <= down; ++j)
    for (int i = 0; i <= across; ++i)
      sample(window.u0 + width * i / across, window.v0 + height * j / down);
  for (const ContourPoint& seed : seeds)
    sample(seed.u, seed.v);
  if (samples.empty()) return {};

  // The best few of each end, polished: the extreme may lie beside any of them.
  constexpr std::size_t kPolished = 3;
  FieldRange range{samples.front().value, samples.front().value};
  auto byValue = [](const Sample& a, const Sample& b) { return a.value < b.value; };
  const std::size_t few = std::min(kPolished, samples.size());
  std::partial_sort(samples.begin(), samples.begin() + few, samples.end(), byValue);
  for (std::size_t i = 0; i < few; ++i)
    range.low = std::min(range.low, Polish(field, window, samples[i], cell, false).value);
  auto byValueDown = [](const Sample& a, const Sample& b) { return a.value > b.value; };
  std::partial_sort(samples.begin(), samples.begin() + few, samples.end(), byValueDown);
  for (std::size_t i = 0; i < few; ++i)
    range.high = std::max(range.high, Polish(field, window, samples[i], cell, true).value);
  return range;
}

std::vector<ContourPoint> StripRangeSeeds(const StripLoadSets& loads) {
  std::vector<ContourPoint> seeds;
  for (const std::vector<StripPiece>& set : loads.sets)
    for (const StripPiece& p : set)
      seeds.push_back({(p.x2 + p.x3) / 2, 0.0});
  return seeds;
}

std::vector<ContourPoint> PlanRangeSeeds(const PlanLoads& loads) {
  std::vector<ContourPoint> seeds;
  for (const RectLoad& r : loads.rectangles)
    seeds.push_back({(r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2});
  for (const CircleLoad& c : loads.circles)
    seeds.push_back({c.x, c.y});
  return seeds;
}

std::vector<ContourPoint> SectionRangeSeeds(const PlanLoads& loads, bool atY) {
  std::vector<ContourPoint> seeds;
  for (const ContourPoint& centre : PlanRangeSeeds(loads))
    seeds.push_back({atY ? centre.u : centre.v, 0.0});
  return seeds;
}

}  // namespace qel
