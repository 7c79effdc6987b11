// A recent-file list held in memory only, for tests.
#pragma once

#include <string>
#include <vector>

#include "platform/recent_files.h"

namespace qel {

class MemoryRecentFiles : public RecentFiles {
 public:
  std::vector<std::string> Files() const override { return files_; }
  void Add(const std::string& path) override { files_ = WithRecentFile(files_, path); }
  void Remove(const std::string& path) override;

 private:
  std::vector<std::string> files_;
};

}  // namespace qel
