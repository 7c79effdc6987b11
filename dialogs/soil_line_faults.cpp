// The first fault the soil section's reader finds that a dialog's lines brought about.
#include "dialogs/soil_line_faults.h"

#include <algorithm>
#include <utility>

#include "document/soil_profile_text.h"
#include "document/soil_section_lines.h"

namespace qel {

namespace {

// A fault with the text of the line it lies on (empty for the section as a whole), so that
// faults compare across sections whose lines moved.
using PlacedFault = std::pair<std::string, std::string>;

PlacedFault Placed(const std::vector<std::string>& lines, const SoilProfileError& error) {
  const bool onLine = error.line >= 1 && static_cast<std::size_t>(error.line) <= lines.size();
  return {onLine ? lines[error.line - 1] : std::string(), error.text};
}

}  // namespace

std::optional<SoilLineFault> FirstFaultOfSoilLines(const std::vector<std::string>& held,
                                                   const std::vector<std::string>& next,
                                                   const std::vector<std::string>& keys,
                                                   int unitSystem) {
  const std::vector<SoilProfileError> errors = ReadSoilProfile(next, unitSystem).errors;
  if (errors.empty()) return std::nullopt;
  std::vector<PlacedFault> before;
  for (const SoilProfileError& error : ReadSoilProfile(held, unitSystem).errors)
    before.push_back(Placed(held, error));
  for (const SoilProfileError& error : errors) {
    // A fault of the section as a whole (no layers yet) is the layer dialog's business.
    if (error.line < 1) continue;
    if (error.line >= 1 && static_cast<std::size_t>(error.line) <= next.size()) {
      const std::string key = SoilLineKey(next[error.line - 1]);
      if (std::find(keys.begin(), keys.end(), key) != keys.end()) {
        int ordinal = 0;
        for (int i = 0; i + 1 < error.line; ++i)
          if (SoilLineKey(next[i]) == key) ++ordinal;
        return SoilLineFault{error.text, key, ordinal};
      }
    }
    if (std::find(before.begin(), before.end(), Placed(next, error)) == before.end())
      return SoilLineFault{error.text, std::string(), 0};
  }
  return std::nullopt;
}

}  // namespace qel
