// Timing of the lattice and strip evaluations for the largest documents the program accepts.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <random>
#include <thread>
#include <vector>

#include "engine/rect_circle_influence.h"
#include "engine/strip_influence.h"
#include "engine/worker_threads.h"
#include "tests/engine/plain_lattice_formulas.h"

namespace qel {
namespace {

// The largest lattice document: 12 x 12 x 12 points over a 50 m square, 40 rectangles and 40
// circles of random size spread over it, depths from 0.1 m down to 30 m (below the surface,
// where no circle takes the shortcut of surface points).
struct LatticeDocument {
  PlanLoads loads;
  std::vector<LatticePoint> points;
};

LatticeDocument WorstLatticeDocument() {
  std::mt19937 random(20240611);
  std::uniform_real_distribution<double> position(0.0, 50.0);
  std::uniform_real_distribution<double> size(0.5, 8.0);
  std::uniform_real_distribution<double> intensity(5.0, 50.0);
  LatticeDocument document;
  // The fast path of the compatible method is checked bit for bit against the plain one.
  document.loads.circleMethod = CircleMethod::kCompatible;
  for (int i = 0; i < 40; ++i) {
    const double x = position(random);
    const double y = position(random);
    document.loads.rectangles.push_back(
        {x, y, x + size(random), y + size(random), intensity(random)});
  }
  for (int i = 0; i < 40; ++i) {
    document.loads.circles.push_back(
        {position(random), position(random), size(random) * 0.5, intensity(random)});
  }
  const double depths[12] = {0.1, 0.25, 0.5, 1.0, 1.5, 2.0, 3.0, 5.0, 7.5, 10.0, 15.0, 30.0};
  for (double z : depths) {
    for (int iy = 0; iy < 12; ++iy) {
      for (int ix = 0; ix < 12; ++ix) {
        document.points.push_back({ix * 50.0 / 11.0, iy * 50.0 / 11.0, z});
      }
    }
  }
  return document;
}

const LatticeDocument& Document() {
  static const LatticeDocument document = WorstLatticeDocument();
  return document;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Wall time of one plain evaluation of the whole lattice (best of three), the base of the
// ratios reported by the fast path.
double PlainSeconds() {
  static const double seconds = [] {
    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
      const auto start = std::chrono::steady_clock::now();
      std::vector<double> results = plain::Lattice(Document().loads, Document().points);
      benchmark::DoNotOptimize(results.data());
      best = std::min(best, SecondsSince(start));
    }
    return best;
  }();
  return seconds;
}

void BM_LatticePlain(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<double> results = plain::Lattice(Document().loads, Document().points);
    benchmark::DoNotOptimize(results.data());
  }
}

void BM_LatticeStress(benchmark::State& state) {
  const int threads = static_cast<int>(state.range(0));
  const std::vector<double> expected = plain::Lattice(Document().loads, Document().points);
  const double plainSeconds = PlainSeconds();
  std::vector<double> results;
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    results = LatticeStress(Document().loads, Document().points, threads);
    benchmark::DoNotOptimize(results.data());
  }
  const double seconds = SecondsSince(start) / static_cast<double>(state.iterations());
  const bool identical =
      results.size() == expected.size() &&
      std::memcmp(results.data(), expected.data(), results.size() * sizeof(double)) == 0;
  if (!identical) state.SkipWithError("results differ from the plain evaluation");
  // How many times faster than the plain evaluation, both measured in this run.
  state.counters["speedup_vs_plain"] = plainSeconds / seconds;
}

// The same lattice with exact circles; the compatible method's time is measured beside it in
// the same run (best of three), so the ratio compares like with like.
void BM_LatticeStressExact(benchmark::State& state) {
  const int threads = static_cast<int>(state.range(0));
  static const double compatibleSeconds = [] {
    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
      const auto start = std::chrono::steady_clock::now();
      std::vector<double> results = LatticeStress(Document().loads, Document().points, 1);
      benchmark::DoNotOptimize(results.data());
      best = std::min(best, SecondsSince(start));
    }
    return best;
  }();
  PlanLoads exact = Document().loads;
  exact.circleMethod = CircleMethod::kExact;
  std::vector<double> results;
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    results = LatticeStress(exact, Document().points, threads);
    benchmark::DoNotOptimize(results.data());
  }
  const double seconds = SecondsSince(start) / static_cast<double>(state.iterations());
  // How many times faster than the compatible method on one thread.
  state.counters["faster_than_compatible_1_thread"] = compatibleSeconds / seconds;
}

// 20 + 20 pieces of every shape, 10 x 10 points.
StripLoadSets WorstStripDocument() {
  std::mt19937 random(77);
  std::uniform_real_distribution<double> start(-20.0, 20.0);
  std::uniform_real_distribution<double> width(0.0, 6.0);
  StripLoadSets sets;
  for (std::vector<StripPiece>& set : sets.sets) {
    for (int i = 0; i < 20; ++i) {
      const double x1 = start(random);
      const double x2 = x1 + (i % 3 == 0 ? 0.0 : width(random));
      const double x3 = x2 + (i % 4 == 0 ? 0.0 : width(random));
      const double x4 = x3 + (i % 5 == 0 ? 0.0 : width(random));
      set.push_back({x1, x2, x3, x4, 2.0, 18.0});
    }
  }
  return sets;
}

void BM_StripTable(benchmark::State& state) {
  const StripLoadSets sets = WorstStripDocument();
  for (auto _ : state) {
    double total = 0.0;
    for (int iz = 0; iz < 10; ++iz) {
      for (int ix = 0; ix < 10; ++ix)
        total += StripPointStress(sets, ix * 4.0 - 20.0, iz * 2.0);
    }
    benchmark::DoNotOptimize(total);
  }
}

// A small parallel loop, as a repaint's isobar profiles or a short lattice run it: 64 chunks
// of a little arithmetic on every thread.
void SmallParallelLoop(const std::function<void(const std::function<void()>&)>& run) {
  std::vector<double> values(64);
  ChunkQueue chunks(values.size());
  run([&] {
    while (const std::optional<std::size_t> i = chunks.Next())
      for (int k = 0; k < 200; ++k)
        values[*i] += std::sqrt(static_cast<double>(*i * 200 + k));
  });
  benchmark::DoNotOptimize(values.data());
}

// The loop on threads started for the call and joined after it, as every call once did.
void RunOnFreshThreads(const std::function<void()>& worker) {
  std::vector<std::thread> helpers;
  for (int i = 1; i < Executor::Shared().size(); ++i)
    helpers.emplace_back(worker);
  worker();
  for (std::thread& helper : helpers)
    helper.join();
}

// The loop on the shared executor, against the same loop on fresh threads measured in this run.
void BM_ExecutorSmallLoop(benchmark::State& state) {
  static const double freshSeconds = [] {
    const auto start = std::chrono::steady_clock::now();
    constexpr int kRuns = 2000;
    for (int run = 0; run < kRuns; ++run)
      SmallParallelLoop(RunOnFreshThreads);
    return SecondsSince(start) / kRuns;
  }();
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state)
    SmallParallelLoop([](const std::function<void()>& worker) { RunWorkers(kAllWorkers, worker); });
  const double seconds = SecondsSince(start) / static_cast<double>(state.iterations());
  state.counters["threads"] = Executor::Shared().size();
  state.counters["faster_than_fresh_threads"] = freshSeconds / seconds;
}

BENCHMARK(BM_LatticePlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LatticeStress)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LatticeStressExact)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StripTable)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExecutorSmallLoop)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace qel

BENCHMARK_MAIN();
