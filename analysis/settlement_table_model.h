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
//
// For a file (TableUse::File) the table is for a spreadsheet: every cell a number or empty
// (never "－"), the top and bottom of each slice in two columns, and a row of its own for each
// layer's subtotal and each column's total, the total with t50 and t90; the first column says
// which kind of row it is (kSliceRowKind, kLayerRowKind, kColumnRowKind).
TableModel SettlementTableModel(const DocumentSettlement& settlement, Problem problem,
                                const SystemSettings& settings, TableUse use = TableUse::Page);

inline constexpr const char* kSliceRowKind = "分割";
inline constexpr const char* kLayerRowKind = "小計";
inline constexpr const char* kColumnRowKind = "合計";

}  // namespace qel
