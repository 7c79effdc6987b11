// Reading a problem's typed values from the document against working them out from the cells
// as the displays do today, and the cost of one change (copy, compare, one problem re-derived),
// for the largest document.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/c_locale.h"
#include "base/text_file.h"
#include "document/data_file.h"
#include "document/document.h"
#include "document/document_results.h"
#include "document/excluded_loads.h"
#include "document/load_lists.h"
#include "support/worst_document.h"
#include "view/application_state.h"

namespace qel {
namespace {

std::unique_ptr<Document> WorstDocument() {
  auto state = std::make_unique<ApplicationState>();
  FillWorstDocument(*state, true);
  return std::make_unique<Document>(state->document.cells());
}

// The load rows, points and exclusions of both problems from the cells, as each display finds
// them today on every paint.
void BM_ReadFromCells(benchmark::State& benchState) {
  const std::unique_ptr<Document> document = WorstDocument();
  const DocumentTables& cells = document->cells();
  for (auto _ : benchState) {
    for (int set = 1; set <= kStripSets; ++set) {
      benchmark::DoNotOptimize(ListedStripPieces(cells, set).size());
      benchmark::DoNotOptimize(CalculatedStripPieces(cells, set).size());
    }
    benchmark::DoNotOptimize(ListedRectangles(cells).size());
    benchmark::DoNotOptimize(ListedCircles(cells).size());
    benchmark::DoNotOptimize(FindExcludedLoads(cells).size());
    benchmark::DoNotOptimize(FindExcludedPoints(cells, false).size());
    benchmark::DoNotOptimize(FindExcludedPoints(cells, true).size());
    benchmark::DoNotOptimize(StripPoints(cells).xs().size());
    benchmark::DoNotOptimize(LatticePoints(cells).xs().size());
  }
}
BENCHMARK(BM_ReadFromCells);

// The same from the document's typed values after no change.
void BM_ReadTypedValues(benchmark::State& benchState) {
  const std::unique_ptr<Document> document = WorstDocument();
  for (auto _ : benchState) {
    const StripProblem& strip = document->strip();
    const PlanProblem& plan = document->plan();
    for (const StripLoadSet& set : strip.sets) {
      benchmark::DoNotOptimize(set.listed.size());
      benchmark::DoNotOptimize(set.calculated.size());
      benchmark::DoNotOptimize(set.exclusions.size());
    }
    benchmark::DoNotOptimize(plan.rectangles.listed.size());
    benchmark::DoNotOptimize(plan.circles.listed.size());
    benchmark::DoNotOptimize(strip.pointExclusions.size());
    benchmark::DoNotOptimize(plan.pointExclusions.size());
    benchmark::DoNotOptimize(strip.points.xs().size());
    benchmark::DoNotOptimize(plan.lattice.xs().size());
  }
}
BENCHMARK(BM_ReadTypedValues);

// One change of a strip cell and one of a plan cell, each an undo step, each re-deriving its
// problem once.
void BM_ChangeEachProblem(benchmark::State& benchState) {
  const std::unique_ptr<Document> document = WorstDocument();
  int n = 0;
  for (auto _ : benchState) {
    const std::string text = std::to_string(++n % 7);
    document->Change("strip", [&](DocumentTables& t) { t.stripPoints[1][1] = text; });
    document->Change("plan", [&](DocumentTables& t) { t.gridPoints[1][1] = text; });
    benchmark::DoNotOptimize(document->strip().points.xs().size());
  }
}
BENCHMARK(BM_ChangeEachProblem);

// A change that leaves the content as it is: a copy and a comparison, no step, no derivation.
void BM_ChangeNothing(benchmark::State& benchState) {
  const std::unique_ptr<Document> document = WorstDocument();
  for (auto _ : benchState)
    benchmark::DoNotOptimize(document->Change("none", [](DocumentTables&) {}));
}
BENCHMARK(BM_ChangeNothing);

// The memory 200 undo steps keep beyond the document when its soil section holds 20 MB: a title
// edit and a soil edit of one line (as a soil dialog's OK writes it) in turn. The counter is in
// MB of heap in use after the steps, less the heap in use before them (glibc's mallinfo2).
void BM_UndoStepsBesideALargeSoilSection(benchmark::State& benchState) {
  for (auto _ : benchState) {
    benchState.PauseTiming();
    DocumentTables cells;
    cells.soilLines = {std::string(20 * 1000 * 1000, 'x'), "slice=1"};
    auto document = std::make_unique<Document>(std::move(cells));
    const std::size_t before = mallinfo2().uordblks;
    benchState.ResumeTiming();
    for (int step = 0; step < 100; ++step) {
      document->Change("title",
                       [step](DocumentTables& t) { t.settingLines[27] = std::to_string(step); });
      document->Change("soil", [step](DocumentTables& t) {
        std::vector<std::string> lines = t.soilLines;
        lines[1] = "slice=" + std::to_string(step + 2);
        t.soilLines = lines;
      });
    }
    benchState.PauseTiming();
    const std::size_t after = mallinfo2().uordblks;
    benchState.counters["steps"] = static_cast<double>(document->undoSteps());
    benchState.counters["MB_beyond_document"] =
        (static_cast<double>(after) - static_cast<double>(before)) / 1e6;
    document.reset();
    benchState.ResumeTiming();
  }
}
BENCHMARK(BM_UndoStepsBesideALargeSoilSection)->Unit(benchmark::kMillisecond)->Iterations(3);

// What qel-cli compute does with the largest document, in process and split in two: opening the
// file (reading, the typed problems) and writing every point's row as CSV text, against the
// engine's dP of every point. The counters give the medians in ms and their ratio (the target
// is at most 1: the program around the engine costs no more than the engine).
void BM_ComputeOutsideTheEngine(benchmark::State& benchState) {
  ApplicationState worst;
  FillWorstDocument(worst, false);
  const std::string path = std::filesystem::temp_directory_path() / "qel_bench_compute.qdw";
  if (!WriteTextFileSafely(path, FormatDataFile(worst.document.cells(), ResultsGrid{}, 3)).ok) {
    benchState.SkipWithError("the document could not be written");
    return;
  }
  using Clock = std::chrono::steady_clock;
  auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };
  std::vector<double> outside, engine;
  for (auto _ : benchState) {
    const Clock::time_point start = Clock::now();
    Document document;
    if (OpenDataFile(path, document) != ReadStatus::Ok) {
      benchState.SkipWithError("the document could not be read");
      return;
    }
    const Clock::time_point opened = Clock::now();
    DocumentResults results;
    const ResultsGrid& strip = results.Strip(document);
    const ResultsGrid& lattice = results.Lattice(document, CircleMethod::kExact);
    const Clock::time_point computed = Clock::now();
    std::string csv = "problem,xrow,yrow,zrow,x,y,z,dP\n";
    document.strip().points.ForEach([&](const StripPoint& p) {
      csv += FormatC("strip,%d,0,%d,%.17g,0,%.17g,%.17g\n", p.xRow, p.zRow, p.x, p.z,
                     strip.strip(p.xRow, p.zRow));
    });
    document.plan().lattice.ForEachListed([&](const GridPoint& p) {
      csv += FormatC("lattice,%d,%d,%d,%.17g,%.17g,%.17g,%.17g\n", p.xRow, p.yRow, p.zRow, p.x, p.y,
                     p.z, lattice.at(p.xRow, p.yRow, p.zRow));
    });
    benchmark::DoNotOptimize(csv.size());
    const Clock::time_point written = Clock::now();
    outside.push_back(ms(opened - start) + ms(written - computed));
    engine.push_back(ms(computed - opened));
  }
  std::filesystem::remove(path);
  auto median = [](std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
    return v[v.size() / 2];
  };
  const double outsideMs = median(outside), engineMs = median(engine);
  benchState.counters["outside_ms"] = outsideMs;
  benchState.counters["engine_ms"] = engineMs;
  benchState.counters["outside_per_engine"] = engineMs > 0 ? outsideMs / engineMs : 0.0;
}
BENCHMARK(BM_ComputeOutsideTheEngine)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qel

BENCHMARK_MAIN();
