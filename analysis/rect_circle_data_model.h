// The rectangular and circular data table as a model: the rectangles, then the circles.
#pragma once

#include "analysis/table_model.h"
#include "document/plan_problem.h"
#include "settings/system_settings.h"

namespace qel {

// A section of rectangles and one of circles, each row with its No. ("%3d") and numbers as
// "%4.2f" ("－" out of range) in its own columns (the corners R1 and R2 of a rectangle; the
// centre and radius of a circle; q of both), marked where the calculation does not take it as
// typed, and the notes that say why; then the notes on the points left out.
TableModel RectCircleDataModel(const PlanProblem& plan, const SystemSettings& settings);

}  // namespace qel
