// The whole process of qel-cli on a small document, from its start to its exit, against /bin/true
// started the same way in the same run: `compute` (the target is at most 10 ms, a few times
// true), `--help`, and `pages`, which qel-cli hands to the drawing program. Each iteration starts
// true and then the command; the counters give the medians in milliseconds and their ratio.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench/process_timing.h"

namespace qel {
namespace {

using bench::DataFolderCopy;
using bench::Median;
using bench::RunMilliseconds;

void StartAgainstTrue(benchmark::State& state, std::vector<std::string> arguments) {
  DataFolderCopy data;
  std::vector<std::string> command{QEL_CLI_PATH};
  for (std::string& word : arguments) {
    if (word == "DATA") word = data.path();
    if (word == "DOCUMENT") word = std::string(QEL_SOURCE_DIR) + "/examples/embankment.qdw";
    command.push_back(word);
  }
  const std::vector<std::string> yardstick{"/bin/true"};
  std::vector<double> trueTimes, commandTimes;
  for (auto _ : state) {
    const double trueTime = RunMilliseconds(yardstick);
    const double commandTime = RunMilliseconds(command);
    if (trueTime < 0 || commandTime < 0) {
      state.SkipWithError("a command could not start or did not exit 0");
      return;
    }
    trueTimes.push_back(trueTime);
    commandTimes.push_back(commandTime);
    state.SetIterationTime(commandTime / 1000.0);
  }
  const double trueMedian = Median(trueTimes), commandMedian = Median(commandTimes);
  state.counters["true_ms"] = trueMedian;
  state.counters["command_ms"] = commandMedian;
  state.counters["command_min_ms"] = *std::min_element(commandTimes.begin(), commandTimes.end());
  state.counters["ratio_to_true"] = trueMedian > 0 ? commandMedian / trueMedian : 0.0;
}

BENCHMARK_CAPTURE(StartAgainstTrue, compute,
                  std::vector<std::string>{"compute", "DOCUMENT", "--data-folder", "DATA"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartAgainstTrue, help, std::vector<std::string>{"--help"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartAgainstTrue, pages_by_the_drawing_program,
                  std::vector<std::string>{"pages", "DOCUMENT", "--display", "1", "--data-folder",
                                           "DATA"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qel

BENCHMARK_MAIN();
