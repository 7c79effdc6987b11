// Keys, fields and the replacement of lines of the soil profile's section.
#include "dialogs/soil_section_lines.h"

#include <algorithm>
#include <optional>

namespace qel {

std::string TrimmedSoilText(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && blank(text.back()))
    text.remove_suffix(1);
  return std::string(text);
}

std::string SoilLineKey(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  return TrimmedSoilText(line.substr(0, equals));
}

std::string SoilLineValue(std::string_view line) {
  const std::size_t equals = line.find('=');
  return equals == std::string_view::npos ? std::string() : std::string(line.substr(equals + 1));
}

std::vector<std::string> SoilLineFields(std::string_view value) {
  std::vector<std::string> fields;
  while (true) {
    const std::size_t comma = value.find(',');
    fields.push_back(TrimmedSoilText(value.substr(0, comma)));
    if (comma == std::string_view::npos) return fields;
    value.remove_prefix(comma + 1);
  }
}

std::vector<std::string> ReplaceSoilLines(const std::vector<std::string>& lines,
                                          const std::vector<std::string>& keys,
                                          const std::vector<std::string>& replacement,
                                          SoilLinesPlace place) {
  const auto ours = [&keys](const std::string& line) {
    return std::find(keys.begin(), keys.end(), SoilLineKey(line)) != keys.end();
  };
  std::vector<std::string> kept;
  std::optional<std::size_t> at;
  for (const std::string& line : lines) {
    if (ours(line)) {
      if (!at) at = kept.size();
    } else {
      kept.push_back(line);
    }
  }
  if (!at) {
    if (place == SoilLinesPlace::Front) {
      at = 0;
    } else {
      at = kept.size();
      if (place == SoilLinesPlace::BeforeCurves) {
        const auto curve = std::find_if(kept.begin(), kept.end(), [](const std::string& line) {
          return SoilLineKey(line) == "curve";
        });
        at = static_cast<std::size_t>(curve - kept.begin());
      }
    }
  }
  kept.insert(kept.begin() + static_cast<std::ptrdiff_t>(*at), replacement.begin(),
              replacement.end());
  return kept;
}

}  // namespace qel
