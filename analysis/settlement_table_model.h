// The settlement calculation table of one problem as a model: the slices of each of its
// settlement columns.
#pragma once

#include "analysis/settlement_analysis.h"
#include "analysis/table_model.h"
#include "settings/problem.h"
#include "settings/system_settings.h"

namespace qel {

// Above the table the profile's conditions, or why there is no settlement (and then nothing
// else). Then one section per column of `problem`, titled by where it stands: one row per
// slice with its cells (SliceCells) and mark, S also in metres to the last digit, a layer's
// subtotal under its last slice; under the rows the column's total and times, and what its
// marks mean.
TableModel SettlementTableModel(const DocumentSettlement& settlement, Problem problem,
                                const SystemSettings& settings);

}  // namespace qel
