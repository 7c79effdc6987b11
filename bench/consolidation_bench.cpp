// Timing of the settlement in time of one column: the coupled solution of a group of 50 slices
// with three load shares read at 100 times, and the same shares by the layers' own modes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <random>
#include <vector>

#include "engine/coupled_consolidation.h"
#include "engine/ramp_consolidation.h"
#include "engine/rect_circle_influence.h"

namespace qel {
namespace {

// Five clay layers of 5 m cut into 0.5 m slices, drained at the top and the bottom, drains
// (a radial sink) in the upper three; dP falling with depth as under an embankment.
ConsolidationGroup WorstGroup() {
  const double cv[] = {1.2e-3, 2.5e-3, 6e-4, 1.5e-3, 8e-4};  // m2/day
  const double mv[] = {1.1e-3, 8e-4, 1.3e-3, 6e-4, 9e-4};
  const double radial[] = {4e-3, 4e-3, 4e-3, 0.0, 0.0};
  ConsolidationGroup group;
  for (int layer = 0; layer < 5; ++layer) {
    for (int slice = 0; slice < 10; ++slice) {
      const double z = layer * 5.0 + slice * 0.5 + 0.25;
      group.cells.push_back({0.5, cv[layer], mv[layer], 90.0 / (1.0 + 0.06 * z), radial[layer]});
    }
  }
  return group;
}

// Three shares: a ramp over 60 days, another from day 120 to 150, a step on day 200.
const LoadRamp kShares[] = {{0.0, 60.0}, {120.0, 150.0}, {200.0, 200.0}};

std::vector<double> OutputTimes() {
  std::vector<double> times;
  for (int i = 0; i < 100; ++i)
    times.push_back(std::pow(10.0, i / 20.0));  // 1 day to 90 years
  return times;
}

// One column: its group solved once, each share's settlement (the slices' final settlements as
// weights) read at every output time.
double CoupledColumn(const ConsolidationGroup& group, const std::vector<double>& times) {
  const CoupledConsolidation solver(group);
  std::vector<double> finals;
  for (const ConsolidationCell& cell : group.cells)
    finals.push_back(cell.mv * cell.thickness * cell.deltaP);
  double sum = 0.0;
  for (const LoadRamp& share : kShares) {
    const ModeSum settlement = solver.Combined(finals);
    for (double t : times)
      sum += settlement.Ramp(share, t);
  }
  return sum;
}

// Processor seconds of this process: the machine may be shared, and time spent waiting for it is
// no part of either computation.
double ProcessorSeconds() {
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// The largest lattice document's stress on one thread (12 x 12 x 12 points under 40 rectangles
// and 40 circles), best of three: the computation the settlement is measured against.
double LatticeSeconds() {
  static const double seconds = [] {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> position(0.0, 50.0), size(0.5, 8.0),
        intensity(5.0, 50.0);
    PlanLoads loads;
    loads.circleMethod = CircleMethod::kCompatible;
    for (int i = 0; i < 40; ++i) {
      const double x = position(random), y = position(random);
      loads.rectangles.push_back({x, y, x + size(random), y + size(random), intensity(random)});
    }
    for (int i = 0; i < 40; ++i)
      loads.circles.push_back(
          {position(random), position(random), size(random) * 0.5, intensity(random)});
    std::vector<LatticePoint> points;
    for (double z : {0.1, 0.25, 0.5, 1.0, 1.5, 2.0, 3.0, 5.0, 7.5, 10.0, 15.0, 30.0})
      for (int iy = 0; iy < 12; ++iy)
        for (int ix = 0; ix < 12; ++ix)
          points.push_back({ix * 50.0 / 11.0, iy * 50.0 / 11.0, z});
    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
      const double start = ProcessorSeconds();
      std::vector<double> results = LatticeStress(loads, points, 1);
      benchmark::DoNotOptimize(results.data());
      best = std::min(best, ProcessorSeconds() - start);
    }
    return best;
  }();
  return seconds;
}

void BM_CoupledColumn(benchmark::State& state) {
  const ConsolidationGroup group = WorstGroup();
  const std::vector<double> times = OutputTimes();
  const double lattice = LatticeSeconds();
  const double start = ProcessorSeconds();
  for (auto _ : state)
    benchmark::DoNotOptimize(CoupledColumn(group, times));
  const double seconds = (ProcessorSeconds() - start) / static_cast<double>(state.iterations());
  state.counters["ms_per_column"] = seconds * 1e3;
  state.counters["ms_per_column_share"] = seconds * 1e3 / 3.0;
  state.counters["modes"] = static_cast<double>(CoupledConsolidation(group).rates().size());
  // 144 such columns against the largest document's stress, both on one thread, in processor
  // time.
  state.counters["144_columns_vs_lattice_stress"] = 144.0 * seconds / lattice;
}

// The same column consolidating layer by layer: each layer's own modes, three shares, 100 times.
void BM_LayersColumn(benchmark::State& state) {
  const std::vector<double> times = OutputTimes();
  const double cv[] = {12.0, 25.0, 6.0, 15.0, 8.0};  // cm2/day
  for (auto _ : state) {
    double sum = 0.0;
    for (double layerCv : cv) {
      const ConsolidationRates rates{VerticalRate(layerCv, 2.5), 0.0};
      for (const LoadRamp& share : kShares)
        for (double t : times)
          sum += RampConsolidation(rates, share, t);
    }
    benchmark::DoNotOptimize(sum);
  }
}

BENCHMARK(BM_CoupledColumn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayersColumn)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qel

BENCHMARK_MAIN();
