// Cost of laying out the two results tables once against counting and drawing all their pages
// from the kept layout, for the largest documents with the calculation course listed; and the
// time from OK of a load list to the repainted results display.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "dialogs/load_list_editor.h"
#include "platform/printer_info.h"
#include "support/computation_count.h"
#include "support/worst_document.h"
#include "test_support/recording_device_context.h"
#include "view/application_state.h"
#include "view/renderers.h"
#include "view/view_controller.h"

namespace qel {
namespace {

using Renderer = int (*)(RenderContext&, DeviceContext*, bool);

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Counts the pages and draws every one of them, as printing the whole display does.
int DrawAllPages(RenderContext& ctx, Renderer render) {
  const int pages = render(ctx, nullptr, false);
  for (int page = 1; page <= pages; ++page) {
    RecordingDeviceContext dc(96, 96);
    ctx.view.currentPage = page;
    render(ctx, &dc, true);
    benchmark::DoNotOptimize(dc.lines().size());
  }
  return pages;
}

// Each iteration: (a) one full layout from nothing kept (computation included), then (b) the
// page count and every page drawn from the layout (a) left. The ratio (b) / (a) tells how much
// printing everything costs beyond laying the table out once.
void RunColdLayoutAgainstAllPages(benchmark::State& benchState, Renderer render) {
  auto owned = std::make_unique<ApplicationState>();
  ApplicationState& state = *owned;
  DrawingShortfalls shortfalls;
  FillWorstDocument(state, true);
  UseStandardSettings(state);
  RenderContext ctx{state.document, state.results, state.circleMethod, state.settings,
                    state.fonts,    state.view,    state.geometry,     state.transform,
                    shortfalls,     state.caches};
  double cold = 0, warm = 0;
  int pages = 0;
  for (auto _ : benchState) {
    benchState.PauseTiming();
    state.caches = RenderCaches();  // freeing the previous layout is not part of (a)
    state.results = DocumentResults();
    benchState.ResumeTiming();

    auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(render(ctx, nullptr, false));
    cold += SecondsSince(start);

    start = std::chrono::steady_clock::now();
    pages = DrawAllPages(ctx, render);
    warm += SecondsSince(start);
  }
  const double iterations = static_cast<double>(benchState.iterations());
  benchState.counters["pages"] = pages;
  benchState.counters["cold_layout_ms"] = cold / iterations * 1e3;
  benchState.counters["all_pages_warm_ms"] = warm / iterations * 1e3;
  benchState.counters["ratio_all_pages_to_layout"] = warm / cold;
}

void BM_StripResultsTable(benchmark::State& state) {
  RunColdLayoutAgainstAllPages(state, RenderStripResults);
}
BENCHMARK(BM_StripResultsTable)->Unit(benchmark::kMillisecond);

void BM_RectCircleResultsTable(benchmark::State& state) {
  RunColdLayoutAgainstAllPages(state, RenderRectCircleResults);
}
BENCHMARK(BM_RectCircleResultsTable)->Unit(benchmark::kMillisecond)->Iterations(3);

// From OK of the rectangle list to the repainted results display: the editor stores its rows
// (one load changed, so every lattice value is computed anew), then the view paints page 1 of
// the rectangle/circle results, as the command's repaint does. The worst lattice: 40
// rectangles, 40 circles, 12 x 12 x 12 points, without the calculation course.
// The engine's results computations, the lattice's counted.
struct LatticeCount : ResultsComputer {
  void Strip(const StripProblem& strip, ResultsGrid& grid) const override {
    EngineResults().Strip(strip, grid);
  }
  void Lattice(const PlanProblem& plan, CircleMethod circles, ResultsGrid& grid) const override {
    ++count;
    EngineResults().Lattice(plan, circles, grid);
  }
  mutable int count = 0;
};

void BM_OkToRepaintedLatticeResults(benchmark::State& benchState) {
  auto owned = std::make_unique<ApplicationState>();
  ApplicationState& state = *owned;
  FillWorstDocument(state, true);
  UseStandardSettings(state);
  state.document.Replace([&state] {
    DocumentTables cells = state.document.cells();
    cells.settingLines[setting_line::Style(Problem::RectCircle, setting_line::kShowCalcTrace)] =
        "0";
    return cells;
  }());
  state.settingsFiles.loaded = {true, true, true};
  const test::CountedComputations counted;
  counted.CountIn(state);
  FixedPrinterInfo printer(FixedPrinterInfo::A4(600));
  ViewController controller(state, printer);
  controller.ShowDisplay(DisplayMode::RectCircleResults);
  {
    RecordingDeviceContext first(96, 96);
    controller.OnDraw(first);  // the display as it was before the dialog opened
  }
  double total = 0;
  int edits = 0;
  for (auto _ : benchState) {
    benchState.PauseTiming();
    LoadListEditor editor(LoadListKind::Rectangle, state.document.cells(), 0,
                          LoadSortOption::ByNumber);
    editor.EndEdit({1, rect_col::kQ}, ++edits % 2 == 0 ? "12.5" : "13.5");
    RecordingDeviceContext dc(96, 96);
    benchState.ResumeTiming();

    const auto start = std::chrono::steady_clock::now();
    state.document.Change("長方形荷重", [&](DocumentTables& cells) { editor.Apply(cells); });
    controller.OnDraw(dc);
    total += SecondsSince(start);
    benchmark::DoNotOptimize(dc.lines().size());
  }
  benchState.counters["ok_to_repaint_ms"] =
      total / static_cast<double>(benchState.iterations()) * 1e3;
  benchState.counters["lattice_computations"] = counted.lattice();
}
BENCHMARK(BM_OkToRepaintedLatticeResults)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qel

BENCHMARK_MAIN();
