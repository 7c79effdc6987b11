// The rectangular and circular results table as a model: dP at every lattice point, and the
// course of the calculation load by load.
#pragma once

#include "analysis/table_model.h"
#include "document/document_tables.h"
#include "document/plan_problem.h"
#include "engine/circle_method.h"
#include "settings/system_settings.h"

namespace qel {

// One row per listed lattice point (z outermost, then y, then x, negative depths included),
// numbered P1, P2 ...: x, y and z as "%4.2f" and dP as the settings' stress digits ("－" above
// the ground), dP also to the last digit; then the notes on the points left out, and for files
// a note that the circles were computed by the compatible method. For its pages, when the
// document asks for it, the course of the calculation: every point the calculation computes,
// with every rectangle's corner terms and every circle's ratios, I and dP, circles by `circles`.
TableModel RectCircleResultsModel(const PlanProblem& plan, const ResultsGrid& results,
                                  CircleMethod circles, const SystemSettings& settings,
                                  TableUse use);

}  // namespace qel
