// A recent-file list held in memory only.
#include "test_support/memory_recent_files.h"

#include <algorithm>

namespace qel {

void MemoryRecentFiles::Remove(const std::string& path) {
  files_.erase(std::remove(files_.begin(), files_.end(), path), files_.end());
}

}  // namespace qel
