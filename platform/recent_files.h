// The list of recently opened and saved documents, kept in the user's profile.
#pragma once

#include <string>
#include <vector>

namespace qel {

inline constexpr int kRecentFileCount = 6;

class RecentFiles {
 public:
  virtual ~RecentFiles() = default;
  // The full paths, most recent first.
  virtual std::vector<std::string> Files() const = 0;
  // `path` was opened or saved: it goes to the top of the list.
  virtual void Add(const std::string& path) = 0;
  // `path` could not be opened any more: it leaves the list.
  virtual void Remove(const std::string& path) = 0;
};

// `files` after `path` was opened or saved: `path` first, its earlier place removed, and at
// most `limit` entries.
std::vector<std::string> WithRecentFile(std::vector<std::string> files, const std::string& path,
                                        int limit = kRecentFileCount);

}  // namespace qel
