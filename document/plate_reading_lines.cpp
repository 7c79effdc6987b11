// Writing and replacing the reading lines of the settlement plates' section.
#include "document/plate_reading_lines.h"

#include <optional>

#include "base/c_locale.h"
#include "document/soil_section_lines.h"

namespace qel {

namespace {

// Whether `line` is a line of `key` for plate `plate`.
bool PlateLineOf(const std::string& line, const char* key, int plate) {
  if (SoilLineKey(line) != key) return false;
  const std::string value = SoilLineValue(line);  // the fields are views into it
  const std::vector<std::string_view> fields = SoilFieldViews(value);
  return ParseWholeNumber(fields.front()) == plate;
}

}  // namespace

std::string PlateReadingLine(int plate, const SettlementReading& reading) {
  return "read=" + std::to_string(plate) + "," + ShortestRealText(reading.t) + "," +
         ShortestRealText(reading.s);
}

bool HasPlateLine(const std::vector<std::string>& lines, int plate) {
  for (const std::string& line : lines)
    if (PlateLineOf(line, "plate", plate)) return true;
  return false;
}

std::vector<std::string> ReplacePlateReadings(const std::vector<std::string>& lines, int plate,
                                              const std::vector<SettlementReading>& readings) {
  std::vector<std::string> replacement;
  for (const SettlementReading& reading : readings)
    replacement.push_back(PlateReadingLine(plate, reading));
  std::vector<std::string> result;
  std::optional<std::size_t> place, afterPlate;
  for (const std::string& line : lines) {
    if (PlateLineOf(line, "read", plate)) {
      if (!place) place = result.size();
      continue;
    }
    result.push_back(line);
    if (PlateLineOf(line, "plate", plate) && !afterPlate) afterPlate = result.size();
  }
  const std::size_t at = place.value_or(afterPlate.value_or(result.size()));
  result.insert(result.begin() + static_cast<std::ptrdiff_t>(at), replacement.begin(),
                replacement.end());
  return result;
}

}  // namespace qel
