// The strip-load data table as a model: the pieces of the two load sets, one row per piece.
#pragma once

#include "analysis/table_model.h"
#include "document/strip_problem.h"
#include "settings/system_settings.h"

namespace qel {

// One section per load set: its title ("帯状荷重 1" while both sets have data, "帯状荷重" for
// the only one, none for a set without data), the rows it lists with No. ("%3d") and the seven
// numbers as "%4.2f" ("－" out of range), marked where the calculation does not take them as
// typed, and the notes that say why; then the notes on the points left out. The unit of γ
// follows the unit system.
TableModel StripDataModel(const StripProblem& strip, const SystemSettings& settings);

}  // namespace qel
