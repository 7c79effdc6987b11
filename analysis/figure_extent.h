// How far right the content of each figure reaches.
#pragma once

#include "document/plan_problem.h"
#include "document/strip_problem.h"
#include "settings/system_settings.h"

namespace qel {

// Right-most world x of each figure's content (never below 0): its loads, its calculation x
// values and, when the grid is drawn, the grid.
double StripFigureExtent(const StripProblem& strip, const SystemSettings& settings);
double RectCircleFigureExtent(const PlanProblem& plan, const SystemSettings& settings);

}  // namespace qel
