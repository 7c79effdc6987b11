// One page of isobars of the largest document (strip cross-section; plan at the depth the figure
// draws by default, the first lattice depth below the surface, at 1 m and on the surface itself;
// vertical section through the middle of the plan), traced with two threads
// from nothing cached, at the default levels, at 20 levels and at the most levels a figure draws,
// against computing the lattice results table with two threads in the same run. The targets are
// 300 ms for a page at 20 levels and 2 s at the most levels; the counters give the figures and
// the ratios. And the survey that sizes the depth display's section against its trace.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "analysis/isobar_fields.h"
#include "analysis/isobar_levels.h"
#include "analysis/isobar_windows.h"
#include "analysis/isobars.h"
#include "document/load_lists.h"
#include "document/problem_common.h"
#include "support/worst_document.h"
#include "view/depth_section.h"
#include "view/figure_pages.h"
#include "view/isobar_layer.h"

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
    FigureRange range;
    range.scaleX = range.scaleY = 500;
    range.rangeX = 80;
    range.rangeY = 100;
    DocumentTables cells = state.document.cells();
    WriteFigureRangeLines(cells, Problem::Strip, range);
    range.topY = 60;
    WriteFigureRangeLines(cells, Problem::RectCircle, range);
    state.document.Replace(std::move(cells));
  }
  // The first printed page of a figure as an isobar window: x across it; for the strip, z from
  // the surface (or the page's top) down to the page's bottom; for the plan, y over it.
  ContourWindow FirstPage(Problem problem) const {
    const FigureWindow page = PrintedFigureWindow(
        FigurePagingOf(state.document, state.settings, state.geometry, problem), 1);
    // The strip figure draws depth z at world y = -z.
    if (problem == Problem::Strip)
      return {page.left, page.right, std::max(0.0, -page.top), std::max(1.0, -page.bottom)};
    return {page.left, page.right, page.bottom, page.top};
  }
  ApplicationState state;
};

double LatticeTableSeconds(const Document& document) {
  ResultsGrid grid;
  double best = 1e30;
  for (int run = 0; run < 3; ++run) {
    const auto start = std::chrono::steady_clock::now();
    ComputeLatticeResults(document.plan(), grid, kThreads);
    best = std::min(best, SecondsSince(start));
  }
  return best;
}

// `count` levels evenly spaced strictly between 0 and the largest load intensity of the view's
// problem; none for 0 (the default levels).
std::vector<double> EvenLevels(const DocumentTables& tables, IsobarView view, int count) {
  const double largest = view == IsobarView::kStrip
                             ? StripIntensities(ExtractStripLoads(tables)).Largest()
                             : PlanIntensities(ExtractPlanLoads(tables)).Largest();
  std::vector<double> levels;
  for (int k = 1; k <= count; ++k)
    levels.push_back(largest * k / (count + 1));
  return levels;
}

// The middle of the plan's first page, where the section is taken.
constexpr double kSectionY = 25.0;

void IsobarPage(benchmark::State& benchState, IsobarView view, double at, int levels) {
  WorstPages pages;
  IsobarRequest request;
  request.view = view;
  request.at = at;
  request.threads = kThreads;
  request.levels = EvenLevels(pages.state.document.cells(), view, levels);
  // A section over its default window, as the depth display draws it; the others over the
  // first printed page.
  if (view != IsobarView::kSectionAtY)
    request.window =
        pages.FirstPage(view == IsobarView::kStrip ? Problem::Strip : Problem::RectCircle);
  const double reference = LatticeTableSeconds(pages.state.document);
  double total = 0.0;
  std::size_t vertices = 0;
  for (auto _ : benchState) {
    const auto start = std::chrono::steady_clock::now();
    const IsobarSet set = ComputeIsobars(pages.state.document, pages.state.settings, request);
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
  // Against the page's target: 300 ms at up to 20 levels, 2 s beyond.
  benchState.counters["ratio_page_to_target"] = page / (levels > 20 ? 2.0 : 0.3);
  benchState.counters["vertices"] = static_cast<double>(vertices);
  benchState.counters["depth_m"] = view == IsobarView::kPlan ? at : 0.0;
}

// The arguments are the level count: 0 for the default levels, 20, and the most a figure draws.
void BM_StripIsobarPage(benchmark::State& s) {
  IsobarPage(s, IsobarView::kStrip, 0.0, static_cast<int>(s.range(0)));
}
void BM_PlanIsobarPageAtFigureDepth(benchmark::State& s) {
  // The depth the figure draws unless the document sets one: the largest document's first
  // lattice depth below the surface.
  IsobarPage(s, IsobarView::kPlan, *PlanIsobarDepth(WorstPages().state.document.plan()),
             static_cast<int>(s.range(0)));
}
void BM_PlanIsobarPageAtSurface(benchmark::State& s) {
  IsobarPage(s, IsobarView::kPlan, 0.0, static_cast<int>(s.range(0)));
}
void BM_PlanIsobarPageAt1m(benchmark::State& s) {
  IsobarPage(s, IsobarView::kPlan, 1.0, static_cast<int>(s.range(0)));
}
void BM_SectionIsobarPage(benchmark::State& s) {
  IsobarPage(s, IsobarView::kSectionAtY, kSectionY, static_cast<int>(s.range(0)));
}
BENCHMARK(BM_StripIsobarPage)
    ->Arg(0)
    ->Arg(20)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_PlanIsobarPageAtFigureDepth)
    ->Arg(0)
    ->Arg(20)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_PlanIsobarPageAtSurface)
    ->Arg(0)
    ->Arg(20)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_PlanIsobarPageAt1m)
    ->Arg(0)
    ->Arg(20)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_SectionIsobarPage)
    ->Arg(0)
    ->Arg(20)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The survey of the section's bulbs that sizes the depth display's section (the worst document,
// its default levels, the load centres as extra columns), against tracing the section's
// isobars over its default window in the same run.
void BM_SectionBulbSurvey(benchmark::State& benchState) {
  WorstPages pages;
  const Document& document = pages.state.document;
  const PlanLoads loads = document.plan().engineLoads;
  const ContourWindow window = SectionIsobarWindow(document.plan(), pages.state.settings, true);
  const LoadIntensities intensities = PlanIntensities(loads);
  const std::vector<double> levels =
      DefaultIsobarLevels(intensities.positive, intensities.negative);
  std::vector<double> centres;
  for (const RectLoad& r : loads.rectangles)
    centres.push_back((r.x1 + r.x2) / 2);
  for (const CircleLoad& c : loads.circles)
    centres.push_back(c.x);
  IsobarRequest trace;
  trace.view = IsobarView::kSectionAtY;
  trace.at = kSectionY;
  trace.threads = kThreads;
  const auto traceStart = std::chrono::steady_clock::now();
  benchmark::DoNotOptimize(ComputeIsobars(document, pages.state.settings, trace).lines.size());
  const double traced = SecondsSince(traceStart);
  double total = 0.0;
  for (auto _ : benchState) {
    const auto start = std::chrono::steady_clock::now();
    const BulbSurvey survey =
        SurveyBulbs(SectionStressField(loads, true, kSectionY), window, levels, centres);
    total += SecondsSince(start);
    benchmark::DoNotOptimize(survey.bottom);
  }
  const double surveyed = total / static_cast<double>(benchState.iterations());
  benchState.counters["survey_ms"] = surveyed * 1e3;
  benchState.counters["section_trace_ms"] = traced * 1e3;
  benchState.counters["ratio_survey_to_trace"] = surveyed / traced;
}
BENCHMARK(BM_SectionBulbSurvey)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace qel

BENCHMARK_MAIN();
