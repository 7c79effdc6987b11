// Cost of laying out the two results tables once against counting and drawing all their pages
// from the kept layout, for the largest documents with the calculation course listed; and the
// time from OK of a load list to the repainted results display.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <random>
#include <string>

#include "dialogs/load_list_editor.h"
#include "platform/printer_info.h"
#include "settings/c_locale.h"
#include "test_support/fixed_system_paths.h"
#include "test_support/recording_device_context.h"
#include "test_support/scripted_prompts.h"
#include "view/application_state.h"
#include "view/renderers.h"
#include "view/view_controller.h"

namespace qel {
namespace {

using Renderer = int (*)(RenderContext&, DeviceContext*, bool);

// The largest documents: 20 + 20 strip pieces with 10 x 10 points, and a 12 x 12 x 12 lattice
// under 40 rectangles and 40 circles spread over 50 m; both list the calculation course.
void FillWorstDocument(ApplicationState& state) {
  DocumentTables& t = state.tables;
  std::mt19937 random(20240611);
  std::uniform_real_distribution<double> position(0.0, 50.0);
  std::uniform_real_distribution<double> size(0.5, 8.0);
  std::uniform_real_distribution<double> intensity(5.0, 50.0);
  auto text = [](double value) { return FormatC("%.3f", value); };

  for (int set = 1; set <= kStripSets; ++set) {
    for (int row = 1; row <= kStripRows; ++row) {
      const double x1 = position(random);
      const double slope = size(random) * 0.5, top = size(random);
      std::string* cells = t.stripLoads[set][row];
      cells[strip_col::kNo] = std::to_string(row);
      cells[strip_col::kX1] = text(x1);
      cells[strip_col::kX2] = text(x1 + slope);
      cells[strip_col::kX3] = text(x1 + slope + top);
      cells[strip_col::kX4] = text(x1 + 2 * slope + top);
      cells[strip_col::kH] = text(size(random) * 0.5);
      cells[strip_col::kGamma] = "1.8";
      cells[strip_col::kY] = "0";
    }
  }
  for (int row = 1; row <= kStripPointRows; ++row) {
    t.stripPoints[row][point_col::kX] = text((row - 1) * 50.0 / 9.0);
    t.stripPoints[row][point_col::kZ] = text(row * 1.5);
  }

  for (int row = 1; row <= kRectRows; ++row) {
    const double x = position(random), y = position(random);
    std::string* cells = t.rectLoads[row];
    cells[rect_col::kNo] = std::to_string(row);
    cells[rect_col::kX1] = text(x);
    cells[rect_col::kY1] = text(y);
    cells[rect_col::kX2] = text(x + size(random));
    cells[rect_col::kY2] = text(y + size(random));
    cells[rect_col::kQ] = text(intensity(random));
  }
  for (int row = 1; row <= kCircleRows; ++row) {
    std::string* cells = t.circleLoads[row];
    cells[circle_col::kNo] = std::to_string(row);
    cells[circle_col::kX] = text(position(random));
    cells[circle_col::kY] = text(position(random));
    cells[circle_col::kR] = text(size(random) * 0.5);
    cells[circle_col::kQ] = text(intensity(random));
  }
  const double depths[kGridRows] = {0, 0.25, 0.5, 1.0, 1.5, 2.0, 3.0, 5.0, 7.5, 10.0, 15.0, 30.0};
  for (int row = 1; row <= kGridRows; ++row) {
    t.gridPoints[row][point_col::kGridX] = text((row - 1) * 50.0 / 11.0);
    t.gridPoints[row][point_col::kGridY] = text((row - 1) * 50.0 / 11.0);
    t.gridPoints[row][point_col::kGridZ] = text(depths[row - 1]);
  }

  using setting_line::Style;
  t.settingLines[Style(Problem::Strip, setting_line::kShowCalcTrace)] = "1";
  t.settingLines[Style(Problem::RectCircle, setting_line::kShowCalcTrace)] = "1";
  t.settingLines[Style(Problem::Strip, setting_line::kResultTitle)] = "計算結果";
  t.settingLines[Style(Problem::RectCircle, setting_line::kResultTitle)] = "計算結果";
}

// Settings of a fresh installation on a 96 dpi screen with A4 paper.
void UseStandardSettings(ApplicationState& state) {
  SystemSettings& s = state.settings;
  s.influenceDigits = 3;
  s.stressDigits = 3;
  s.stripResultColumns = 6;
  s.marginTop = 20;
  s.marginLeft = 10;
  for (int i = 1; i <= FontSlots::kCount; ++i) {
    state.fonts[i].size = 10.0;
    state.fonts[i].faceName = "ＭＳ 明朝";
  }
  state.geometry.paperWidthMm = 210;
  state.geometry.paperHeightMm = 297;
  state.geometry.dpiX = state.geometry.dpiY = 96;
  state.geometry.pixelsPerMmX = state.geometry.pixelsPerMmY = 96 * kInchesPerMm;
  state.transform.pixelsPerMmX = state.transform.pixelsPerMmY = 96 * kInchesPerMm;
  state.transform.marginLeft = s.marginLeft;
  state.transform.marginTop = s.marginTop;
}

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
  ScriptedPrompts prompts;
  FillWorstDocument(state);
  UseStandardSettings(state);
  RenderContext ctx = state.Context(prompts);
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
void BM_OkToRepaintedLatticeResults(benchmark::State& benchState) {
  auto owned = std::make_unique<ApplicationState>();
  ApplicationState& state = *owned;
  ScriptedPrompts prompts;
  FillWorstDocument(state);
  UseStandardSettings(state);
  state.tables
      .settingLines[setting_line::Style(Problem::RectCircle, setting_line::kShowCalcTrace)] = "0";
  state.settings.loaded = {true, true, true};
  FixedPrinterInfo printer(FixedPrinterInfo::A4(600));
  FixedSystemPaths paths;
  ViewController controller(state, prompts, printer, paths);
  controller.OnDisplayCommand(CommandId::ShowRectCircleResults);
  {
    RecordingDeviceContext first(96, 96);
    controller.OnDraw(first);  // the display as it was before the dialog opened
  }
  double total = 0;
  int edits = 0;
  for (auto _ : benchState) {
    benchState.PauseTiming();
    LoadListEditor editor(LoadListKind::Rectangle, state.tables, 0, LoadSortOption::ByNumber);
    editor.EndEdit({1, rect_col::kQ}, ++edits % 2 == 0 ? "12.5" : "13.5");
    RecordingDeviceContext dc(96, 96);
    benchState.ResumeTiming();

    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(editor.Apply(state.tables, prompts));
    controller.OnDraw(dc);
    total += SecondsSince(start);
    benchmark::DoNotOptimize(dc.lines().size());
  }
  benchState.counters["ok_to_repaint_ms"] =
      total / static_cast<double>(benchState.iterations()) * 1e3;
  benchState.counters["lattice_computations"] = state.results.latticeComputations();
}
BENCHMARK(BM_OkToRepaintedLatticeResults)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qel

BENCHMARK_MAIN();
