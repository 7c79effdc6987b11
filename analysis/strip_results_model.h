// The strip-load results table as a model: dP at every strip calculation point, and the course
// of the calculation piece by piece.
#pragma once

#include "analysis/table_model.h"
#include "document/document_tables.h"
#include "document/strip_problem.h"
#include "settings/system_settings.h"

namespace qel {

// One section per depth, titled "Z m  2.00", with one row per x value: x as "%5.2f" and dP as
// the settings' stress digits ("－" above the ground), dP also to the last digit; then the notes
// on the points left out. For its pages, when the document asks for it, the course of the
// calculation: every point, with every piece of both sets, its shape, I and dP.
TableModel StripResultsModel(const StripProblem& strip, const ResultsGrid& results,
                             const SystemSettings& settings, TableUse use);

}  // namespace qel
