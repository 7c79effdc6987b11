// The reading lines of the settlement plates' section as text: a reading written as a line, and
// one plate's readings replaced while every other line of the section stays as it was.
#pragma once

#include <string>
#include <vector>

#include "engine/settlement_fits.h"

namespace qel {

// "read=No,t,S" for a reading of plate `plate`, its day and settlement in their shortest form
// that reads back as the same numbers.
std::string PlateReadingLine(int plate, const SettlementReading& reading);

// Whether `lines` hold a "plate=" line numbered `plate` (read or not otherwise).
bool HasPlateLine(const std::vector<std::string>& lines, int plate);

// `lines` with the reading lines of plate `plate` replaced by one line for each of `readings`:
// the new lines stand where the plate's first reading line stood, or, when it had none, after
// its "plate=" line (at the end without one). Every other line stays as it was, in its order.
std::vector<std::string> ReplacePlateReadings(const std::vector<std::string>& lines, int plate,
                                              const std::vector<SettlementReading>& readings);

}  // namespace qel
