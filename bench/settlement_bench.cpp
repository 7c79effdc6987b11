// The whole process of qel-cli settlement on the largest document (10 strip x values and a
// 12 x 12 lattice of columns under 40 + 40 strip pieces, 40 rectangles and 40 circles) with a
// 30 m profile of five settling layers cut into 0.5 m slices, against qel-cli compute of the same
// file in the same run. Each iteration runs compute and then settlement; the counters give the
// medians in milliseconds and their ratio (the target is at most 3; with three stages, coupled
// groups, Calpha and --time at most 10).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "base/text_file.h"
#include "bench/process_timing.h"
#include "document/data_file.h"
#include "support/worst_document.h"

namespace qel {
namespace {

// Runs compute and then settlement with `extra` arguments on the largest document with the soil
// section `soil`, and gives the medians and their ratio as counters.
void SettlementAgainstComputeOf(benchmark::State& state, const std::vector<std::string>& soil,
                                const std::vector<std::string>& extra,
                                const char* verb = "settlement",
                                const std::vector<std::string>& render = {}) {
  bench::DataFolderCopy data;
  ApplicationState document;
  FillWorstDocument(document, false);
  DocumentTables cells = document.document.cells();
  cells.soilLines = soil;
  document.document.Replace(cells);
  const std::string path = data.path() + "/worst.qdw";
  if (!WriteTextFileSafely(path, FormatDataFile(document.document.cells(), ResultsGrid{}, 3)).ok) {
    state.SkipWithError("the document could not be written");
    return;
  }
  auto command = [&](const char* name, const std::vector<std::string>& more) {
    std::vector<std::string> words = {QEL_CLI_PATH, name, path, "--data-folder", data.path()};
    words.insert(words.end(), more.begin(), more.end());
    return words;
  };
  std::vector<double> computeTimes, settlementTimes;
  for (auto _ : state) {
    const double compute = bench::RunMilliseconds(command("compute", {}));
    std::vector<std::string> more = render;
    if (!render.empty()) more.push_back(data.path() + "/page.png");
    more.insert(more.end(), extra.begin(), extra.end());
    const double settlement = bench::RunMilliseconds(command(verb, more));
    if (compute < 0 || settlement < 0) {
      state.SkipWithError("a command could not start or did not exit 0");
      return;
    }
    computeTimes.push_back(compute);
    settlementTimes.push_back(settlement);
    state.SetIterationTime(settlement / 1000.0);
  }
  const double computeMedian = bench::Median(computeTimes);
  const double settlementMedian = bench::Median(settlementTimes);
  state.counters["compute_ms"] = computeMedian;
  state.counters["settlement_ms"] = settlementMedian;
  state.counters["ratio_to_compute"] = computeMedian > 0 ? settlementMedian / computeMedian : 0.0;
}

void SettlementAgainstCompute(benchmark::State& state) {
  SettlementAgainstComputeOf(state, kSpeedCheckProfile, {});
}

BENCHMARK(SettlementAgainstCompute)->UseManualTime()->Unit(benchmark::kMillisecond);

// The plan's lines of equal settlement of the largest document traced from its fine field: the
// page of the plan's settlement map rendered, against compute.
void PlanSettlementMapAgainstCompute(benchmark::State& state) {
  SettlementAgainstComputeOf(state, kSpeedCheckProfile, {}, "render",
                             {"--display", "10", "--problem", "rect", "--page", "1", "--out"});
}

BENCHMARK(PlanSettlementMapAgainstCompute)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same profile built in three stages, its groups solved as one (coupled) and every layer with
// Calpha, through qel-cli settlement --time (the target is at most 10 times compute).
void StagedCoupledTimeAgainstCompute(benchmark::State& state) {
  std::vector<std::string> soil;
  for (std::string line : kSpeedCheckProfile) {
    if (line.starts_with("layer=")) line += ",0.02";
    soil.push_back(line);
  }
  for (const char* line : {"stage=1,0,30,0.4", "stage=2,60,90,0.7", "stage=3,120,150,1.0",
                           "consolidation=coupled", "residual=365,3650"})
    soil.push_back(line);
  SettlementAgainstComputeOf(state, soil, {"--time"});
}

BENCHMARK(StagedCoupledTimeAgainstCompute)->UseManualTime()->Unit(benchmark::kMillisecond);

// The largest settlement a document can ask for: the largest document's 154 columns, each cut
// into 2000 slices (the most a column takes), through qel-cli report (every display, the
// calculation tables' thousands of pages among them) and the calculation table as CSV. The
// counters give each whole process in seconds; the target is a report within 30 s.
void ReportOfTheMostSlices(benchmark::State& state) {
  bench::DataFolderCopy data;
  ApplicationState document;
  FillWorstDocument(document, false);
  DocumentTables cells = document.document.cells();
  cells.soilLines = {"slice=0.015", "layer=1,clay,30,16,16,cc,2.0,0.8,0.08,,,150,both,"};
  document.document.Replace(cells);
  const std::string path = data.path() + "/slices.qdw";
  if (!WriteTextFileSafely(path, FormatDataFile(document.document.cells(), ResultsGrid{}, 3)).ok) {
    state.SkipWithError("the document could not be written");
    return;
  }
  const std::vector<std::string> report = {
      QEL_CLI_PATH,    "report",   path, "--out", data.path() + "/slices.pdf",
      "--data-folder", data.path()};
  const std::vector<std::string> table = {QEL_CLI_PATH,    "table",    path,
                                          "--display",     "9",        "--problem",
                                          "rect",          "--out",    data.path() + "/9.csv",
                                          "--data-folder", data.path()};
  std::vector<double> reportTimes, tableTimes;
  for (auto _ : state) {
    const double reportMs = bench::RunMilliseconds(report);
    const double tableMs = bench::RunMilliseconds(table);
    if (reportMs < 0 || tableMs < 0) {
      state.SkipWithError("a command could not start or did not exit 0");
      return;
    }
    reportTimes.push_back(reportMs);
    tableTimes.push_back(tableMs);
    state.SetIterationTime(reportMs / 1000.0);
  }
  state.counters["report_s"] = bench::Median(reportTimes) / 1000.0;
  state.counters["table9_s"] = bench::Median(tableTimes) / 1000.0;
}

BENCHMARK(ReportOfTheMostSlices)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace qel

BENCHMARK_MAIN();
