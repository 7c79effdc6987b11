// The settlement of a document's columns as the CSV text qel-cli settlement writes: the columns'
// totals and times, their slices, their settlement at the profile's times, or the stages' shares.
#pragma once

#include <string>
#include <vector>

#include "analysis/settlement_columns.h"
#include "analysis/settlement_course.h"

namespace qel {

enum class SettlementCsvTable { kColumns, kSlices, kTime, kStages };

// The heading line and one line per column (kColumns), per slice of each column (kSlices), per
// time of the profile (then the residual period's two days) and column (kTime: primary S and U,
// secondary Ssec and their sum Sall), or per stage and column (kStages: its days, fraction and
// share dS); numbers as %.17g, an empty field where a value does not apply; lines end in LF. The
// columns' times, the time and the stage tables follow `courses`, the columns' courses computed
// by `courseModel`.
std::string SettlementCsv(SettlementCsvTable table, const SettlementCourseModel& courseModel,
                          const std::vector<SettlementColumnResult>& columns,
                          const std::vector<SettlementCourse>& courses);

}  // namespace qel
