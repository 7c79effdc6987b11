// Timing whole runs of a program from the benchmarks: a scratch copy of the shipped data folder,
// one run's milliseconds, and the median of several.
#pragma once

#include <string>
#include <vector>

namespace qel::bench {

// A copy of the shipped data folder, so that a run never reads or writes the user's own; removed
// with everything in it when it goes.
class DataFolderCopy {
 public:
  DataFolderCopy();
  ~DataFolderCopy();
  DataFolderCopy(const DataFolderCopy&) = delete;
  DataFolderCopy& operator=(const DataFolderCopy&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Starts `argv` with its output thrown away and waits for it: the milliseconds from the start to
// the end of the wait, or a negative number when it could not start or did not exit 0.
double RunMilliseconds(const std::vector<std::string>& argv);

double Median(std::vector<double> values);

}  // namespace qel::bench
