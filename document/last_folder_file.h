// FileV.ndx in the data folder: the folder of the last file opened through the open dialog
// (line 1), and a second line kept as it was found.
#pragma once

#include <string>

namespace qel {

struct LastFolderFile {
  std::string folder;
  std::string secondLine;
  bool operator==(const LastFolderFile&) const = default;
};

// The two lines of the file at `path`; empty texts when it is missing or cannot be read.
LastFolderFile ReadLastFolderFile(const std::string& path);

// Writes the two lines (CP932, CR LF) safely; false when that was not possible.
bool WriteLastFolderFile(const std::string& path, const LastFolderFile& file);

}  // namespace qel
