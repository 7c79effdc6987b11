// One page of isobars of the largest document (strip cross-section; plan at the first lattice
// depth and at 1 m), traced with two threads from nothing cached, against computing the lattice
// results table with two threads in the same run. The target is 300 ms for a page; the
// counters give the figures and the ratio.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "bench/worst_document.h"
#include "document/load_lists.h"
#include "view/figure_pages.h"
#include "view/isobars.h"

namespace qel {
namespace {

constexpr int kThreads = 2;

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The largest document with a fresh installation's figure ranges, paged on A4 at 1/500.
struct WorstPages {
  WorstPages() {
    FillWorstDocument(state, false);
    UseStandardSettings(state);
    SystemSettings& s = state.settings;
    s.stripFigure.scaleX = s.stripFigure.scaleY = s.rectFigure.scaleX = s.rectFigure.scaleY = 500;
    s.stripFigure.rangeX = s.rectFigure.rangeX = 80;
    s.stripFigure.rangeY = s.rectFigure.rangeY = 100;
    s.rectFigure.topY = 60;
  }
  // The first printed page of a figure as an isobar window: x across it; for the strip, z from
  // the surface (or the page's top) down to the page's bottom; for the plan, y over it.
  ContourWindow FirstPage(Problem problem) const {
    const FigureWindow page =
        PrintedFigureWindow(FigurePagingOf(state.settings, state.geometry, problem), 1);
    // The strip figure draws depth z at world y = -z.
    if (problem == Problem::Strip)
      return {page.left, page.right, std::max(0.0, -page.top), std::max(1.0, -page.bottom)};
    return {page.left, page.right, page.bottom, page.top};
  }
  ApplicationState state;
};

double LatticeTableSeconds(const DocumentTables& tables) {
  ResultsGrid grid;
  double best = 1e30;
  for (int run = 0; run < 3; ++run) {
    const auto start = std::chrono::steady_clock::now();
    ComputeLatticeResults(tables, grid, kThreads);
    best = std::min(best, SecondsSince(start));
  }
  return best;
}

void IsobarPage(benchmark::State& benchState, IsobarView view, double depth) {
  WorstPages pages;
  IsobarRequest request;
  request.view = view;
  request.at = depth;
  request.threads = kThreads;
  request.window =
      pages.FirstPage(view == IsobarView::kStrip ? Problem::Strip : Problem::RectCircle);
  const double reference = LatticeTableSeconds(pages.state.tables);
  double total = 0.0;
  std::size_t vertices = 0;
  for (auto _ : benchState) {
    const auto start = std::chrono::steady_clock::now();
    const IsobarSet set = ComputeIsobars(pages.state.tables, pages.state.settings, request);
    total += SecondsSince(start);
    vertices = 0;
    for (const Isobar& line : set.lines)
      vertices += line.vertices.size();
    benchmark::DoNotOptimize(vertices);
  }
  const double page = total / static_cast<double>(benchState.iterations());
  benchState.counters["page_ms"] = page * 1e3;
  benchState.counters["lattice_table_ms"] = reference * 1e3;
  benchState.counters["ratio_page_to_lattice_table"] = page / reference;
  benchState.counters["vertices"] = static_cast<double>(vertices);
}

void BM_StripIsobarPage(benchmark::State& s) {
  IsobarPage(s, IsobarView::kStrip, 0.0);
}
void BM_PlanIsobarPageAtFirstDepth(benchmark::State& s) {
  IsobarPage(s, IsobarView::kPlan, 0.0);  // the largest document's first lattice depth
}
void BM_PlanIsobarPageAt1m(benchmark::State& s) {
  IsobarPage(s, IsobarView::kPlan, 1.0);
}
BENCHMARK(BM_StripIsobarPage)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PlanIsobarPageAtFirstDepth)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PlanIsobarPageAt1m)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace qel

BENCHMARK_MAIN();
