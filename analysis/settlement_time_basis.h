// What the settlement in time rests on, as lines of the calculation table: the stages, how a
// ramp is taken, the consolidation groups with their drainage paths, secondary compression and
// the vertical drains with their factors.
#pragma once

#include <string>
#include <vector>

#include "analysis/settlement_course.h"

namespace qel {

// The lines for the whole profile: the loading, the rule and each group's thickness and Hd,
// where secondary compression starts, and the drains' geometry and smear with the depth above
// which slices drain radially. Empty for a profile without a cv in any layer.
std::vector<std::string> TimeBasisLines(const SettlementCourseModel& model);

// The lines for one column with drains: each drained layer's μs, μw and μ (μw follows the
// column's own mv when the drains have a discharge capacity). Empty without drains.
std::vector<std::string> ColumnDrainLines(const SettlementCourseModel& model,
                                          const SettlementColumn& final);

}  // namespace qel
