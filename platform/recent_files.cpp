// The list of recently opened and saved documents.
#include "platform/recent_files.h"

#include <algorithm>

namespace qel {

std::vector<std::string> WithRecentFile(std::vector<std::string> files, const std::string& path,
                                        int limit) {
  files.erase(std::remove(files.begin(), files.end(), path), files.end());
  files.insert(files.begin(), path);
  if (static_cast<int>(files.size()) > limit) files.resize(std::max(limit, 0));
  return files;
}

void MemoryRecentFiles::Remove(const std::string& path) {
  files_.erase(std::remove(files_.begin(), files_.end(), path), files_.end());
}

}  // namespace qel
