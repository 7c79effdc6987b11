// The first fault the soil section's reader finds that a dialog's lines brought about.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qel {

struct SoilLineFault {
  std::string text;  // the reader's message
  // The key of the dialog's line the fault lies on, and which line of that key it is (0 the
  // first); an empty key: another line of the section, made faulty by the dialog's lines (a
  // layer's drainage that the consolidation rule refuses).
  std::string key;
  int ordinal = 0;
};

// Reads `next` (the section with the dialog's lines in place) and returns its first fault that
// lies on a line of one of `keys`, or on any other line when `held` (the section as it was)
// does not have the same fault on the same line text: a dialog answers for its own lines and
// for what they change elsewhere, never for faults that were already there nor for those of the
// section as a whole (no layers yet).
std::optional<SoilLineFault> FirstFaultOfSoilLines(const std::vector<std::string>& held,
                                                   const std::vector<std::string>& next,
                                                   const std::vector<std::string>& keys,
                                                   int unitSystem);

}  // namespace qel
