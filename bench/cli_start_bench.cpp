// The whole process of qel-cli on a small document, from its start to its exit, against /bin/true
// started the same way in the same run: `compute` (the target is at most 10 ms, a few times
// true), `--help`, and `pages`, which qel-cli hands to the drawing program. Each iteration starts
// true and then the command; the counters give the medians in milliseconds and their ratio.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace qel {
namespace {

namespace fs = std::filesystem;

// A copy of the shipped data folder, so that a run never reads or writes the user's own.
class DataFolderCopy {
 public:
  DataFolderCopy() {
    std::string pattern = (fs::temp_directory_path() / "qel-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    fs::copy(fs::path(QEL_SOURCE_DIR) / "data", path_, fs::copy_options::recursive);
  }
  ~DataFolderCopy() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Starts `argv` with its output thrown away and waits for it: the milliseconds from the start to
// the end of the wait, or a negative number when it could not start or did not exit 0.
double RunMilliseconds(const std::vector<std::string>& argv) {
  std::vector<char*> words;
  for (const std::string& word : argv)
    words.push_back(const_cast<char*>(word.c_str()));
  words.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  const int spawned = posix_spawn(&child, words[0], &actions, nullptr, words.data(), environ);
  int status = 0;
  const bool waited = spawned == 0 && waitpid(child, &status, 0) == child;
  const auto end = std::chrono::steady_clock::now();
  posix_spawn_file_actions_destroy(&actions);
  if (!waited || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1.0;
  return std::chrono::duration<double, std::milli>(end - start).count();
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

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
