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

}  // namespace qel
