// The settlement of a document's columns as the CSV text qel-cli settlement writes: the columns'
// totals and times, their slices, or their settlement at the profile's times.
#pragma once

#include <string>
#include <vector>

#include "analysis/settlement_columns.h"

namespace qel {

enum class SettlementCsvTable { kColumns, kSlices, kTime };

// The heading line and one line per column (kColumns), per slice of each column (kSlices) or per
// time of the profile and column (kTime); numbers as %.17g, an empty field where a value does
// not apply; lines end in LF.
std::string SettlementCsv(SettlementCsvTable table, const SettlementModel& model,
                          const std::vector<SettlementColumnResult>& columns);

}  // namespace qel
