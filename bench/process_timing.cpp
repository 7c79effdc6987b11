// Timing whole runs of a program: a data-folder copy, one run, the median of several.
#include "bench/process_timing.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

extern char** environ;

namespace qel::bench {

namespace fs = std::filesystem;

DataFolderCopy::DataFolderCopy() {
  std::string pattern = (fs::temp_directory_path() / "qel-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  fs::copy(fs::path(QEL_SOURCE_DIR) / "data", path_, fs::copy_options::recursive);
}

DataFolderCopy::~DataFolderCopy() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

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

}  // namespace qel::bench
