// How data files are named.
#include "document/data_file_names.h"

namespace qel {

std::string FileNameOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::vector<FileTypeFilter> DataFileFilters() {
  return {{"地中の鉛直増加応力", {kDataFileExtension}}, {"すべて", {}}};
}

std::string FileExtension(const std::string& path) {
  std::string name = FileNameOf(path);
  std::size_t point = name.rfind('.');
  return point == std::string::npos ? "" : name.substr(point + 1);
}

bool IsDataFileExtension(const std::string& extension) {
  std::string standard = kDataFileExtension;
  if (extension.size() != standard.size()) return false;
  for (std::size_t i = 0; i < extension.size(); ++i) {
    char c = extension[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != standard[i]) return false;
  }
  return true;
}

}  // namespace qel
