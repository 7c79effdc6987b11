// The whole process of qel-cli settlement on the largest document (10 strip x values and a
// 12 x 12 lattice of columns under 40 + 40 strip pieces, 40 rectangles and 40 circles) with a
// 30 m profile of five settling layers cut into 0.5 m slices, against qel-cli compute of the same
// file in the same run. Each iteration runs compute and then settlement; the counters give the
// medians in milliseconds and their ratio (the target is at most 3).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/process_timing.h"
#include "bench/worst_document.h"
#include "document/data_file.h"
#include "settings/text_file.h"

namespace qel {
namespace {

// Five settling layers of 6 m by every method that settles, the water table at 1 m.
const std::vector<std::string> kThirtyMetreProfile = {
    "water=1.0",
    "gammaw=9.81",
    "slice=0.5",
    "times=10,30,100,300,1000,3000,10000",
    "layer=1,粘土A,6,16,16.5,cc,2.0,0.8,0.08,60,,150,both,",
    "layer=2,粘土B,12,16,16.5,elogp,,,0.05,,,100,top,1",
    "layer=3,粘土C,18,17,17.5,mv,,,,,0.0005,80,both,",
    "layer=4,粘土D,24,16,16.5,cc,1.8,0.6,0.06,,,120,bottom,",
    "layer=5,粘土E,30,16.5,17,elogp,,,0.04,,,90,both,2",
    "curve=1,9.8,2.45,19.6,2.40,39.2,2.31,78.5,2.12,157,1.90,314,1.68,628,1.47,1256,1.27",
    "curve=2,20,1.9,50,1.82,100,1.7,200,1.55,400,1.4,800,1.26",
};

void SettlementAgainstCompute(benchmark::State& state) {
  bench::DataFolderCopy data;
  ApplicationState document;
  FillWorstDocument(document, false);
  DocumentTables cells = document.document.cells();
  cells.soilLines = kThirtyMetreProfile;
  document.document.Replace(cells);
  const std::string path = data.path() + "/worst.qdw";
  if (!WriteTextFileSafely(path, FormatDataFile(document.document.cells(), ResultsGrid{}, 3)).ok) {
    state.SkipWithError("the document could not be written");
    return;
  }
  auto command = [&](const char* name) {
    return std::vector<std::string>{QEL_CLI_PATH, name, path, "--data-folder", data.path()};
  };
  std::vector<double> computeTimes, settlementTimes;
  for (auto _ : state) {
    const double compute = bench::RunMilliseconds(command("compute"));
    const double settlement = bench::RunMilliseconds(command("settlement"));
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

BENCHMARK(SettlementAgainstCompute)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qel

BENCHMARK_MAIN();
