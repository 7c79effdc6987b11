// FileV.ndx: the folder of the last opened file.
#include "document/last_folder_file.h"

#include "base/text_file.h"

namespace qel {

LastFolderFile ReadLastFolderFile(const std::string& path) {
  LastFolderFile file;
  if (std::optional<std::vector<std::string>> lines = ReadTextLines(path, nullptr, 2)) {
    if (lines->size() > 0) file.folder = (*lines)[0];
    if (lines->size() > 1) file.secondLine = (*lines)[1];
  }
  return file;
}

bool WriteLastFolderFile(const std::string& path, const LastFolderFile& file) {
  return WriteTextFileSafely(path, JoinCrLf({file.folder, file.secondLine})).ok;
}

}  // namespace qel
