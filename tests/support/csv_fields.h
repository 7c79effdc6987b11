// The fields of a CSV row of plain values (no quoted commas), as the command-line tests read
// qel-cli's tables.
#pragma once

#include <string>
#include <vector>

namespace qel::test {

inline std::vector<std::string> CsvFields(const std::string& row) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t comma; (comma = row.find(',', start)) != std::string::npos; start = comma + 1)
    fields.push_back(row.substr(start, comma - start));
  fields.push_back(row.substr(start));
  return fields;
}

}  // namespace qel::test
