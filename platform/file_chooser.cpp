// Parsing the "label|patterns|...||" text of the file dialogs' filters.
#include "platform/file_chooser.h"

namespace qel {

std::vector<FileFilterEntry> ParseFileFilter(std::string_view filter) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (start <= filter.size()) {
    std::size_t bar = filter.find('|', start);
    if (bar == std::string_view::npos) bar = filter.size();
    parts.push_back(filter.substr(start, bar - start));
    start = bar + 1;
  }
  std::vector<FileFilterEntry> entries;
  // An empty label ends the list: that is the "||" at its end.
  for (std::size_t i = 0; i + 1 < parts.size() && !parts[i].empty(); i += 2) {
    if (parts[i + 1].empty()) continue;
    entries.push_back({std::string(parts[i]), std::string(parts[i + 1])});
  }
  return entries;
}

}  // namespace qel
